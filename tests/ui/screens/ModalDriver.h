#pragma once

// Plays the operator in front of modal dialogs: every time a modal dialog is
// shown, the next step runs on it from the dialog's own event loop. A dialog shown
// when no step is left is cancelled, so a test never hangs on a window.

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QList>
#include <QPointer>
#include <QTimer>

#include <functional>

class TModalDriver : public QObject {
  public:
    using TStep = std::function<void(QDialog&)>;

    TModalDriver() { qApp->installEventFilter(this); }
    ~TModalDriver() override { qApp->removeEventFilter(this); }

    void Then(TStep step) { m_steps << std::move(step); }
    template <class T> void Then(std::function<void(T&)> step) {
        m_steps << [step](QDialog& dialog) { step(static_cast<T&>(dialog)); };
    }

    int shown = 0;     // modal dialogs seen
    int unplanned = 0; // dialogs cancelled because no step was left

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* dialog = qobject_cast<QDialog*>(watched);
            if (dialog && dialog->isModal())
                Schedule(dialog);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    void Schedule(QDialog* dialog) {
        ++shown;
        QPointer<QDialog> target(dialog);
        QTimer::singleShot(0, this, [this, target] {
            if (!target)
                return;
            if (m_steps.isEmpty()) {
                ++unplanned;
                target->reject();
                return;
            }
            m_steps.takeFirst()(*target);
        });
    }

    QList<TStep> m_steps;
};
