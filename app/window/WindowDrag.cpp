#include "app/window/WindowDrag.h"

#include <QtGlobal>

#include <cstdlib>

void WindowDrag::press(Qt::MouseButton button, const QPointF& globalPos, const QPoint& frameTopLeft)
{
    if (button != Qt::LeftButton)
        return;
    m_bDragging = true;
    m_iPressX = qRound(globalPos.x());
    m_iPressY = qRound(globalPos.y());
    m_iFrameX = frameTopLeft.x();
    m_iFrameY = frameTopLeft.y();
}

bool WindowDrag::move(const QPointF& globalPos, QPoint* target) const
{
    if (!m_bDragging)
        return false;
    const int dx = qRound(globalPos.x()) - m_iPressX;
    const int dy = qRound(globalPos.y()) - m_iPressY;
    if (std::abs(dx) + std::abs(dy) <= kThreshold)
        return false;
    if (target)
        *target = QPoint(m_iFrameX + dx, m_iFrameY + dy);
    return true;
}
