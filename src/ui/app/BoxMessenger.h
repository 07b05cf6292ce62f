#pragma once

#include "app/Messenger.h"

#include <QString>

// Shows the program's messages in real message boxes: the application's display name
// as the title, Chinese buttons, the text always as plain text.
class TBoxMessenger : public TMessenger {
  public:
    TMsgResult Message(TMsgKind kind, const QString& text, TMsgButtons buttons) override;
    bool InputQuery(const QString& caption, const QString& prompt, QString& value) override;

    // The text as a box shows it: line breaks in any form become one line break, and
    // the carriage returns and tabs that pad the program's messages are trimmed off
    // the ends (inner tabs become spaces).
    static QString DisplayText(const QString& text);
};
