#include "app/DlgButtonBar.h"

#include <QFrame>
#include <QPushButton>

namespace {
constexpr int kRightMargin = 10;
constexpr int kGap = 8;
} // namespace

TDlgButtonBar::TDlgButtonBar(QWidget* parent) : QWidget(parent), m_line(new QFrame(this)) {
    setFixedHeight(kHeight);
    m_line->setFrameShape(QFrame::HLine);
    m_line->setFrameShadow(QFrame::Sunken);
}

QPushButton* TDlgButtonBar::AddButton(const QString& caption) {
    auto* button = new QPushButton(caption, this);
    // A caption that does not fit into 75 pixels in a large font widens its button.
    const int textWidth =
        button->fontMetrics().horizontalAdvance(QString(caption).remove(QLatin1Char('&')));
    button->resize(qMax(kButtonSize.width(), textWidth + 16), kButtonSize.height());
    m_buttons << button;
    Arrange();
    return button;
}

void TDlgButtonBar::resizeEvent(QResizeEvent*) {
    Arrange();
}

void TDlgButtonBar::Arrange() {
    m_line->setGeometry(0, 0, width(), 2);
    int right = width() - kRightMargin;
    for (int i = m_buttons.size() - 1; i >= 0; --i) {
        QPushButton* button = m_buttons[i];
        const int top = (kHeight - button->height()) / 2 + 1;
        button->move(right - button->width(), top);
        right -= button->width() + kGap;
    }
}
