#pragma once

#include "app/Messenger.h"

// Shows the program's messages in real message boxes with the application title.
class TBoxMessenger : public TMessenger {
  public:
    TMsgResult Message(TMsgKind kind, const QString& text, TMsgButtons buttons) override;
    bool InputQuery(const QString& caption, const QString& prompt, QString& value) override;
};
