#pragma once

#include <QString>

#include <memory>

class IniValues;
struct ProfileData;

// The profile file of the slot the window starts on, checked and parsed on another core while
// the window is built: that was a third of what the interface thread did before the first
// frame. Only a sound file this system wrote with every line readable is taken; anything else is
// left to the normal read, which also tells the user about it. Reading nothing but files, it
// changes nothing: the values are also read into a fresh profile record there, which the
// interface thread takes only into a record as fresh.
class ProfilePrefetch
{
public:
    struct Taken
    {
        std::unique_ptr<IniValues> values;    // null when nothing was read ahead from the file
        std::unique_ptr<ProfileData> profile; // the values in a fresh record, when they hold all
    };

    // Starts reading the file of the slot the configuration names as active.
    static void start();
    // What was read ahead from `path`, when it was and the file has not changed since; nothing
    // otherwise (the caller reads the file itself). Waits for the reading if it is under way.
    static Taken take(const QString& path);
};
