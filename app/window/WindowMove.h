#pragma once

#include <QPointF>

class QWidget;
class WindowDrag;

// Moves the frameless window while it is dragged: the compositor moves it where it offers that
// (under Wayland there is no other way, and window managers follow the pointer more smoothly),
// otherwise the window is moved to the drag's position by hand.
class WindowMove
{
public:
    enum Result
    {
        NotMoved,
        SystemMove, // handed to the compositor, which follows the pointer from here on
        DirectMove
    };

    static Result follow(QWidget* window, WindowDrag& drag, const QPointF& globalPos);
};
