#pragma once

#include "model/ProfileData.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <functional>

class IniWriter;
class QSettings;
class SettingsFile;

// One ProfileData as INI keys under a group: "PROFILE" in a profile file, "PROFILE_<n>" in a
// configuration export. The key strings are formed once per group and kept, since a profile has
// 11099 of them and every load and save walks all of them.
class ProfileRecordIo
{
public:
    static constexpr int kKeyCount = 11099;

    enum SleepFields
    {
        WithSleepFields,   // LedMoveOFF and LedSleepTime are part of the record
        WithoutSleepFields // left out when writing, left untouched when reading
    };

    enum AbsentKeys
    {
        ZeroAbsent, // absent keys give 0, empty text, LedMoveOFF 255, LedSleepTime 1
        KeepAbsent  // fields whose key is absent keep what `profile` held
    };

    static void read(const QSettings& settings, const QString& group, ProfileData& profile,
                     SleepFields sleep = WithSleepFields, AbsentKeys absent = ZeroAbsent);
    // The same from any source of values: `value(key, default)` as QSettings::value, an invalid
    // variant for an absent key.
    using ValueOf = std::function<QVariant(const QString& key, const QVariant& def)>;
    static void read(const ValueOf& value, const QString& group, ProfileData& profile,
                     SleepFields sleep = WithSleepFields, AbsentKeys absent = ZeroAbsent);
    // The keys without which a profile from outside is not taken: the report rate, the DPI stage
    // and levels, every button's function and the lighting effect.
    static QStringList requiredKeys(const QString& group);
    // Into a settings file, or into a text built from nothing.
    static void write(SettingsFile& file, const QString& group, const ProfileData& profile,
                      SleepFields sleep = WithSleepFields);
    static void write(IniWriter& text, const QString& group, const ProfileData& profile,
                      SleepFields sleep = WithSleepFields);

    // All keys of the record under `group` ("group/..."), in the record's field order.
    static QVector<QString> keys(const QString& group);
};
