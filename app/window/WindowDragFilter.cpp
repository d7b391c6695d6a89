#include "app/window/WindowDragFilter.h"

#include "app/window/WindowMove.h"

#include <QMouseEvent>
#include <QWidget>

WindowDragFilter::WindowDragFilter(QWidget* window) : QObject(window), m_pWindow(window)
{
    window->installEventFilter(this);
}

bool WindowDragFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_pWindow)
        return false;
    // Events a child did not take arrive here as the window's own, as they would in its
    // handlers.
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        m_Drag.press(mouse->button(), mouse->screenPos(), m_pWindow->frameGeometry().topLeft());
        break;
    }
    case QEvent::MouseMove:
        WindowMove::follow(m_pWindow, m_Drag, static_cast<QMouseEvent*>(event)->screenPos());
        break;
    case QEvent::MouseButtonRelease:
        m_Drag.release();
        break;
    default:
        break;
    }
    return false;
}
