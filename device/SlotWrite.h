#pragma once

#include <QString>

struct MouseConfig;

// The mouse's configuration reports carry no slot number: it files what it is sent under the
// profile it has active, and the report builders read profile 0 of the device copy. Writing
// another slot therefore means telling the mouse that slot first and putting the slot's profile
// in profile 0's place of the copy; a write of slot 1 is the same as it always was.
class SlotWrite
{
public:
    // A model whose lighting all profiles share keeps it in slot 1.
    static bool sharesLighting(const QString& productName);
    // Profile `iSlot` of `config` into profile 0's place; with `bSharedLighting` the lighting
    // stays slot 1's, the one its lighting page edits.
    static void moveToFront(MouseConfig& config, int iSlot, bool bSharedLighting);
};
