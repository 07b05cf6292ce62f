#pragma once

#include "app/aFrm.h"

class QPushButton;
class TDlgButtonBar;

// Base of the information windows (operators, documents, tools, calculators): a line
// across the bottom and the buttons "关闭" (Cancel, also Esc) and "帮助". Controls go
// onto Body().
class TAInfoDlgFrm : public TaFrm {
    Q_OBJECT
  public:
    explicit TAInfoDlgFrm(QWidget* parent = nullptr);

    QWidget* Body() const { return m_body; }
    QPushButton* CloseButton() const { return m_close; }
    QPushButton* HelpButton() const { return m_help; }

  private:
    QWidget* m_body;
    TDlgButtonBar* m_bar;
    QPushButton* m_close;
    QPushButton* m_help;
};
