#pragma once

#include <QString>

#include <memory>

class IniValues;

// The profile file of the slot the window starts on, checked and parsed on another core while
// the window is built: that was a third of what the interface thread did before the first
// frame. Only a sound file this system wrote with every line readable is taken; anything else is
// left to the normal read, which also tells the user about it. Reading nothing but files, it
// changes nothing; the values still reach the profile on the interface thread, by the same read.
class ProfilePrefetch
{
public:
    // Starts reading the file of the slot the configuration names as active.
    static void start();
    // What was read ahead from `path`, when it was and the file has not changed since; null
    // otherwise (the caller reads the file itself). Waits for the reading if it is under way.
    static std::unique_ptr<IniValues> take(const QString& path);
};
