#pragma once

#include <QEvent>
#include <QObject>

#include <functional>

// Passes every event of the widgets it watches to a handler before the widget
// sees it; the widget still receives the event.
class TWidgetHook : public QObject {
  public:
    using THandler = std::function<void(QWidget*, QEvent*)>;

    TWidgetHook(QObject* owner, THandler handler) : QObject(owner), m_handler(std::move(handler)) {}
    void Watch(QWidget* widget) { widget->installEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched->isWidgetType())
            m_handler(static_cast<QWidget*>(watched), event);
        return false;
    }

  private:
    THandler m_handler;
};
