#include "app/BorderHitTest.h"

namespace {
constexpr int kCorner = 10;
constexpr int kEdge = 5;
} // namespace

TBorderHit BorderHitTest(const QSize& window, const QPoint& pos) {
    const int x = pos.x(), y = pos.y();
    const int fromRight = window.width() - 1 - x, fromBottom = window.height() - 1 - y;
    if (x < kCorner && y < kCorner)
        return TBorderHit::TopLeft;
    if (fromRight < kCorner && y < kCorner)
        return TBorderHit::TopRight;
    if (x < kCorner && fromBottom < kCorner)
        return TBorderHit::BottomLeft;
    if (fromRight < kCorner && fromBottom < kCorner)
        return TBorderHit::BottomRight;
    if (x < kEdge)
        return TBorderHit::Left;
    if (fromRight < kEdge)
        return TBorderHit::Right;
    if (y < kEdge)
        return TBorderHit::Top;
    if (fromBottom < kEdge)
        return TBorderHit::Bottom;
    return TBorderHit::Client;
}

Qt::Edges BorderHitEdges(TBorderHit hit) {
    switch (hit) {
    case TBorderHit::Left:
        return Qt::LeftEdge;
    case TBorderHit::Top:
        return Qt::TopEdge;
    case TBorderHit::Right:
        return Qt::RightEdge;
    case TBorderHit::Bottom:
        return Qt::BottomEdge;
    case TBorderHit::TopLeft:
        return Qt::TopEdge | Qt::LeftEdge;
    case TBorderHit::TopRight:
        return Qt::TopEdge | Qt::RightEdge;
    case TBorderHit::BottomLeft:
        return Qt::BottomEdge | Qt::LeftEdge;
    case TBorderHit::BottomRight:
        return Qt::BottomEdge | Qt::RightEdge;
    case TBorderHit::Client:
        break;
    }
    return {};
}
