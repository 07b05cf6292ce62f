#pragma once

#include "app/aFrm.h"

#include <functional>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The add dialog ("新建") behind the list frames' add command: the current
// record, large icons for the details that can be added to it, a button for a
// new main record and "关闭". It is not modal: Popup shows it at the mouse
// pointer, and it closes and frees itself as soon as it loses the focus. A
// command chosen in it runs after the dialog has closed.
class TAddDlgFrm : public TaFrm {
    Q_OBJECT
  public:
    using TCommand = std::function<void()>;

    // Shows the dialog at the mouse pointer without waiting for it.
    void Popup();
    // Its top-left corner: one eighth of its width left of the pointer, at the
    // pointer's height.
    static QPoint Placement(const QSize& dialog, const QPoint& pointer);

    QLabel* CurrentLine() const { return m_current; }
    QListWidget* Icons() const { return m_icons; }
    QPushButton* MainButton() const { return m_main; }
    QPushButton* CloseButton() const { return m_close; }

  protected:
    explicit TAddDlgFrm(QWidget* parent);

    void AddIcon(const QString& caption, const QIcon& icon, TCommand command);
    void SetMainCommand(const QString& caption, TCommand command);

    void changeEvent(QEvent* event) override;

  private:
    void IconActivated(QListWidgetItem* item);
    // Closes the dialog, then runs the command from the event loop and shows
    // its error, if any.
    void Run(const TCommand& command);

    QLabel* m_current;
    QListWidget* m_icons;
    QPushButton* m_main;
    QPushButton* m_close;
    QList<TCommand> m_commands;
    TCommand m_mainCommand;
    bool m_chosen = false;
};
