#include "pages/SVColorArea.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

namespace {
int scaledTo(int iPos, int iLength)
{
    if (iLength <= 1)
        return 0;
    return qRound(double(qBound(0, iPos, iLength - 1)) * SVColorArea::kMax / (iLength - 1));
}
} // namespace

SVColorArea::SVColorArea(QWidget* parent) : QWidget(parent)
{
    setCursor(Qt::CrossCursor);
}

void SVColorArea::setHsv(int iHue, int iSat, int iVal)
{
    m_iHue = qBound(0, iHue, 360);
    m_iSat = qBound(0, iSat, kMax);
    m_iVal = qBound(0, iVal, kMax);
    update();
}

int SVColorArea::saturationAt(int iX, int iWidth)
{
    return scaledTo(iX, iWidth);
}

int SVColorArea::valueAt(int iY, int iHeight)
{
    return kMax - scaledTo(iY, iHeight);
}

void SVColorArea::hueChangedSlot(int iHue)
{
    setHsv(iHue, m_iSat, m_iVal);
    emit svChangedSignal(m_iHue, m_iSat, m_iVal);
}

void SVColorArea::setMargin(int iMargin)
{
    m_iMargin = qMax(0, iMargin);
    update();
}

QRect SVColorArea::field() const
{
    return rect().adjusted(m_iMargin, m_iMargin, -m_iMargin, -m_iMargin);
}

void SVColorArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect f = field();
    painter.fillRect(f, QColor::fromHsv(m_iHue % 360, kMax, kMax));
    QLinearGradient white(f.left(), 0, f.left() + qMax(1, f.width() - 1), 0);
    white.setColorAt(0, Qt::white);
    white.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(f, white);
    QLinearGradient black(0, f.top(), 0, f.top() + qMax(1, f.height() - 1));
    black.setColorAt(0, QColor(0, 0, 0, 0));
    black.setColorAt(1, Qt::black);
    painter.fillRect(f, black);

    // The marker may reach into the margin: at the field's edges it would be cut in half.
    const QPointF at(f.left() + double(m_iSat) * (f.width() - 1) / kMax,
                     f.top() + double(kMax - m_iVal) * (f.height() - 1) / kMax);
    const qreal r = qMax(4.0, f.width() / 40.0);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawEllipse(at, r + 1, r + 1);
    painter.setPen(QPen(Qt::white, 1.5));
    painter.drawEllipse(at, r, r);
}

void SVColorArea::pick(const QPoint& pos)
{
    const QRect f = field();
    setHsv(m_iHue, saturationAt(pos.x() - f.left(), f.width()),
           valueAt(pos.y() - f.top(), f.height()));
    emit svChangedSignal(m_iHue, m_iSat, m_iVal);
}

void SVColorArea::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_bPressed = true;
    pick(event->pos());
}

void SVColorArea::mouseMoveEvent(QMouseEvent* event)
{
    if (m_bPressed)
        pick(event->pos());
}

void SVColorArea::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_bPressed)
        return;
    m_bPressed = false;
    emit mouseReleaseSignal();
}
