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
};
