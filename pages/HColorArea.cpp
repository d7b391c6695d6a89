#include "pages/HColorArea.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

HColorArea::HColorArea(QWidget* parent) : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void HColorArea::setHue(int iHue)
{
    m_iHue = qBound(0, iHue, kMaxHue);
    update();
}

int HColorArea::hueAt(int iY, int iHeight)
{
    if (iHeight <= 1)
        return 0;
    const int y = qBound(0, iY, iHeight - 1);
    return qRound(double(y) * kMaxHue / (iHeight - 1));
}

void HColorArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, qMax(1, height() - 1));
    for (int h = 0; h <= kMaxHue; h += 60)
        gradient.setColorAt(double(h) / kMaxHue, QColor::fromHsv(h % 360, 255, 255));
    painter.fillRect(rect(), gradient);

    // The marker: a light bar with dark edges, readable on every hue.
    const int y = qRound(double(m_iHue) * (height() - 1) / kMaxHue);
    const int thick = qMax(2, height() / 100);
    painter.fillRect(QRect(0, y - thick, width(), 2 * thick + 1), QColor(0, 0, 0, 160));
    painter.fillRect(QRect(0, y - thick / 2, width(), thick), Qt::white);
}

void HColorArea::pick(int iY)
{
    const int hue = hueAt(iY, height());
    setHue(hue);
    emit hueChangedSignal(hue);
}

void HColorArea::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_bPressed = true;
    pick(event->pos().y());
}

void HColorArea::mouseMoveEvent(QMouseEvent* event)
{
    if (m_bPressed)
        pick(event->pos().y());
}

void HColorArea::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_bPressed)
        return;
    m_bPressed = false;
    emit mouseReleaseSignal();
}
