#include "app/Messenger.h"

#include <cstdio>

namespace {

// Used until the UI installs its own: writes the text to standard error and
// refuses every question, so nothing is deleted or overwritten unasked.
class TConsoleMessenger : public TMessenger {
  public:
    TMsgResult Message(TMsgKind, const QString& text, TMsgButtons buttons) override {
        std::fprintf(stderr, "%s\n", text.trimmed().toLocal8Bit().constData());
        switch (buttons) {
        case TMsgButtons::Ok:
            return TMsgResult::Ok;
        case TMsgButtons::OkCancel:
            return TMsgResult::Cancel;
        default:
            return TMsgResult::No;
        }
    }
    bool InputQuery(const QString&, const QString&, QString&) override { return false; }
};

TConsoleMessenger g_console;
TMessenger* g_messenger = &g_console;

} // namespace

TMessenger& Messenger() {
    return *g_messenger;
}

void SetMessenger(TMessenger* messenger) {
    g_messenger = messenger ? messenger : &g_console;
}

void ShowInfo(const QString& text) {
    Messenger().Message(TMsgKind::Information, QStringLiteral("\r\n") + text + QStringLiteral("\t"),
                        TMsgButtons::Ok);
}

bool ConfirmDelete(const QString& what) {
    const QString subject = what.isEmpty() ? QStringLiteral("当前记录") : what;
    const QString text = QStringLiteral("\r您确定要删除 %1 吗?\t\t").arg(subject);
    return Messenger().Message(TMsgKind::Warning, text, TMsgButtons::OkCancel) == TMsgResult::Ok;
}

void ShowMessage(const QString& text) {
    Messenger().Message(TMsgKind::Information, text, TMsgButtons::Ok);
}

bool ConfirmWarning(const QString& text) {
    return Messenger().Message(TMsgKind::Warning, text, TMsgButtons::OkCancel) == TMsgResult::Ok;
}

bool AskYesNo(const QString& text) {
    return Messenger().Message(TMsgKind::Question, text, TMsgButtons::YesNo) == TMsgResult::Yes;
}
