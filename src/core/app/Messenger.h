#pragma once

#include <QString>

enum class TMsgKind { Information, Warning, Question, Error };
enum class TMsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class TMsgResult { Ok, Cancel, Yes, No };

// Every message box and input box of the program goes through one messenger. The
// UI library installs one that shows real boxes; tests install one that answers
// from a script and remembers what was shown.
class TMessenger {
  public:
    virtual ~TMessenger() = default;
    virtual TMsgResult Message(TMsgKind kind, const QString& text, TMsgButtons buttons) = 0;
    // Asks for one line of text; false when the operator cancels.
    virtual bool InputQuery(const QString& caption, const QString& prompt, QString& value) = 0;
};

TMessenger& Messenger();
// Installs a messenger (not owned); nullptr restores the console messenger.
void SetMessenger(TMessenger* messenger);

// The information box: CR LF + text + TAB, one OK button.
void ShowInfo(const QString& text);
// The delete confirmation; an empty `what` asks about "当前记录". True on OK.
bool ConfirmDelete(const QString& what);
// A plain message box with the text as it is.
void ShowMessage(const QString& text);
// A warning with OK and Cancel; true on OK.
bool ConfirmWarning(const QString& text);
// A question with Yes and No; true on Yes.
bool AskYesNo(const QString& text);
