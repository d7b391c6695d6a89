#pragma once

#include <QtGlobal>

// The function a button carries, as ButtonAssignment::Fun holds it. These numbers are written to
// profile files and sent to the mouse, so a value never changes. They have gaps and do not
// follow the menus' order: the switch entry of the profile and rate groups is not their lowest.
// An unscoped enum in a namespace so that a code compares with and assigns to the plain integer
// field as it is; a record read from a file may still hold a number not named here.
namespace FunctionCode {
enum Code : qint32
{
    None = 0, // nothing assigned yet; the mouse gets an all-zero slot for it
    LeftClick = 1,
    RightClick = 2,
    MiddleClick = 3,
    Forward = 4,
    Back = 5,
    SingleKey = 6,
    ComboKey = 7,
    FireKey = 12,
    ButtonOff = 16,
    Cut = 17,
    Copy = 18,
    Paste = 19,
    SelectAll = 20,
    Find = 21,
    New = 22,
    Print = 23,
    Save = 24,
    SwitchWindow = 25,
    CloseWindow = 26,
    MyComputer = 27,
    Run = 28,
    ShowDesktop = 29,
    LockPc = 30,
    BrowserHome = 31,
    BrowserBackward = 32,
    BrowserForward = 33,
    BrowserStop = 34,
    BrowserRefresh = 35,
    BrowserSearch = 36,
    BrowserFavorite = 37,
    Mail = 38,
    PlayPause = 39,
    Stop = 40,
    PreviousTrack = 41,
    NextTrack = 42,
    VolumeUp = 43,
    VolumeDown = 44,
    Mute = 45,
    MediaPlayer = 46,
    DpiSwitch = 47,
    DpiUp = 48,
    DpiDown = 49,
    RateUp = 50,
    RateDown = 51,
    ScrollUp = 52,
    ScrollDown = 53,
    LedSwitch = 54,
    Sniper = 55,
    ProfileUp = 57,
    ProfileDown = 58,
    ProfileSwitch = 59,
    BossKey = 62,
    RateSwitch = 63,
    Macro = 200,
    GunFile = 510,

    // The mouse's own table has rows for these too, but no menu offers them and no label names
    // them; a profile that carries one still sends what the table says.
    DeviceOnly13 = 13,
    DeviceOnly60 = 60,
    DeviceOnly61 = 61,
    DeviceOnly64 = 64
};
} // namespace FunctionCode
