#pragma once

#include <QString>

class QObject;

// The configuration as the window starts. The device-wide values, the active profile and the
// one whose lighting the window shows are read at once; the other profile files are large and
// only later operations need them, so they are read once the event loop runs, before any event
// of the user or the mouse is handled.
class StartProfiles
{
public:
    // Into the last-written snapshot, copied into the live configuration. The later reading is
    // tied to `context`.
    static void load(QObject* context, const QString& productName);
};
