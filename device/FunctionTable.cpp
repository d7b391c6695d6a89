#include "device/FunctionTable.h"

#include "model/FunctionCode.h"

#include <cstring>

namespace {
namespace F = FunctionCode;

struct Row
{
    int code;
    quint8 bytes[4];
};

// Searched in order. Keyboard rows carry a modifier mask and a keyboard-page usage; consumer
// rows carry a consumer-page usage low byte first.
const Row kRows[] = {
    {F::LeftClick, {0x81, 0, 0, 0}},
    {F::RightClick, {0x82, 0, 0, 0}},
    {F::MiddleClick, {0x83, 0, 0, 0}},
    {F::Forward, {0x85, 0, 0, 0}},
    {F::Back, {0x84, 0, 0, 0}},
    {F::DeviceOnly13, {0x30, 0, 0, 0}},
    {F::DpiDown, {0x89, 0, 0, 0}},
    {F::DpiUp, {0x8A, 0, 0, 0}},
    {F::ScrollUp, {0x8B, 0, 0, 0}},
    {F::ScrollDown, {0x8C, 0, 0, 0}},
    {F::Cut, {0x8F, 1, 0x1B, 0}},          // Ctrl+X
    {F::Copy, {0x8F, 1, 0x06, 0}},         // Ctrl+C
    {F::Paste, {0x8F, 1, 0x19, 0}},        // Ctrl+V
    {F::SelectAll, {0x8F, 1, 0x04, 0}},    // Ctrl+A
    {F::Find, {0x8F, 1, 0x09, 0}},         // Ctrl+F
    {F::New, {0x8F, 1, 0x11, 0}},          // Ctrl+N
    {F::Print, {0x8F, 1, 0x13, 0}},        // Ctrl+P
    {F::Save, {0x8F, 1, 0x16, 0}},         // Ctrl+S
    {F::SwitchWindow, {0x8F, 4, 0x2B, 0}}, // Alt+Tab
    {F::CloseWindow, {0x8F, 4, 0x3D, 0}},  // Alt+F4
    {F::MyComputer, {0x8F, 8, 0x08, 0}},   // Win+E
    {F::Run, {0x8F, 8, 0x15, 0}},          // Win+R
    {F::ShowDesktop, {0x8F, 8, 0x07, 0}},  // Win+D
    {F::BossKey, {0x8F, 8, 0x10, 0}},      // Win+M
    {F::LockPc, {0x8F, 8, 0x0F, 0}},       // Win+L
    {F::BrowserHome, {0x8E, 1, 0x23, 0x02}},
    {F::BrowserBackward, {0x8E, 1, 0x24, 0x02}},
    {F::BrowserForward, {0x8E, 1, 0x25, 0x02}},
    {F::BrowserStop, {0x8E, 1, 0x26, 0x02}},
    {F::BrowserRefresh, {0x8E, 1, 0x27, 0x02}},
    {F::BrowserSearch, {0x8E, 1, 0x21, 0x02}},
    {F::BrowserFavorite, {0x8E, 1, 0x2A, 0x02}},
    {F::Mail, {0x8E, 1, 0x8A, 0x01}},
    {F::Stop, {0x8E, 1, 0xB7, 0x00}},
    {F::PlayPause, {0x8E, 1, 0xCD, 0x00}},
    {F::PreviousTrack, {0x8E, 1, 0xB6, 0x00}},
    {F::NextTrack, {0x8E, 1, 0xB5, 0x00}},
    {F::VolumeUp, {0x8E, 1, 0xE9, 0x00}},
    {F::VolumeDown, {0x8E, 1, 0xEA, 0x00}},
    {F::Mute, {0x8E, 1, 0xE2, 0x00}},
    {F::MediaPlayer, {0x8E, 1, 0x83, 0x01}},
    {F::SingleKey, {0x90, 0, 0, 0}},
    {F::Macro, {0x91, 0, 0, 0}},
    {F::GunFile, {0x9D, 0, 0, 0}},
    {F::FireKey, {0x99, 0, 0, 0}},
    {F::ButtonOff, {0x00, 0, 0, 0}},
    {F::DpiSwitch, {0x88, 0, 0, 0}},
    {F::RateSwitch, {0x94, 1, 0, 0}},
    {F::RateUp, {0x94, 0, 0, 0}},
    {F::RateDown, {0x95, 0, 0, 0}},
    {F::ProfileSwitch, {0x8D, 0, 0, 0}},
    {F::ProfileUp, {0x94, 0, 0, 0}},
    {F::ProfileDown, {0x95, 0, 0, 0}},
    {F::ComboKey, {0x8F, 0, 0, 0}},
    {F::LedSwitch, {0x9B, 8, 0, 0}},
    {F::Sniper, {0x96, 1, 1, 1}},
    {F::DeviceOnly60, {0x9F, 0, 0, 0}},
    {F::DeviceOnly61, {0xA0, 0, 0, 0}},
    {F::DeviceOnly64, {0x9B, 0, 0, 0}},
};
} // namespace

bool FunctionTable::lookup(int iFun, quint8* bytes)
{
    for (const Row& row : kRows) {
        if (row.code == iFun) {
            std::memcpy(bytes, row.bytes, 4);
            return true;
        }
    }
    std::memset(bytes, 0, 4);
    return false;
}
