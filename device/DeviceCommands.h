#pragma once

#include "device/ButtonEncoder.h"
#include "device/MacroBlockEncoder.h"
#include "device/MacroIndexMap.h"
#include "device/ReportBuilder.h"
#include "model/MouseConfig.h"

#include <array>

// Sends the configuration reports through the command transport. Each sender stops at the first
// report that fails and returns its result; 0 when every report went through. The button table
// decides which macros the mouse needs, so one object carries that from the button table to the
// macro upload of the same write.
class DeviceCommands
{
public:
    static constexpr int kMacroBlockCount = 12;
    static constexpr unsigned long kMacroPauseMs = 50;

    // iEnd 0: begin marker, otherwise end marker.
    static quint8 sendMarker(int iEnd);
    // Types 0x01, 0x02, 0x04.
    static quint8 sendGeneralSettings(const MouseConfig& config);
    // Types 0x05, 0x06 for one profile of the configuration.
    static quint8 sendDpiTable(const MouseConfig& config, int iProfile);
    // Types 0x07..0x09 of profile 0; rebuilds the macro index map and stores each macro
    // button's index in its Res4.
    quint8 sendButtonTable(MouseConfig& config);
    // The blocks of the macros the last button table indexed, read from their macro files.
    quint8 sendMacros(const MouseConfig& config);

    // Short forms. Selecting a profile sends both of its commands and returns the first
    // non-zero result of the two, or 0.
    static quint8 selectProfile(int iProfile);
    static quint8 sendProfileRefreshSet();

    // Sends one report; the transport's result.
    static quint8 send(const ReportBuilder::Frame& frame);

private:
    // Fills the blocks; false when a macro's index lies beyond the mouse's blocks.
    bool prepareMacroBlocks(const MouseConfig& config);

    MacroIndexMap m_MacroIndexMap;
    std::array<quint8, ButtonEncoder::kTableSize> m_ButtonTable{};
    std::array<std::array<quint8, MacroBlockEncoder::kBlockSize>, kMacroBlockCount> m_MacroBlocks{};
};
