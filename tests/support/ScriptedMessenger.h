#pragma once

#include "app/Messenger.h"

#include <QList>
#include <QStringList>

// Answers message boxes from a queue (OK or Yes when the queue is empty) and
// remembers every text shown. Installed for its lifetime.
class TScriptedMessenger : public TMessenger {
  public:
    TScriptedMessenger();
    ~TScriptedMessenger() override;

    TMsgResult Message(TMsgKind kind, const QString& text, TMsgButtons buttons) override;
    bool InputQuery(const QString& caption, const QString& prompt, QString& value) override;

    // Next answers, in order.
    void Answer(TMsgResult result) { m_answers << result; }
    void AnswerInput(const QString& text, bool ok = true) { m_inputs << qMakePair(text, ok); }

    QStringList shown;
    QList<TMsgKind> kinds;
    QString Last() const { return shown.isEmpty() ? QString() : shown.last(); }
    void Clear() {
        shown.clear();
        kinds.clear();
    }

  private:
    QList<TMsgResult> m_answers;
    QList<QPair<QString, bool>> m_inputs;
};
