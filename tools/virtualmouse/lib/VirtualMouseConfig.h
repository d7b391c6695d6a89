#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QtGlobal>

#include <array>

// What the emulated mouse holds: the report payloads of the last applied write sessions and the
// fields decoded from them, so that a test can compare what the tool wrote.
struct VirtualMouseConfig
{
    static constexpr int kDpiLevelCount = 8;
    static constexpr int kButtonSlotCount = 16;
    static constexpr int kLedModeColourCount = 8;
    static constexpr int kMacroBlockCount = 12;
    static constexpr int kMacroBlockSize = 256;
    static constexpr int kPayloadSize = 30; // report bytes 2..31

    struct DpiEntry
    {
        quint8 flag = 0; // X range flag, the only flag the report carries
        quint16 x = 0;
        quint16 y = 0;
        bool operator==(const DpiEntry& o) const { return flag == o.flag && x == o.x && y == o.y; }
        bool operator!=(const DpiEntry& o) const { return !(*this == o); }
    };

    struct Rgb
    {
        quint8 r = 0;
        quint8 g = 0;
        quint8 b = 0;
        bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
        bool operator!=(const Rgb& o) const { return !(*this == o); }
    };

    // Report type -> bytes 2..31 as last applied. A type absent here was never written.
    QMap<quint8, QByteArray> reports;
    int appliedSessions = 0; // end markers that applied a session

    // Live state: written by type 0x01, changed by the DPI button and the rate switch.
    quint8 dpiLevel = 0;
    quint8 rate = 1;

    // Type 0x01.
    quint8 ledMode = 0;
    quint8 ledSpeed = 0;
    quint8 ledBrightness = 0;
    // Type 0x02.
    quint8 liftHigh = 0;
    quint8 ledSleepTime = 0;
    quint8 ledMoveOff = 0;
    quint8 angleOrDebounce = 0;
    quint8 sync = 0;
    Rgb activeColour;
    // Type 0x04.
    std::array<Rgb, kLedModeColourCount> modeColours{};
    // Types 0x05, 0x06, five bytes a level as sent.
    std::array<DpiEntry, kDpiLevelCount> dpiTable{};
    // Types 0x07..0x09, four bytes a slot.
    std::array<std::array<quint8, 4>, kButtonSlotCount> buttons{};
    // Types 0x10 + 9m .. 0x18 + 9m; empty while no report of block m was applied.
    std::array<QByteArray, kMacroBlockCount> macroBlocks{};

    // Short forms, applied at once.
    int selectedProfile = 0;
    QList<quint8> refreshCodes; // xx of every FA 40 F3 xx, in order received

    bool hasGeneral() const { return reports.contains(0x01); }
    bool hasDpiTable() const { return reports.contains(0x05) || reports.contains(0x06); }
    bool hasButtons() const { return reports.contains(0x07); }
    bool hasMacroBlock(int block) const;

    // Levels the DPI button cycles through: those whose five bytes are not all zero, or all eight
    // while no DPI table was written (or every level was written as zero).
    QList<int> usedDpiLevels() const;

    // Recomputes every decoded field from `reports` (the live DPI level and rate only when
    // type 0x01 is held).
    void decode();
};
