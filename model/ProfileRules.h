#pragma once

#include "model/MouseConfig.h"

#include <QtGlobal>

// The rules over the configuration records: the factory profile, the "reset all" action, the
// change mask computed before a write and the DPI of a sensor step code.
class ProfileRules
{
public:
    enum ChangeBit
    {
        ChangeGeneral = 1,
        ChangeDpi = 2,
        ChangeButtons = 4,
        ChangeLighting = 8
    };

    // Fills `profile` with the factory default: from the device description when it exists,
    // otherwise from the built-in defaults.
    static void buildDefaultProfile(ProfileData& profile);
    // Device-wide values from the description's sensor defaults, profile 0 rebuilt, the five
    // names reset; profiles 1..4 and Count are kept.
    static void resetAll(MouseConfig& config);
    // Only the device-wide values, from the description's sensor defaults.
    static void resetDeviceWide(MouseConfig& config);
    // Mask of ChangeBit values for what differs between `current` and `snapshot`. A macro button
    // that is otherwise unchanged consumes its macro file's WriteSign flag (see MacroFile).
    static int detectChanges(const MouseConfig& current, const MouseConfig& snapshot);
    // DPI of a step code for a sensor model number; 0 for a sensor this tool does not know.
    static int dpiOfStep(quint32 step, int sensor);
};
