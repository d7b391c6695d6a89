#include "model/ProfileRules.h"

#include "model/DeviceDescription.h"
#include "model/FunctionCode.h"
#include "model/MacroFile.h"

#include <limits>

namespace {
void setLevel(DpiLevel& level, quint32 step)
{
    level.used = 1;
    level.link = 1;
    level.xy = step;
    level.x = step;
    level.y = step;
}

void buildBuiltInProfile(ProfileData& profile)
{
    static const quint32 steps[ProfileData::kDpiLevelCount] = {8, 12, 16, 24, 50, 75, 0, 0};
    static const qint32 functions[] = {FunctionCode::LeftClick,   FunctionCode::RightClick,
                                       FunctionCode::MiddleClick, FunctionCode::Forward,
                                       FunctionCode::Back,        FunctionCode::Forward,
                                       FunctionCode::Back};
    profile.pollrate = 0;
    profile.dpi = 0;
    profile.LedMode = 9;
    profile.LedMoveOFF = 0;
    profile.LedSleepTime = 1;
    for (int i = 0; i < ProfileData::kDpiLevelCount; ++i)
        setLevel(profile.DpiInfo[i], steps[i]);
    for (int i = 0; i < int(sizeof functions / sizeof functions[0]); ++i)
        profile.ButtonInfo[i].Fun = functions[i];
    for (int i = 0; i < ProfileData::kLedModeCount; ++i) {
        LedSetting& led = profile.LedInfo[i];
        led.colour = i == 10 ? QColor(0, 255, 0) : QColor(255, 0, 0);
        led.h = 360;
        led.s = 0;
        led.v = 0;
        led.bright = 3;
        led.breath = 3;
    }
}

void buildFromFactory(ProfileData& profile, const FactoryProfile& factory)
{
    profile.pollrate = factory.pollrate;
    profile.dpi = factory.dpi;
    profile.LedMode = factory.LedMode;
    profile.LedMoveOFF = factory.LedMoveOFF;
    profile.LedSleepTime = factory.LedSleepTime;
    for (int i = 0; i < ProfileData::kDpiLevelCount; ++i)
        setLevel(profile.DpiInfo[i], static_cast<quint32>(factory.DpiXy[i]));
    for (int i = 0; i < FactoryProfile::kButtonCount; ++i) {
        const FactoryProfile::Button& from = factory.Buttons[i];
        ButtonAssignment& to = profile.ButtonInfo[i];
        to.ID = from.ID;
        to.Fun = from.Fun;
        to.LoopNumber = from.LoopNumber;
        to.KeyNumber = from.KeyNumber;
        to.Res1 = from.Res1;
        to.Res2 = from.Res2;
        to.Res3 = from.Res3;
        to.Res4 = from.Res4;
    }
    for (int i = 0; i < ProfileData::kLedModeCount; ++i) {
        LedSetting& led = profile.LedInfo[i];
        led.colour = factory.Leds[i].colour;
        led.h = 360;
        led.s = 0;
        led.v = 0;
        led.bright = static_cast<quint32>(factory.Leds[i].bright);
        led.breath = static_cast<quint32>(factory.Leds[i].breath);
    }
}

bool generalDiffers(const MouseConfig& a, const MouseConfig& b)
{
    for (int i = 0; i < MouseConfig::kProfileCount; ++i) {
        if (a.Profile[i].pollrate != b.Profile[i].pollrate ||
            a.Profile[i].scrollspeed != b.Profile[i].scrollspeed)
            return true;
    }
    if (a.AngleValue != b.AngleValue || a.LiftHigh != b.LiftHigh || a.Sync != b.Sync ||
        a.Jitter != b.Jitter || a.Debounce != b.Debounce || a.Wake != b.Wake ||
        a.SensorMode != b.SensorMode)
        return true;
    if (a.ProfileID != b.ProfileID)
        return true;
    const ProfileData& pa = a.activeProfile();
    const ProfileData& pb = b.activeProfile();
    return pa.dpi != pb.dpi || pa.LedMode != pb.LedMode || pa.LedMoveOFF != pb.LedMoveOFF ||
           pa.LedSleepTime != pb.LedSleepTime;
}

bool dpiDiffers(const MouseConfig& a, const MouseConfig& b)
{
    for (int p = 0; p < MouseConfig::kProfileCount; ++p) {
        for (int i = 0; i < ProfileData::kDpiLevelCount; ++i) {
            const DpiLevel& la = a.Profile[p].DpiInfo[i];
            const DpiLevel& lb = b.Profile[p].DpiInfo[i];
            if (la.used != lb.used || la.x != lb.x || la.y != lb.y)
                return true;
        }
    }
    return false;
}

bool buttonDiffers(const ButtonAssignment& a, const ButtonAssignment& b)
{
    if (a.ID != b.ID || a.Fun != b.Fun || a.LoopNumber != b.LoopNumber ||
        a.KeyNumber != b.KeyNumber || a.Res1 != b.Res1 || a.Res2 != b.Res2 || a.Res3 != b.Res3 ||
        a.Res4 != b.Res4)
        return true;
    if (!a.sameKeyInfo(b))
        return true;
    if (a.Fun != FunctionCode::Macro)
        return false;
    if (a.macroname != b.macroname)
        return true;
    // An unchanged macro button still needs sending when its macro was saved since the last
    // write; taking the flag clears it so the next comparison does not report it again.
    return MacroFile::takeWriteSign(a.macroname);
}

bool buttonsDiffer(const MouseConfig& a, const MouseConfig& b)
{
    for (int p = 0; p < MouseConfig::kProfileCount; ++p) {
        for (int i = 0; i < ProfileData::kButtonCount; ++i) {
            if (buttonDiffers(a.Profile[p].ButtonInfo[i], b.Profile[p].ButtonInfo[i]))
                return true;
        }
    }
    return false;
}

bool lightingDiffers(const MouseConfig& a, const MouseConfig& b)
{
    for (int p = 0; p < MouseConfig::kProfileCount; ++p) {
        const ProfileData& pa = a.Profile[p];
        const ProfileData& pb = b.Profile[p];
        if (pa.LedMode != pb.LedMode || pa.activeLed() != pb.activeLed())
            return true;
    }
    return false;
}

int saturate(qint64 dpi)
{
    if (dpi > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (dpi < 0)
        return 0;
    return static_cast<int>(dpi);
}

// Integer DPI with the last digit dropped, as the 3212 sensor reports it.
qint64 tens(qint64 value)
{
    return value / 10 * 10;
}

qint64 dpi3212(qint64 v)
{
    if (v < 64) {
        const qint64 dpi = tens(v * 38);
        switch (dpi) {
        case 790:
            return 800;
        case 1210:
            return 1200;
        case 1630:
            return 1600;
        case 2390:
            return 2400;
        default:
            return dpi;
        }
    }
    if (v <= 94)
        return tens((v - 32) * 76);
    const qint64 dpi = tens((v - 63) * 152);
    return dpi == 7290 ? 7200 : dpi;
}
} // namespace

void ProfileRules::buildDefaultProfile(ProfileData& profile)
{
    profile = ProfileData();
    FactoryProfile factory;
    if (DeviceDescription::readFactoryProfile(factory) == 0)
        buildFromFactory(profile, factory);
    else
        buildBuiltInProfile(profile);
    profile.ButtonInfo[40].Fun = FunctionCode::ScrollUp;
    profile.ButtonInfo[41].Fun = FunctionCode::ScrollDown;
}

void ProfileRules::resetAll(MouseConfig& config)
{
    resetDeviceWide(config);
    config.ProfileID = 0;
    buildDefaultProfile(config.Profile[0]);
    for (int i = 0; i < MouseConfig::kProfileCount; ++i)
        config.ProfileNames[i] = QStringLiteral("Profile %1").arg(i + 1);
}

void ProfileRules::resetDeviceWide(MouseConfig& config)
{
    // Without a description the per-key defaults apply, as for every other key of the file.
    quint8 defaults[DeviceDescription::kSensorDefaultCount] = {0, 0, 20, 0, 0, 1, 0};
    DeviceDescription::readSensorDefaults(defaults);
    config.AngleValue = defaults[DeviceDescription::Angle];
    config.LiftHigh = defaults[DeviceDescription::Lift];
    config.Jitter = defaults[DeviceDescription::Jitter];
    config.Debounce = defaults[DeviceDescription::ButtonDelay];
    config.Wake = defaults[DeviceDescription::Wake];
    config.SensorMode = defaults[DeviceDescription::SensorMode];
    config.Sync = defaults[DeviceDescription::Sync];
}

int ProfileRules::detectChanges(const MouseConfig& current, const MouseConfig& snapshot)
{
    int mask = 0;
    if (generalDiffers(current, snapshot))
        mask |= ChangeGeneral;
    if (dpiDiffers(current, snapshot))
        mask |= ChangeDpi;
    if (buttonsDiffer(current, snapshot))
        mask |= ChangeButtons;
    if (lightingDiffers(current, snapshot))
        mask |= ChangeLighting;
    return mask;
}

int ProfileRules::dpiOfStep(quint32 step, int sensor)
{
    // 64-bit throughout: step codes come from files and may be far beyond any sensor's range.
    const qint64 v = step;
    switch (sensor) {
    case 3325:
    case 33252:
        if (v <= 50)
            return saturate(v * 100);
        if (v <= 75)
            return saturate((v - 50) * 200 + 5000);
        return saturate((v - 75) * 400 + 10000);
    case 3327:
        if (v < 62)
            return saturate((v + 1) * 100);
        if (v <= 92)
            return saturate((v - 61) * 200 + 6200);
        if (v == 106)
            return 16400;
        return saturate((v - 92) * 300 + 12300);
    case 3360:
    case 3311:
    case 33112:
        if (v <= 120)
            return saturate(v * 100);
        return saturate((v - 120) * 200 + 12000);
    case 3389:
        if (v <= 320)
            return saturate(v * 50);
        return saturate((v - 320) * 100 + 16000);
    case 3212:
        return saturate(dpi3212(v));
    case 3104:
    case 31042:
        if (v <= 106)
            return v == 14 ? 500 : saturate(v * 40);
        return saturate((5 * v - 265) * 16);
    case 3335:
    case 33352:
        if (v <= 160)
            return saturate(v * 100);
        return saturate((v - 160) * 200 + 16000);
    case 3370:
        if (v <= 200)
            return saturate(v * 50);
        return saturate((v - 200) * 100 + 10000);
    case 3333:
        if (v <= 80)
            return saturate(v * 100);
        return saturate((v - 80) * 200 + 8000);
    case 3399:
        if (v <= 399)
            return saturate((v + 1) * 50);
        return saturate((v - 399) * 100 + 20000);
    case 3395:
    case 33952:
        if (v <= 599)
            return saturate((v + 1) * 50);
        return saturate((v - 599) * 100 + 30000);
    case 3809:
        if (v <= 60)
            return saturate(v * 100);
        return saturate((v - 60) * 200 + 6000);
    default:
        return 0;
    }
}
