#include "ScriptedMessenger.h"

TScriptedMessenger::TScriptedMessenger() {
    SetMessenger(this);
}

TScriptedMessenger::~TScriptedMessenger() {
    if (&Messenger() == this)
        SetMessenger(nullptr);
}

TMsgResult TScriptedMessenger::Message(TMsgKind kind, const QString& text, TMsgButtons buttons) {
    shown << text;
    kinds << kind;
    if (!m_answers.isEmpty())
        return m_answers.takeFirst();
    return buttons == TMsgButtons::Ok || buttons == TMsgButtons::OkCancel ? TMsgResult::Ok
                                                                          : TMsgResult::Yes;
}

bool TScriptedMessenger::InputQuery(const QString&, const QString& prompt, QString& value) {
    shown << prompt;
    kinds << TMsgKind::Question;
    if (m_inputs.isEmpty())
        return false;
    const auto [text, ok] = m_inputs.takeFirst();
    if (ok)
        value = text;
    return ok;
}
