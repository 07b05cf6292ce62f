#pragma once

#include <QString>

// A window the business operations open modally and forget afterwards. The real
// windows live in the UI library; tests put scripted ones in their place (see
// EditorFactory.h).
class TModalDialog {
  public:
    virtual ~TModalDialog() = default;
    virtual QString Caption() const = 0;
    virtual void SetCaption(const QString& caption) = 0;
    // Shows the window modally; true when it was closed with OK, false for every
    // other way of closing it.
    virtual bool Execute() = 0;
};
