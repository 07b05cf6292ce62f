#include "app/aFrm.h"

#include "app/BorderHitTest.h"
#include "app/FormPlacement.h"
#include "app/HelpFrm.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

namespace {

Qt::CursorShape CursorFor(TBorderHit hit) {
    switch (hit) {
    case TBorderHit::Left:
    case TBorderHit::Right:
        return Qt::SizeHorCursor;
    case TBorderHit::Top:
    case TBorderHit::Bottom:
        return Qt::SizeVerCursor;
    case TBorderHit::TopLeft:
    case TBorderHit::BottomRight:
        return Qt::SizeFDiagCursor;
    case TBorderHit::TopRight:
    case TBorderHit::BottomLeft:
        return Qt::SizeBDiagCursor;
    case TBorderHit::Client:
        break;
    }
    return Qt::ArrowCursor;
}

} // namespace

TaFrm::TaFrm(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags) {
    setFont(FormFont());
    qApp->installEventFilter(this);
}

QFont TaFrm::FormFont() {
    QFont font(QStringLiteral("Noto Sans CJK SC"), 9);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QString TaFrm::HelpTopicOf(const QString& objectName) {
    return objectName.chopped(qMin(3, objectName.size()));
}

void TaFrm::ShowHelp(const QString& topic) {
    THelpFrm::Open(topic.isEmpty() ? HelpTopicOf(objectName()) : topic);
}

bool TaFrm::KeyPreview(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        ShowHelp();
        return true;
    }
    return false;
}

bool TaFrm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->window() == this && KeyPreview(static_cast<QKeyEvent*>(event)))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TaFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (IsBorderless())
        setMouseTracking(true);
    if (!event->spontaneous() && isWindow() && m_placeOnShow)
        MoveToPointer();
}

void TaFrm::MoveToPointer() {
    const QPoint pointer = QCursor::pos();
    QScreen* screen = QGuiApplication::screenAt(pointer);
    if (!screen)
        screen = this->screen();
    if (!screen)
        return;
    const QSize size = frameGeometry().size();
    const QPoint frameTopLeft = PlaceAtPointer(size, pointer, screen->geometry());
    move(frameTopLeft);
}

void TaFrm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && !m_escCancels) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TaFrm::IsBorderless() const {
    return windowFlags().testFlag(Qt::FramelessWindowHint);
}

void TaFrm::mousePressEvent(QMouseEvent* event) {
    if (IsBorderless() && event->button() == Qt::LeftButton && windowHandle()) {
        const Qt::Edges edges = BorderHitEdges(BorderHitTest(size(), event->position().toPoint()));
        if (edges && windowHandle()->startSystemResize(edges))
            return;
    }
    QDialog::mousePressEvent(event);
}

void TaFrm::mouseMoveEvent(QMouseEvent* event) {
    if (IsBorderless()) {
        setCursor(CursorFor(BorderHitTest(size(), event->position().toPoint())));
    }
    QDialog::mouseMoveEvent(event);
}
