#include "VirtualMouseConfig.h"

namespace {

QByteArray payload(const QMap<quint8, QByteArray>& reports, quint8 type)
{
    QByteArray bytes = reports.value(type);
    bytes.resize(VirtualMouseConfig::kPayloadSize); // absent types read as zero
    return bytes;
}

quint8 at(const QByteArray& bytes, int reportByte)
{
    return static_cast<quint8>(bytes.at(reportByte - 2));
}

} // namespace

bool VirtualMouseConfig::hasMacroBlock(int block) const
{
    return block >= 0 && block < kMacroBlockCount && !macroBlocks[block].isEmpty();
}

QList<int> VirtualMouseConfig::usedDpiLevels() const
{
    QList<int> used;
    if (hasDpiTable()) {
        for (int level = 0; level < kDpiLevelCount; ++level) {
            const DpiEntry& e = dpiTable[level];
            if (e.flag != 0 || e.x != 0 || e.y != 0)
                used.append(level);
        }
    }
    if (used.isEmpty()) {
        for (int level = 0; level < kDpiLevelCount; ++level)
            used.append(level);
    }
    return used;
}

void VirtualMouseConfig::decode()
{
    if (reports.contains(0x01)) {
        const QByteArray r = payload(reports, 0x01);
        dpiLevel = at(r, 2);
        rate = at(r, 3);
        ledMode = at(r, 4);
        ledSpeed = at(r, 5);
        ledBrightness = at(r, 6);
    }

    const QByteArray r2 = payload(reports, 0x02);
    liftHigh = at(r2, 3);
    ledSleepTime = at(r2, 4);
    ledMoveOff = at(r2, 5);
    angleOrDebounce = at(r2, 6);
    sync = at(r2, 7);
    activeColour = {at(r2, 8), at(r2, 9), at(r2, 10)};

    const QByteArray r4 = payload(reports, 0x04);
    for (int mode = 0; mode < kLedModeColourCount; ++mode) {
        const int base = 2 + 3 * mode;
        modeColours[mode] = {at(r4, base), at(r4, base + 1), at(r4, base + 2)};
    }

    const QByteArray r5 = payload(reports, 0x05);
    const QByteArray r6 = payload(reports, 0x06);
    for (int level = 0; level < kDpiLevelCount; ++level) {
        const QByteArray& r = level < 6 ? r5 : r6;
        const int base = level < 6 ? 2 + 5 * level : 2 + 5 * (level - 6);
        DpiEntry& e = dpiTable[level];
        e.flag = at(r, base);
        e.x = quint16(at(r, base + 1) | (at(r, base + 2) << 8));
        e.y = quint16(at(r, base + 3) | (at(r, base + 4) << 8));
    }

    // Slots 0..6 in type 0x07, 7..13 in 0x08, 14 and 15 in 0x09.
    for (int slot = 0; slot < kButtonSlotCount; ++slot) {
        const quint8 type = quint8(0x07 + slot / 7);
        const QByteArray r = payload(reports, type);
        const int base = 2 + 4 * (slot % 7);
        for (int i = 0; i < 4; ++i)
            buttons[slot][i] = at(r, base + i);
    }

    // Block m: types 0x10 + 9m + k carry bytes 30k..30k+29, type 0x18 + 9m bytes 240..255.
    for (int block = 0; block < kMacroBlockCount; ++block) {
        const int first = 0x10 + 9 * block;
        bool held = false;
        for (int k = 0; k <= 8; ++k)
            held = held || reports.contains(quint8(first + k));
        if (!held) {
            macroBlocks[block].clear();
            continue;
        }
        QByteArray bytes(kMacroBlockSize, '\0');
        for (int k = 0; k < 8; ++k)
            bytes.replace(30 * k, 30, payload(reports, quint8(first + k)));
        bytes.replace(240, 16, payload(reports, quint8(first + 8)).left(16));
        macroBlocks[block] = bytes;
    }
}
