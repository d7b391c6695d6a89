#include "app/window/WindowMove.h"

#include "app/window/WindowDrag.h"

#include <QDebug>
#include <QWidget>
#include <QWindow>

WindowMove::Result WindowMove::follow(QWidget* window, WindowDrag& drag, const QPointF& globalPos)
{
    QPoint target;
    if (!drag.move(globalPos, &target))
        return NotMoved;
    QWindow* handle = window->windowHandle();
    if (handle && handle->startSystemMove()) {
        // The compositor has the pointer now; the release may never reach us.
        drag.release();
        qDebug("window drag handed to the compositor");
        return SystemMove;
    }
    window->move(target);
    return DirectMove;
}
