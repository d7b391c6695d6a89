#pragma once

#include <QProcessEnvironment>
#include <QString>

// The kind of graphical session the program runs in, decided once at start from what the
// session manager sets. Under Wayland a client may neither place windows of its own nor reach
// the pointer settings through X11 (the X server there is only a compatibility layer).
class DesktopSession
{
public:
    enum Type
    {
        X11,
        Wayland,
        Other // no graphical session known (a console, a test's offscreen platform)
    };

    static Type detect(const QProcessEnvironment& env);
    // detect() on this process's environment, the first time only; the result is logged.
    static Type current();
    static QString name(Type type);
};
