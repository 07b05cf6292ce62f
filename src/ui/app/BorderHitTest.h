#pragma once

#include <QPoint>
#include <QSize>
#include <Qt>

// Which part of a borderless window a point falls on, so the window can be resized
// by its edges: the 10-pixel squares at the corners, then 5-pixel strips along the
// edges; the top-left corner wins where zones overlap in a very small window.
enum class TBorderHit {
    Client,
    Left,
    Top,
    Right,
    Bottom,
    TopLeft,
    TopRight,
    BottomLeft,
    BottomRight
};

TBorderHit BorderHitTest(const QSize& window, const QPoint& pos);
// The edges a system resize starts from for a hit; none for Client.
Qt::Edges BorderHitEdges(TBorderHit hit);
