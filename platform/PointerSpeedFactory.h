#pragma once

#include <QProcessEnvironment>

#include <memory>

class PointerSpeed;

// Chooses the pointer speed implementation for the running desktop.
class PointerSpeedFactory
{
public:
    // Picks the implementation for this desktop at run time: GNOME's setting where GNOME runs,
    // libinput's acceleration where the X server's pointers have it, the X server's pointer
    // control where an X server answers, otherwise one that only keeps the value.
    static std::unique_ptr<PointerSpeed> create();
    static std::unique_ptr<PointerSpeed> create(const QProcessEnvironment& env);

    // Makes the service for this desktop and reads the desktop's speed on another thread:
    // making one opens a connection to the X server, or runs the desktop's settings program,
    // and waits for their answers, which a window's first frame need not wait for. Called once,
    // on the interface thread, with X11Connection::allowThreads() called first.
    static void startCreating();
    // The service startCreating() made, waiting for it if need be, and the speed it read into
    // `pSpeedRead`; null when none was started (or it was taken already).
    static std::unique_ptr<PointerSpeed> takeCreated(int* pSpeedRead);
};
