#pragma once

#include <QImage>
#include <QWidget>

// The borderless window shown while the program connects and builds itself: a
// picture band at the top (splash.jpg from the program's folder, when present),
// the title and edition, and one line of progress text near the bottom.
class TSplashFrm : public QWidget {
    Q_OBJECT
  public:
    explicit TSplashFrm(QWidget* parent = nullptr);

    // Replaces the progress text and repaints at once; an empty message appends
    // "." to the current text instead.
    void ShowMessage(const QString& message);
    const QString& Text() const { return m_text; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    // A click closes the window, as splash windows do.
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void CentreOnScreen();

    QString m_text;
    QImage m_picture;
};
