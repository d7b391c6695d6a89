#pragma once

#include <QPoint>
#include <QPointF>
#include <Qt>

// The rule by which the frameless main window follows the mouse: a left-button press starts a
// drag, and only a movement of more than four pixels (horizontal plus vertical) from the press
// moves the window, so that the jitter of a click does not.
class WindowDrag
{
public:
    static constexpr int kThreshold = 4;

    // Global positions are rounded as qRound does (halves away from zero).
    void press(Qt::MouseButton button, const QPointF& globalPos, const QPoint& frameTopLeft);
    // True when the window is to move to `target`.
    bool move(const QPointF& globalPos, QPoint* target) const;
    void release() { m_bDragging = false; }
    bool isDragging() const { return m_bDragging; }

private:
    bool m_bDragging = false;
    int m_iPressX = 0;
    int m_iPressY = 0;
    int m_iFrameX = 0;
    int m_iFrameY = 0;
};
