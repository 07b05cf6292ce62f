#include "app/SplashFrm.h"

#include "app/AppInfo.h"
#include "app/ProgramFolder.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace {

constexpr int kWidth = 386;
constexpr int kHeight = 271;
constexpr int kPictureHeight = 65;

} // namespace

TSplashFrm::TSplashFrm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      m_text(QStringLiteral("正在创建数据连接...")) {
    setObjectName(QStringLiteral("SplashFrm"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(kWidth, kHeight);
    m_picture.load(ProgramFile(QStringLiteral("splash.jpg")));
    CentreOnScreen();
}

void TSplashFrm::CentreOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TSplashFrm::ShowMessage(const QString& message) {
    if (message.isEmpty())
        m_text += u'.';
    else
        m_text = message;
    repaint();
}

void TSplashFrm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0x1f, 0x3b, 0x5c));
    const QRect band(0, 0, kWidth, kPictureHeight);
    if (!m_picture.isNull())
        p.drawImage(band, m_picture);
    else
        p.fillRect(band, QColor(0x2a, 0x50, 0x7a));

    QFont title = font();
    title.setPointSize(16);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(0, kPictureHeight + 40, kWidth, 40), Qt::AlignCenter, TAppInfo::Title());

    QFont small = font();
    p.setFont(small);
    p.setPen(QColor(0xdd, 0xe6, 0xef));
    p.drawText(QRect(0, kPictureHeight + 84, kWidth, 20), Qt::AlignCenter,
               TAppInfo::Edition() + QStringLiteral("  ") + TAppInfo::BuildLabel());

    p.setPen(QColor(0xc0, 0xc0, 0xc0)); // silver
    p.drawText(QRect(16, kHeight - 36, kWidth - 32, 20), Qt::AlignLeft | Qt::AlignVCenter, m_text);
    p.setPen(QColor(0x0f, 0x22, 0x36));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TSplashFrm::mousePressEvent(QMouseEvent*) {
    close();
}
