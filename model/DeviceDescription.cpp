#include "model/DeviceDescription.h"

#include "model/AppPaths.h"
#include "model/IniFileCheck.h"
#include "model/IniReader.h"

#include <QVariant>

#include <algorithm>

namespace {
// Every read opens the description afresh, so an edit of the file is seen by the next read.
class Reader : public IniReader
{
public:
    Reader() : IniReader(AppPaths::deviceDescriptionFile(), QStringLiteral("PROFILE")) {}
};

QString buttonKey(int i, const char* suffix)
{
    return QStringLiteral("BUTTON_INFO_%1_%2").arg(i).arg(QLatin1String(suffix));
}

QString ledKey(int i, const char* suffix)
{
    return QStringLiteral("LedMode/LED_MODE_%1_%2").arg(i).arg(QLatin1String(suffix));
}

int switchValue(const char* key, int def)
{
    return Reader().toInt(QLatin1String(key), def);
}
} // namespace

bool DeviceDescription::exists()
{
    // A damaged description counts: what its sound lines hold is read, the rest is defaults.
    const auto verdict = IniFileCheck::inspect(AppPaths::deviceDescriptionFile());
    return verdict == IniFileCheck::Verdict::Sound || verdict == IniFileCheck::Verdict::Damaged;
}

QString DeviceDescription::productName()
{
    return Reader().toText(QStringLiteral("ProductName"));
}

QString DeviceDescription::version()
{
    return Reader().toText(QStringLiteral("Version"));
}

int DeviceDescription::buttonCount()
{
    const Reader reader;
    const int count =
        reader.toInt(QStringLiteral("ButtonCount")) ^ reader.toInt(QStringLiteral("MouseDpi"));
    // The matrix keys describe at most 16 buttons; callers index 16-entry tables with this.
    return std::clamp(count, 0, kMaxButtons);
}

int DeviceDescription::dpiLevelCount()
{
    const Reader reader;
    const int count = reader.toInt(QStringLiteral("ButtonCount")) ^
                      reader.toInt(QStringLiteral("MouseDpi")) ^
                      reader.toInt(QStringLiteral("DPICount"));
    return std::clamp(count, 0, kMaxDpiLevels);
}

int DeviceDescription::readButtonMatrix(quint8* out16)
{
    if (!exists())
        return -1;
    const Reader reader;
    for (int i = 0; i < kMatrixSize; ++i)
        out16[i] = reader.toByte(buttonKey(i, "Matrix"));
    return 0;
}

int DeviceDescription::readButtonDisplayMatrix(quint8* out16)
{
    if (!exists())
        return -1;
    {
        const Reader reader;
        for (int i = 0; i < kMatrixSize; ++i)
            out16[i] = reader.toByte(buttonKey(i, "Matrix2"));
    }
    return buttonCount();
}

int DeviceDescription::readSensorDefaults(quint8* out7)
{
    if (!exists())
        return -1;
    const Reader reader;
    out7[Lift] = reader.toByte(QStringLiteral("lift"), 0);
    out7[Angle] = reader.toByte(QStringLiteral("angle"), 0);
    out7[ButtonDelay] = reader.toByte(QStringLiteral("butondelay"), 20);
    out7[Jitter] = reader.toByte(QStringLiteral("jitter"), 0);
    out7[Wake] = reader.toByte(QStringLiteral("wake"), 0);
    out7[SensorMode] = reader.toByte(QStringLiteral("sensormode"), 1);
    out7[Sync] = reader.toByte(QStringLiteral("sync"), 0);
    return 0;
}

int DeviceDescription::readFactoryProfile(FactoryProfile& out)
{
    if (!exists())
        return -1;
    const Reader reader;
    FactoryProfile profile;
    profile.dpi = reader.toByte(QStringLiteral("dpi"));
    profile.pollrate = reader.toByte(QStringLiteral("pollrate"));
    profile.LedMode = reader.toByte(QStringLiteral("LedMode"));
    profile.LedMoveOFF = reader.toByte(QStringLiteral("LedMoveOFF"), 255);
    profile.LedSleepTime = reader.toByte(QStringLiteral("LedSleepTime"), 1);
    for (int i = 0; i < FactoryProfile::kDpiLevelCount; ++i)
        profile.DpiXy[i] = reader.toInt(QStringLiteral("DPI_INFO_%1_xy").arg(i));
    for (int i = 0; i < FactoryProfile::kButtonCount; ++i) {
        FactoryProfile::Button& button = profile.Buttons[i];
        button.ID = reader.toInt(buttonKey(i, "ID"));
        button.Fun = reader.toInt(buttonKey(i, "Fun"));
        button.LoopNumber = reader.toInt(buttonKey(i, "LoopNumber"));
        button.KeyNumber = reader.toInt(buttonKey(i, "KeyNumber"));
        button.Res1 = reader.toByte(buttonKey(i, "Res1"));
        button.Res2 = reader.toByte(buttonKey(i, "Res2"));
        button.Res3 = reader.toByte(buttonKey(i, "Res3"));
        button.Res4 = reader.toByte(buttonKey(i, "Res4"));
    }
    for (int i = 0; i < FactoryProfile::kLedModeCount; ++i) {
        FactoryProfile::Led& led = profile.Leds[i];
        led.colour = reader.toColour(ledKey(i, "RGB"));
        led.bright = reader.toInt(ledKey(i, "bright"));
        led.breath = reader.toInt(ledKey(i, "breath"));
    }
    out = profile;
    return 0;
}

int DeviceDescription::disableMacro()
{
    return switchValue("DisableMacro", 0);
}
int DeviceDescription::showSleep()
{
    return switchValue("ShowSleep", 1);
}
int DeviceDescription::sleepMin()
{
    return switchValue("SleepMin", 1);
}
int DeviceDescription::sleepMax()
{
    return switchValue("SleepMax", 9);
}
int DeviceDescription::scrollRev()
{
    return switchValue("ScrollRev", 0);
}
int DeviceDescription::minDelay()
{
    return std::max(1, switchValue("MinDelay", 1));
}
int DeviceDescription::wideRange33254()
{
    return switchValue("33254", 0);
}
int DeviceDescription::colorMode()
{
    return switchValue("ColorMode", 0);
}
int DeviceDescription::ledDisable()
{
    return switchValue("ledDisable", 0);
}
int DeviceDescription::syncMode()
{
    return switchValue("SyncMode", 0);
}
int DeviceDescription::french()
{
    return switchValue("french", -1);
}
int DeviceDescription::showMouseButton()
{
    return switchValue("showMouseButton", 1);
}
int DeviceDescription::closeWindow()
{
    return switchValue("CloseWindow", 0);
}
