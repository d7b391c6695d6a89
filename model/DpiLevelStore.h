#pragma once

#include <QString>

// The DPI level the mouse switched to, kept in the active profile's file. The file is large and
// its save ends in a sync to disk, which the interface thread must not wait for when the button
// on the mouse is pressed: the saves run on a thread of their own. Presses that come faster than
// saves leave only the last level per file. Whatever reads or writes a profile file first waits
// for what is pending (drain()), so that no level lands behind a later save, nor a read before
// the level it should see.
class DpiLevelStore
{
public:
    static void store(const QString& path, int level);
    // Returns once every level asked for so far is saved (or failed, which is logged).
    static void drain();
};
