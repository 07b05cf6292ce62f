#pragma once

#include <QApplication>

#include <functional>

// The program's application object. An error that a command did not handle
// and that reaches the event loop is reported here instead of ending the
// program: to the main window's handler once there is one, before that in a
// plain error box. A refusal that was already explained (EAbort) ends quietly.
class TOrbelApplication : public QApplication {
    Q_OBJECT
  public:
    using TErrorHandler = std::function<void(const QString& message, const QString& errorClass)>;

    TOrbelApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
    void SetErrorHandler(TErrorHandler handler) { m_handler = std::move(handler); }
    void ReportError(const QString& message, const QString& errorClass);

  private:
    TErrorHandler m_handler;
};
