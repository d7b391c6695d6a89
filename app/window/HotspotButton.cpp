#include "app/window/HotspotButton.h"

#include <QPainter>

HotspotButton::HotspotButton(int iGroup, int iIndex, QWidget* parent)
    : KivoPushButton(QStringList(), parent), m_iGroup(iGroup), m_iIndex(iIndex), m_Accent(255, 0, 0)
{
    setCheckable(true);
    setObjectName(QStringLiteral("hotspot_%1_%2").arg(iGroup).arg(iIndex));
}

void HotspotButton::setAccent(const QColor& accent)
{
    m_Accent = accent;
    update();
}

void HotspotButton::paintEvent(QPaintEvent* event)
{
    // The wheel arrows have faces of their own.
    if (!images().isEmpty()) {
        KivoPushButton::paintEvent(event);
        return;
    }
    if (face() == Normal)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(m_Accent);
    pen.setWidthF(qMax(1.5, height() / 24.0));
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const qreal inset = pen.widthF() / 2 + 0.5;
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), 4, 4);
}
