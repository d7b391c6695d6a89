#include "pages/KivoLabel.h"

#include <QMouseEvent>

KivoLabel::KivoLabel(QWidget* parent) : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void KivoLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit EnterSignal(this);
    QLabel::mousePressEvent(event);
}

void KivoLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit EditSignal(this);
    QLabel::mouseDoubleClickEvent(event);
}
