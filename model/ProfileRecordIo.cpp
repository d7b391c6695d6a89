#include "model/ProfileRecordIo.h"

#include "model/IniKeySet.h"
#include "model/IniWriter.h"
#include "model/SettingsFile.h"
#include "model/ThreadSpare.h"

#include <QColor>
#include <QLatin1String>
#include <QSettings>
#include <QStringBuilder>
#include <QVariant>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {
// Position of every key in the table, in the record's field order.
enum : int
{
    kPollrate = 0,
    kDpi = 1,
    kDpiBase = 2, // used, link, xy, x, y per level
    kDpiStride = 5,
    kWindowsBase = kDpiBase + ProfileData::kDpiLevelCount * kDpiStride,
    kButtonBase = kWindowsBase + 6, // ID, Fun, LoopNumber, KeyNumber, Res1..4, macroname, events
    kButtonEvents = 9,              // map, low byte, H per event
    kButtonStride = kButtonEvents + ButtonAssignment::kKeyInfoCount * 3,
    kTailBase = kButtonBase + ProfileData::kButtonCount * kButtonStride,
    kLedBase = kTailBase + 5, // RGB, h, s, v, bright, breath per mode
    kLedStride = 6,
    kTableSize = kLedBase + ProfileData::kLedModeCount * kLedStride
};
static_assert(kTableSize == ProfileRecordIo::kKeyCount, "key table does not cover the record");

const char* const kWindowsKeys[] = {"mousespeed",  "dbclickspeed", "scrollispage",
                                    "scrollspeed", "accelenable",  "acee"};
const char* const kButtonKeys[] = {"_ID",   "_Fun",  "_LoopNumber", "_KeyNumber", "_Res1",
                                   "_Res2", "_Res3", "_Res4",       "_macroname"};
const char* const kEventKeys[] = {"_map", "_", "_H"};
const char* const kDpiKeys[] = {"_used", "_link", "_xy", "_x", "_y"};
const char* const kTailKeys[] = {"ProfileName", "ProfilePath", "LedMode", "LedMoveOFF",
                                 "LedSleepTime"};
const char* const kLedKeys[] = {"_RGB", "_h", "_s", "_v", "_bright", "_breath"};

QVector<QString> buildKeys(const QString& group)
{
    QVector<QString> keys(kTableSize);
    QString* k = keys.data();
    const QString g = group + QLatin1Char('/');
    k[kPollrate] = g % QLatin1String("pollrate");
    k[kDpi] = g % QLatin1String("dpi");
    for (int i = 0; i < ProfileData::kDpiLevelCount; ++i) {
        const QString prefix = g % QLatin1String("DPI_INFO_") % QString::number(i);
        for (int f = 0; f < kDpiStride; ++f)
            k[kDpiBase + i * kDpiStride + f] = prefix % QLatin1String(kDpiKeys[f]);
    }
    for (int f = 0; f < 6; ++f)
        k[kWindowsBase + f] = g % QLatin1String(kWindowsKeys[f]);
    for (int b = 0; b < ProfileData::kButtonCount; ++b) {
        const QString prefix = g % QLatin1String("BUTTON_INFO_") % QString::number(b);
        QString* bk = k + kButtonBase + b * kButtonStride;
        for (int f = 0; f < kButtonEvents; ++f)
            bk[f] = prefix % QLatin1String(kButtonKeys[f]);
        for (int e = 0; e < ButtonAssignment::kKeyInfoCount; ++e) {
            const QString event = prefix % QLatin1String("_KeyInfo_") % QString::number(e);
            for (int f = 0; f < 3; ++f)
                bk[kButtonEvents + e * 3 + f] = event % QLatin1String(kEventKeys[f]);
        }
    }
    for (int f = 0; f < 5; ++f)
        k[kTailBase + f] = g % QLatin1String(kTailKeys[f]);
    for (int m = 0; m < ProfileData::kLedModeCount; ++m) {
        const QString prefix = g % QLatin1String("LedMode/LED_MODE_") % QString::number(m);
        for (int f = 0; f < kLedStride; ++f)
            k[kLedBase + m * kLedStride + f] = prefix % QLatin1String(kLedKeys[f]);
    }
    return keys;
}

// Profile files are read five times at start-up and written before every write to the mouse,
// so their table is kept; the export groups are rare and built when needed.
QVector<QString> keysFor(const QString& group)
{
    static const QString kProfileGroup = QStringLiteral("PROFILE");
    static const QVector<QString> profileKeys = buildKeys(kProfileGroup);
    return group == kProfileGroup ? profileKeys : buildKeys(group);
}
} // namespace

void ProfileRecordIo::read(const QSettings& settings, const QString& group, ProfileData& p,
                           SleepFields sleep, AbsentKeys absent)
{
    read([&settings](const QString& key, const QVariant& def) { return settings.value(key, def); },
         group, p, sleep, absent);
}

void ProfileRecordIo::read(const ValueOf& value, const QString& group, ProfileData& p,
                           SleepFields sleep, AbsentKeys absent)
{
    const QVector<QString> table = keysFor(group);
    const QString* k = table.constData();
    // A value larger than its field keeps its low bits; text that is no number reads as 0. An
    // absent key gives 0 or empty text, or leaves the field as it was.
    const auto take = [&](int i, auto& field, auto convert) {
        const QVariant v = value(k[i], {});
        if (v.isValid() || absent == ZeroAbsent)
            field = convert(v);
    };
    const auto i32 = [&](int i, qint32& f) {
        take(i, f, [](const QVariant& v) { return qint32(v.toInt()); });
    };
    const auto u32 = [&](int i, quint32& f) {
        take(i, f, [](const QVariant& v) { return quint32(v.toUInt()); });
    };
    const auto u8 = [&](int i, quint8& f) {
        take(i, f, [](const QVariant& v) { return quint8(v.toInt()); });
    };
    const auto text = [&](int i, QString& f) {
        take(i, f, [](const QVariant& v) { return v.toString(); });
    };

    u8(kPollrate, p.pollrate);
    u8(kDpi, p.dpi);
    for (int i = 0; i < ProfileData::kDpiLevelCount; ++i) {
        const int at = kDpiBase + i * kDpiStride;
        DpiLevel& d = p.DpiInfo[i];
        u8(at, d.used);
        u8(at + 1, d.link);
        u32(at + 2, d.xy);
        u32(at + 3, d.x);
        u32(at + 4, d.y);
    }
    u8(kWindowsBase, p.mousespeed);
    u8(kWindowsBase + 1, p.dbclickspeed);
    u8(kWindowsBase + 2, p.scrollispage);
    u8(kWindowsBase + 3, p.scrollspeed);
    u8(kWindowsBase + 4, p.accelenable);
    u8(kWindowsBase + 5, p.acee);
    for (int b = 0; b < ProfileData::kButtonCount; ++b) {
        const int at = kButtonBase + b * kButtonStride;
        ButtonAssignment& btn = p.ButtonInfo[b];
        i32(at, btn.ID);
        i32(at + 1, btn.Fun);
        i32(at + 2, btn.LoopNumber);
        i32(at + 3, btn.KeyNumber);
        u8(at + 4, btn.Res1);
        u8(at + 5, btn.Res2);
        u8(at + 6, btn.Res3);
        u8(at + 7, btn.Res4);
        text(at + 8, btn.macroname);
        for (int e = 0; e < ButtonAssignment::kKeyInfoCount; ++e) {
            const int ev = at + kButtonEvents + e * 3;
            u8(ev, btn.KeyInfo[e][0]);
            u8(ev + 1, btn.KeyInfo[e][1]);
            u8(ev + 2, btn.KeyInfo[e][2]);
        }
    }
    text(kTailBase, p.ProfileName);
    text(kTailBase + 1, p.ProfilePath);
    u8(kTailBase + 2, p.LedMode);
    if (sleep == WithSleepFields) {
        // Absent, these two mean "never switch off" and one minute rather than 0.
        take(kTailBase + 3, p.LedMoveOFF,
             [](const QVariant& v) { return quint8(v.isValid() ? v.toInt() : 255); });
        take(kTailBase + 4, p.LedSleepTime,
             [](const QVariant& v) { return quint8(v.isValid() ? v.toInt() : 1); });
    }
    for (int m = 0; m < ProfileData::kLedModeCount; ++m) {
        const int at = kLedBase + m * kLedStride;
        LedSetting& led = p.LedInfo[m];
        take(at, led.colour, [](const QVariant& v) { return v.value<QColor>(); });
        u32(at + 1, led.h);
        u32(at + 2, led.s);
        u32(at + 3, led.v);
        u32(at + 4, led.bright);
        u32(at + 5, led.breath);
    }
}

namespace {
// The positions of the keys in the order their lines take in the file. Set in that order, the
// keys of a profile are merged with the file's in one pass, with no sorting.
std::vector<int> fileOrder(const QVector<QString>& keys)
{
    std::vector<int> order(size_t(keys.size()));
    std::iota(order.begin(), order.end(), 0);
    // All keys share the group, so the text order is the order of their names in its section.
    std::sort(order.begin(), order.end(), [&](int a, int b) { return keys[a] < keys[b]; });
    return order;
}

// Profile files are written before every write to the mouse: their keys are prepared once.
const IniKeySet* preparedKeysFor(const QString& group)
{
    static const QString kProfileGroup = QStringLiteral("PROFILE");
    static const IniKeySet profileKeys(keysFor(kProfileGroup));
    return group == kProfileGroup ? &profileKeys : nullptr;
}

template <class Target>
void setValue(Target& s, const IniKeySet* prepared, const QVector<QString>& table, int i,
              const QVariant& value)
{
    if (prepared)
        s.setValue(*prepared, i, value);
    else
        s.setValue(table[i], value);
}

// Profile files are written before every write to the mouse: their order is kept.
const std::vector<int>& fileOrderFor(const QString& group, const QVector<QString>& keys,
                                     std::vector<int>& other)
{
    static const QString kProfileGroup = QStringLiteral("PROFILE");
    static const std::vector<int> profileOrder = fileOrder(keysFor(kProfileGroup));
    if (group == kProfileGroup)
        return profileOrder;
    other = fileOrder(keys);
    return other;
}

template <class Put, class Byte>
void writeValues(const Put& put, const Byte& byte, const ProfileData& p,
                 ProfileRecordIo::SleepFields sleep)
{

    byte(kPollrate, p.pollrate);
    byte(kDpi, p.dpi);
    for (int i = 0; i < ProfileData::kDpiLevelCount; ++i) {
        const int at = kDpiBase + i * kDpiStride;
        const DpiLevel& d = p.DpiInfo[i];
        byte(at, d.used);
        byte(at + 1, d.link);
        put(at + 2, d.xy);
        put(at + 3, d.x);
        put(at + 4, d.y);
    }
    byte(kWindowsBase, p.mousespeed);
    byte(kWindowsBase + 1, p.dbclickspeed);
    byte(kWindowsBase + 2, p.scrollispage);
    byte(kWindowsBase + 3, p.scrollspeed);
    byte(kWindowsBase + 4, p.accelenable);
    byte(kWindowsBase + 5, p.acee);
    for (int b = 0; b < ProfileData::kButtonCount; ++b) {
        const int at = kButtonBase + b * kButtonStride;
        const ButtonAssignment& btn = p.ButtonInfo[b];
        put(at, btn.ID);
        put(at + 1, btn.Fun);
        put(at + 2, btn.LoopNumber);
        put(at + 3, btn.KeyNumber);
        byte(at + 4, btn.Res1);
        byte(at + 5, btn.Res2);
        byte(at + 6, btn.Res3);
        byte(at + 7, btn.Res4);
        put(at + 8, btn.macroname);
        for (int e = 0; e < ButtonAssignment::kKeyInfoCount; ++e) {
            const int ev = at + kButtonEvents + e * 3;
            byte(ev, btn.KeyInfo[e][0]);
            byte(ev + 1, btn.KeyInfo[e][1]);
            byte(ev + 2, btn.KeyInfo[e][2]);
        }
    }
    put(kTailBase, p.ProfileName);
    put(kTailBase + 1, p.ProfilePath);
    byte(kTailBase + 2, p.LedMode);
    if (sleep == ProfileRecordIo::WithSleepFields) {
        byte(kTailBase + 3, p.LedMoveOFF);
        byte(kTailBase + 4, p.LedSleepTime);
    }
    for (int m = 0; m < ProfileData::kLedModeCount; ++m) {
        const int at = kLedBase + m * kLedStride;
        const LedSetting& led = p.LedInfo[m];
        put(at, led.colour);
        put(at + 1, led.h);
        put(at + 2, led.s);
        put(at + 3, led.v);
        put(at + 4, led.bright);
        put(at + 5, led.breath);
    }
}

template <class Target>
void writeRecord(Target& s, const QString& group, const ProfileData& p,
                 ProfileRecordIo::SleepFields sleep)
{
    const QVector<QString> table = keysFor(group);
    std::vector<QVariant> values;
    ThreadSpare<std::vector<QVariant>>::take(values);
    values.resize(kTableSize);
    QVariant* v = values.data();
    const auto put = [v](int i, const QVariant& value) { v[i] = value; };
    const auto byte = [v](int i, quint8 value) { v[i] = static_cast<int>(value); };
    writeValues(put, byte, p, sleep);
    // Fields left out (the sleep fields) stay invalid and are not written.
    std::vector<int> other;
    const IniKeySet* prepared = preparedKeysFor(group);
    s.reserve(kTableSize);
    for (const int i : fileOrderFor(group, table, other)) {
        if (v[i].isValid())
            setValue(s, prepared, table, i, v[i]);
    }
    ThreadSpare<std::vector<QVariant>>::giveBack(values);
}

} // namespace

void ProfileRecordIo::write(SettingsFile& file, const QString& group, const ProfileData& profile,
                            SleepFields sleep)
{
    writeRecord(file, group, profile, sleep);
}

void ProfileRecordIo::write(IniWriter& text, const QString& group, const ProfileData& profile,
                            SleepFields sleep)
{
    writeRecord(text, group, profile, sleep);
}

QVector<QString> ProfileRecordIo::keys(const QString& group)
{
    return keysFor(group);
}

QStringList ProfileRecordIo::requiredKeys(const QString& group)
{
    const QVector<QString> table = keysFor(group);
    QStringList keys{table[kPollrate], table[kDpi], table[kTailBase + 2]};
    for (int i = 0; i < ProfileData::kDpiLevelCount; ++i) {
        const int at = kDpiBase + i * kDpiStride;
        keys << table[at] << table[at + 1] << table[at + 3] << table[at + 4];
    }
    for (int b = 0; b < ProfileData::kButtonCount; ++b)
        keys << table[kButtonBase + b * kButtonStride + 1];
    return keys;
}
