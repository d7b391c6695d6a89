#pragma once

#include <QProcessEnvironment>

// Whether the toolkit will find a display to show windows on. Asked before the application
// object is built: without a display the toolkit aborts the whole process, and a program started
// from a console or a service deserves one plain line and an exit code instead.
class DisplayCheck
{
public:
    // True when one of the platforms the toolkit would try can show a window: an X server
    // that accepts a connection, a Wayland socket, or a platform that needs no display at all
    // (offscreen, a framebuffer).
    static bool canShowWindows(const QProcessEnvironment& env);
    static bool canShowWindows()
    {
        return canShowWindows(QProcessEnvironment::systemEnvironment());
    }
};
