#include "app/HelpFrm.h"

#include "app/ProgramFolder.h"
#include "app/aFrm.h"

#include <QApplication>
#include <QFileInfo>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

QPointer<THelpFrm> THelpFrm::s_current;

THelpFrm::THelpFrm() : QWidget(nullptr, Qt::Window), m_browser(new QTextBrowser(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("HelpFrm"));
    setFont(TaFrm::FormFont());
    setWindowTitle(QStringLiteral("帮助 - %1").arg(QApplication::applicationDisplayName()));
    resize(760, 560);

    m_browser->setOpenExternalLinks(true);
    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QAction* back = bar->addAction(QStringLiteral("后退"), m_browser, &QTextBrowser::backward);
    QAction* forward = bar->addAction(QStringLiteral("前进"), m_browser, &QTextBrowser::forward);
    bar->addAction(QStringLiteral("目录"), this, [this] { ShowTopic(QStringLiteral("main")); });
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_browser);
}

THelpFrm* THelpFrm::Open(const QString& topic) {
    if (!s_current)
        s_current = new THelpFrm;
    s_current->ShowTopic(topic);
    s_current->show();
    s_current->raise();
    s_current->activateWindow();
    return s_current;
}

QString THelpFrm::PagePath(const QString& topic) {
    return ProgramFile(QStringLiteral("help/%1.htm").arg(topic));
}

void THelpFrm::ShowTopic(const QString& topic) {
    m_topic = topic;
    const QString path = PagePath(topic);
    if (topic.isEmpty() || !QFileInfo(path).isFile()) {
        ShowMissing(topic);
        return;
    }
    m_browser->setSource(QUrl::fromLocalFile(path), QTextDocument::HtmlResource);
}

void THelpFrm::ShowMissing(const QString& topic) {
    m_browser->setHtml(QStringLiteral("<h3>没有关于此主题的帮助</h3>"
                                      "<p>帮助目录中没有主题“%1”的页面(help/%1.htm)。</p>"
                                      "<p>请点击上方的“目录”查看帮助的主页。</p>")
                           .arg(topic.toHtmlEscaped()));
}
