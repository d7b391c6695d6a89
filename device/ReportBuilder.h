#pragma once

#include "model/MouseConfig.h"

#include <array>

// The 33-byte output reports the mouse understands. Byte 0 is the report ID (always 0). The
// configuration reports carry their type in byte 1 and a checksum in byte 32; the short-form
// reports used for profile selection carry 05 00 FA, a command in byte 4 and no checksum.
class ReportBuilder
{
public:
    static constexpr int kFrameSize = 33;
    using Frame = std::array<quint8, kFrameSize>;

    // Report types of the configuration family.
    static constexpr quint8 kTypeMarker = 0x00;
    static constexpr quint8 kTypeGeneral1 = 0x01;
    static constexpr quint8 kTypeGeneral2 = 0x02;
    static constexpr quint8 kTypeGeneral4 = 0x04;
    static constexpr quint8 kTypeDpi1 = 0x05;
    static constexpr quint8 kTypeDpi2 = 0x06;
    static constexpr quint8 kTypeButtons1 = 0x07;
    static constexpr quint8 kTypeButtons2 = 0x08;
    static constexpr quint8 kTypeButtons3 = 0x09;
    static constexpr quint8 kTypeBatteryQuery = 0x0A;
    static constexpr quint8 kTypeMacroBase = 0x10;

    // Complement of the 8-bit sum of bytes 1 to 31.
    static quint8 checksum(const Frame& frame);
    static void setChecksum(Frame& frame);

    // iEnd 0: begin marker (AA 55), otherwise end marker (CC 33).
    static Frame marker(int iEnd);

    // The three general-settings reports; each reads profile 0 and the device-wide values.
    static Frame general1(const MouseConfig& config);
    static Frame general2(const MouseConfig& config, int iSyncMode);
    static Frame general4(const MouseConfig& config);

    // DPI levels 0..5 (iPart 0, type 0x05) or 6..7 (iPart 1, type 0x06) of one profile.
    static Frame dpiTable(const ProfileData& profile, int iSensor, int iPart);

    // Report 0, 1 or 2 (types 0x07, 0x08, 0x09) of a 128-byte button table.
    static Frame buttonTable(const quint8* table, int iPart);

    // Report k (0..8) of macro block m: types 0x10 + 9m + k.
    static Frame macroBlock(int iBlock, int iPart, const quint8* block);

    static Frame batteryQuery();

    // Short form: 05 00 FA, command, parameters in bytes 5 and 6.
    static Frame shortForm(quint8 command, quint8 param5, quint8 param6);
};
