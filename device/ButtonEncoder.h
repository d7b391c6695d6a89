#pragma once

#include "device/MacroIndexMap.h"
#include "model/ProfileData.h"

// Builds the device's button table of one profile: 16 four-byte slots, the first 14 placed by
// the model's button matrix and the last two for the wheel.
class ButtonEncoder
{
public:
    static constexpr int kTableSize = 128;
    static constexpr int kSlotCount = 16;
    static constexpr int kWheelUpSlot = 14;
    static constexpr int kWheelDownSlot = 15;
    static constexpr int kWheelUpRecord = 40;
    static constexpr int kWheelDownRecord = 41;

    struct Model
    {
        int iButtonCount = 0;
        int iScrollRev = 0;
        int iSensor = 0;
        const quint8* pMatrix = nullptr; // 16 bytes: device slot of each button
    };

    // Empties the map, then encodes buttons 0..count-1 and the two wheel records into table
    // (kTableSize bytes). Macro buttons get their index in the map and in Res4.
    static void buildTable(ProfileData& profile, const Model& model, MacroIndexMap& macros,
                           quint8* table);

    // The four slot bytes of one button.
    static void encodeSlot(ButtonAssignment& button, int iSensor, MacroIndexMap& macros,
                           quint8* slot);

    // Byte offset of a slot in the table, or -1 when the matrix places it outside the 16 slots.
    static int slotOffset(int iSlot, int iScrollRev, const quint8* matrix);

    // Modifier mask (Ctrl 1, Shift 2, Alt 4, Windows 8) and main key of a recorded combination.
    static quint8 keyCombination(const ButtonAssignment& button, quint8& mainKey);

    // Bytes 2 and 3 of a sniper slot for a sniper resolution r.
    static void sniperValue(int iSensor, quint8 r, quint8& byte2, quint8& byte3);
};
