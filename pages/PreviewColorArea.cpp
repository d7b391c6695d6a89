#include "pages/PreviewColorArea.h"

#include <QPainter>

PreviewColorArea::PreviewColorArea(QWidget* parent) : QWidget(parent) {}

void PreviewColorArea::setColor(const QColor& color)
{
    m_Color = color;
    update();
}

void PreviewColorArea::svChangedSlot(int iHue, int iSat, int iVal)
{
    setColor(QColor::fromHsv(qBound(0, iHue, 360) % 360, qBound(0, iSat, 255), qBound(0, iVal, 255))
                 .toRgb());
    emit svChangedSignal(iHue, iSat, iVal);
}

void PreviewColorArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_Color);
    painter.setPen(QColor(0x4a, 0x51, 0x5b));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
