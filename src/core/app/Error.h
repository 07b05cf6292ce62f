#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// The program reports failures by raising an error that carries the message text
// to show. A command handler or dialog catches it and shows it; see Messenger.h.
class EOrbelError : public std::exception {
  public:
    explicit EOrbelError(const QString& message) : m_message(message), m_utf8(message.toUtf8()) {}
    const QString& Message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

  private:
    QString m_message;
    QByteArray m_utf8;
};

// A stop after a message has already been shown: whoever catches it shows nothing.
class EAbort : public EOrbelError {
  public:
    EAbort() : EOrbelError(QString()) {}
};
