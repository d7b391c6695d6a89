#pragma once

#include <QString>

#include <functional>

// The configuration as the window starts. The device-wide values, the active profile and the
// one whose lighting the window shows are read at once; the other profile files are large and
// only later operations need them, so their reading is handed back, to run once the first
// frame is up and before any event of the user or the mouse is handled.
class StartProfiles
{
public:
    // Into the last-written snapshot, copied into the live configuration. Returns the reading
    // of the other slots, to be run once.
    static std::function<void()> load(const QString& productName);
};
