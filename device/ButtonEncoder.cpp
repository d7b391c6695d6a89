#include "device/ButtonEncoder.h"

#include "device/DpiRegisterTables.h"
#include "device/FunctionTable.h"
#include "model/FunctionCode.h"
#include "model/KeyTable.h"

#include <algorithm>
#include <cstring>

namespace {
void encodeMacro(ButtonAssignment& button, MacroIndexMap& macros, quint8* slot)
{
    const int index = macros.indexFor(button.macroname);
    const quint8 loopLow = quint8(button.LoopNumber & 0xFF);
    const quint8 loopHigh = quint8((button.LoopNumber >> 8) & 0xFF);
    switch (button.Res1) {
    case 0: // play LoopNumber times
        slot[1] = quint8(index);
        slot[2] = loopLow;
        slot[3] = loopHigh;
        break;
    case 1: // repeat while the button is held
        slot[1] = quint8(index | 0x80);
        slot[2] = 0xFF;
        slot[3] = 0xFF;
        break;
    case 2: // repeat until the button is pressed again
        slot[1] = quint8(index | 0x40);
        slot[2] = 0xFF;
        slot[3] = 0xFF;
        break;
    default:
        slot[2] = loopLow;
        slot[3] = loopHigh;
        break;
    }
    button.Res4 = quint8(index);
}
} // namespace

void ButtonEncoder::sniperValue(int iSensor, quint8 r, quint8& byte2, quint8& byte3)
{
    quint8 value = 4;
    switch (iSensor) {
    case 3325:
        value = DpiRegisterTables::at(DpiRegisterTables::B, r);
        break;
    case 3327:
        value = DpiRegisterTables::at(DpiRegisterTables::D, r);
        break;
    case 3360:
        value = quint8(r - 1);
        break;
    case 3389:
    case 3212:
    case 3104:
        value = r;
        break;
    case 3335:
        value = DpiRegisterTables::at(DpiRegisterTables::F, r);
        break;
    case 3809:
        byte2 = quint8(5 * r);
        byte3 = quint8(100 * r / 18);
        return;
    default:
        break;
    }
    byte2 = value;
    byte3 = value;
}

quint8 ButtonEncoder::keyCombination(const ButtonAssignment& button, quint8& mainKey)
{
    // Every key of the combination is recorded once pressed and once released, so each
    // modifier is counted twice.
    int counter = 0;
    for (const auto& entry : button.KeyInfo) {
        const quint8 key = entry[0];
        if (key == 0)
            continue;
        quint8 code = 0;
        KeyTable::usageToKeyCode(key, code);
        switch (code) {
        case 0x1D: // left Ctrl
        case 0xEE: // right Ctrl
            counter += 1;
            break;
        case 0x2A: // left Shift
        case 0x36: // right Shift
            counter += 2;
            break;
        case 0x38: // left Alt
        case 0xEF: // right Alt
            counter += 4;
            break;
        case 0x5B: // left Windows
        case 0x5C: // right Windows
            counter += 8;
            break;
        default:
            mainKey = key;
            break;
        }
    }
    return quint8(counter / 2);
}

void ButtonEncoder::encodeSlot(ButtonAssignment& button, int iSensor, MacroIndexMap& macros,
                               quint8* slot)
{
    FunctionTable::lookup(button.Fun, slot);
    switch (button.Fun) {
    case FunctionCode::Macro:
    case FunctionCode::GunFile:
        encodeMacro(button, macros, slot);
        break;
    case FunctionCode::SingleKey: {
        // Single keys are stored as key codes; the mouse wants the HID usage.
        quint8 usage = 0;
        KeyTable::keyCodeToUsage(button.Res1, usage);
        slot[1] = 0;
        slot[2] = usage;
        slot[3] = 0;
        break;
    }
    case FunctionCode::ComboKey: {
        quint8 mainKey = 0;
        slot[1] = keyCombination(button, mainKey);
        slot[2] = mainKey;
        slot[3] = 0;
        break;
    }
    case FunctionCode::FireKey:
        if (button.Res1 == 0) {
            // No key chosen yet: the mouse fires the left button three times.
            slot[1] = 0x81;
            slot[2] = 3;
            slot[3] = 0;
        } else {
            slot[1] = button.Res1;
            slot[2] = quint8(button.LoopNumber & 0xFF);
            slot[3] = quint8((button.KeyNumber / 10) & 0xFF);
        }
        break;
    case FunctionCode::Sniper:
        slot[1] = 1;
        sniperValue(iSensor, button.Res1, slot[2], slot[3]);
        break;
    default:
        break;
    }
}

int ButtonEncoder::slotOffset(int iSlot, int iScrollRev, const quint8* matrix)
{
    if (iSlot == kWheelUpSlot)
        return iScrollRev == 1 ? 62 : 58;
    if (iSlot == kWheelDownSlot)
        return iScrollRev == 1 ? 58 : 62;
    if (iSlot < 0 || iSlot >= kSlotCount || matrix[iSlot] >= kSlotCount)
        return -1;
    return 2 + 4 * matrix[iSlot];
}

void ButtonEncoder::buildTable(ProfileData& profile, const Model& model, MacroIndexMap& macros,
                               quint8* table)
{
    std::memset(table, 0, kTableSize);
    table[0] = 0x0A;
    table[1] = 0x00;
    macros.clear();

    const auto place = [&](int record, int iSlot) {
        quint8 slot[4] = {};
        encodeSlot(profile.ButtonInfo[record], model.iSensor, macros, slot);
        const int offset = slotOffset(iSlot, model.iScrollRev, model.pMatrix);
        if (offset >= 0)
            std::memcpy(table + offset, slot, 4);
    };
    // The matrix describes at most 16 buttons.
    const int count = std::clamp(model.iButtonCount, 0, kSlotCount);
    for (int b = 0; b < count; ++b)
        place(b, b);
    place(kWheelUpRecord, kWheelUpSlot);
    place(kWheelDownRecord, kWheelDownSlot);
}
