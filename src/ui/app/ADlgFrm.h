#pragma once

#include "app/aFrm.h"

#include <functional>

class QPushButton;
class TDlgButtonBar;

// Base of the program's dialogs: a 469 by 270 client area, a line across the bottom
// 48 pixels and the buttons "确定(&O)" (OK), "取消" (Cancel, also Esc) and "帮助".
// Controls go onto Body(), the area above the line. OK first asks CloseQuery(): a
// dialog whose input is not acceptable stays open with its input.
class TADlgFrm : public TaFrm {
    Q_OBJECT
  public:
    explicit TADlgFrm(QWidget* parent = nullptr);

    QWidget* Body() const { return m_body; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }
    QPushButton* HelpButton() const { return m_help; }

    // Closing with OK passes the close query first.
    void done(int result) override;
    // Shows the dialog modally until it is cancelled or `save` succeeds; when `save`
    // raises an error its message is shown and the same dialog comes back with its
    // input. True when saved.
    bool ExecAndSave(const std::function<void()>& save);

  protected:
    // Checks the input when OK is pressed; false keeps the dialog open. An error
    // raised here is shown and keeps the dialog open too.
    virtual bool CloseQuery() { return true; }
    // Reports unacceptable input: shows the message, puts the focus on the field
    // (selecting its text) and returns false for CloseQuery to pass on.
    bool Refuse(QWidget* field, const QString& message);

  private:
    bool RunCloseQuery();

    QWidget* m_body;
    TDlgButtonBar* m_bar;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_help;
};
