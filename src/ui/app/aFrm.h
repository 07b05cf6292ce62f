#pragma once

#include <QDialog>

class QKeyEvent;

// Base of every window of the program. It gives each window the program's font,
// places it with its centre at the mouse pointer whenever it is shown, sees keys
// before its controls do (F1 opens the window's help page), and lets a borderless
// window be resized by its edges. It is a QDialog so that the dialog bases can run
// modally; a plain window does not close on Esc.
class TaFrm : public QDialog {
    Q_OBJECT
  public:
    explicit TaFrm(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::Window);

    // Opens the help page of a topic; an empty topic means this window's own topic.
    virtual void ShowHelp(const QString& topic = QString());
    // The topic of a window: its object name without the last three characters
    // ("LoginFrm" gives "Login").
    static QString HelpTopicOf(const QString& objectName);
    // The font every window uses: the CJK sans font at 9 points.
    static QFont FormFont();

    // Whether showing the window moves it to the mouse pointer (on by default).
    bool PlaceOnShow() const { return m_placeOnShow; }
    void SetPlaceOnShow(bool on) { m_placeOnShow = on; }

  protected:
    // Sees each key press meant for a control of this window before the control does;
    // returns true when it consumed the key. It may be asked again for the same key
    // while the key travels up from an unwilling control, so it must act only when it
    // consumes. The base handles F1.
    virtual bool KeyPreview(QKeyEvent* event);
    // Esc closes the window with Cancel (dialogs) or is left to the controls (windows).
    void SetEscCancels(bool on) { m_escCancels = on; }

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    bool IsBorderless() const;
    void MoveToPointer();

    bool m_placeOnShow = true;
    bool m_escCancels = false;
};
