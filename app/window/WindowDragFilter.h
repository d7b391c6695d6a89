#pragma once

#include "app/window/WindowDrag.h"

#include <QObject>

class QWidget;

// Lets the user drag the frameless window by any place that does not take the mouse itself:
// watches the window's own button presses, moves and releases, and leaves them to it as well.
class WindowDragFilter : public QObject
{
    Q_OBJECT
public:
    explicit WindowDragFilter(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_pWindow;
    WindowDrag m_Drag;
};
