#include "screens/CoverPanel.h"

#include <QLayout>

TCoverPanel::TCoverPanel(QWidget* page, QWidget* content, std::function<bool()> allowed)
    : QLabel(RefusalText(), page), m_content(content), m_allowed(std::move(allowed)) {
    setAlignment(Qt::AlignCenter);
    QFont bigger = font();
    bigger.setPointSizeF(bigger.pointSizeF() * 1.2);
    setFont(bigger);
    // The content is hidden while the panel shows, so the panel takes the page.
    page->layout()->addWidget(this);
    Update();
}

void TCoverPanel::SetCovering(bool covering) {
    m_content->setVisible(!covering);
    setVisible(covering);
}
