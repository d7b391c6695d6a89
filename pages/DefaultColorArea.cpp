#include "pages/DefaultColorArea.h"

#include <QMouseEvent>
#include <QPainter>

DefaultColorArea::DefaultColorArea(const QColor& color, QWidget* parent)
    : QWidget(parent), m_Color(color)
{
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
}

void DefaultColorArea::setColor(const QColor& color)
{
    m_Color = color;
    update();
}

void DefaultColorArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal frame = qMax<qreal>(1.0, height() / 16.0);
    const QRectF outer = QRectF(rect()).adjusted(frame / 2, frame / 2, -frame / 2, -frame / 2);
    const bool hot = underMouse() && isEnabled();
    painter.setPen(QPen(hot ? QColor(0xe8, 0xeb, 0xef) : QColor(0x4a, 0x51, 0x5b), frame));
    // A colour that a profile file left unreadable is shown as an empty, crossed-out square
    // rather than as black, which is a colour of its own.
    if (!m_Color.isValid()) {
        painter.setBrush(QColor(0x14, 0x16, 0x1a));
        painter.drawRect(outer);
        painter.drawLine(outer.bottomLeft(), outer.topRight());
        return;
    }
    painter.setBrush(QColor(m_Color.red(), m_Color.green(), m_Color.blue()));
    painter.drawRect(outer);
}

void DefaultColorArea::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        event->accept();
        emit ClickedSignal();
        return;
    }
    QWidget::mousePressEvent(event);
}
