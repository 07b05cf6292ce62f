#pragma once

#include <QWidget>

class QFrame;
class QPushButton;

// The bottom strip of the dialog bases: 48 pixels high, a horizontal line along its
// top, and 75 by 25 buttons at the right, in the order they were added.
class TDlgButtonBar : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kHeight = 48;
    static constexpr QSize kButtonSize{75, 25};

    explicit TDlgButtonBar(QWidget* parent);
    QPushButton* AddButton(const QString& caption);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Arrange();

    QFrame* m_line;
    QList<QPushButton*> m_buttons;
};
