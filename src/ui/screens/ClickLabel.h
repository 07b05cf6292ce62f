#pragma once

#include <QLabel>

// A text that acts on a click, drawn underlined with a hand cursor.
class TClickLabel : public QLabel {
    Q_OBJECT
  public:
    explicit TClickLabel(QWidget* parent = nullptr);

  signals:
    void Clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
