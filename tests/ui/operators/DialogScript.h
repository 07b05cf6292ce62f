#pragma once

#include <QEvent>
#include <QList>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <functional>

// Plays a modal dialog: each time the watched window is shown, the next step runs
// inside that showing's event loop. A step that does not close the window leaves
// it to the test. Steps left over mean the window was shown fewer times than
// expected.
class TDialogScript : public QObject {
  public:
    using TStep = std::function<void()>;

    TDialogScript(QWidget* window, QList<TStep> steps) : m_steps(std::move(steps)) {
        window->installEventFilter(this);
    }
    int Left() const { return int(m_steps.size()); }
    int Shown() const { return m_shown; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && static_cast<QWidget*>(watched)->isWindow()) {
            ++m_shown;
            if (!m_steps.isEmpty()) {
                TStep step = m_steps.takeFirst();
                QTimer::singleShot(0, this, step);
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QList<TStep> m_steps;
    int m_shown = 0;
};
