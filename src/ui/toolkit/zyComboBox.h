#pragma once

#include <QComboBox>

// The combo box of the record dialogs: no automatic completion, Enter moves to the
// next field (Shift+Enter to the previous one), Delete clears the selection of a
// list-only box, aqua while focused and white afterwards.
class TzyComboBox : public QComboBox {
    Q_OBJECT
  public:
    explicit TzyComboBox(QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void TurnOffCompletion();
};
