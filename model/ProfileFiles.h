#pragma once

#include "model/MouseConfig.h"

#include <QString>
#include <QStringList>

class IniValues;
class QSettings;
class SettingsFile;

// The configuration on disk: Config.ini, one profile file per profile, configuration exports and
// the per-model profile list. Slot operations use the configuration folder's "Profile" folder;
// the profile actions (import, export, the list) use the per-model folder named after the product.
// Every name that becomes part of a path goes through SafeName; a refused name fails the
// operation before anything is touched.
class ProfileFiles
{
public:
    enum class ImportResult
    {
        Imported,
        Mismatch,    // the file names another model, or none
        Unreadable,  // missing, not a file, or not an INI text
        NameRefused, // the file's base name cannot name a profile
        NameExists,  // a profile of that name is already in the per-model folder
        CopyFailed,
        Incomplete // a profile file without a key every profile must have
    };

    // Config.ini, the five slot profiles by their names, and the description's button matrix.
    static void loadConfiguration(MouseConfig& config);
    // The same in parts, for a start that shows one profile before it reads the others:
    // Config.ini and the button matrix, then the profile of one slot by its name.
    static void loadDeviceWide(MouseConfig& config);
    static void loadSlotProfile(MouseConfig& config, int slot);
    // The device-wide values, the active slot's name and its profile file. False when a write
    // failed, or, with nothing written, when the active slot's name cannot name a file.
    static bool saveConfiguration(const MouseConfig& config);

    // Keys the file lacks keep the factory profile's values; a missing or unreadable file loads as
    // the factory profile and gives false (an unreadable one is recorded in SetAsideFiles).
    static bool loadProfile(ProfileData& profile, const QString& path);
    static bool saveProfile(const ProfileData& profile, const QString& path);
    // A profile file's parsed values into `profile` as loadProfile() reads them, when they hold
    // every key; false when any is missing (those take the factory's values: loadProfile()).
    // Touches nothing but `profile`, so any thread may call it.
    static bool readFullProfile(ProfileData& profile, const IniValues& values);
    static bool loadProfileByName(ProfileData& profile, const QString& name);
    static bool saveProfileByName(const ProfileData& profile, const QString& name);
    // Configuration folder + "/Profile/" + name + ".prof"; empty when the name is refused.
    static QString profilePath(const QString& name);
    // The file of the slot a configuration's text names as active; empty when that slot has no
    // valid name there. Reads nothing.
    static QString activeProfilePath(const IniValues& config);
    // Per-model folder + "/Profile/" + name + ".prof"; empty when a name is refused.
    static QString modelProfilePath(const QString& name);

    static bool saveActiveSlot(int slot);
    static bool saveSlots(const MouseConfig& config);
    // The DPI level alone; DpiLevelStore calls it on its own thread.
    static bool storeDpiLevel(const QString& path, int level);
    static int readFullWriteFlag();
    static bool writeFullWriteFlag(int value);

    static bool exportConfiguration(const MouseConfig& config, const QString& path);
    // Imported, Mismatch or Unreadable; on anything but Imported `config` is unchanged.
    static ImportResult importConfiguration(MouseConfig& config, const QString& path);

    static bool writeIdentity(const QString& path);
    static QString readIdentity(const QString& path); // empty when absent or unreadable

    static bool writeFactoryProfile();

    static QStringList loadProfileList();
    static bool saveProfileList(const QStringList& names);

    // The first save of this thread that failed since the last call, and clears it: the file's
    // name and the system's reason. Both empty when every save succeeded.
    struct SaveError
    {
        QString file;
        QString reason;
    };
    static SaveError takeSaveError();

    // Stamps the per-model file of `name` with the product name and copies it to `target`.
    static bool exportProfile(const QString& name, const QString& target);
    // Copies `source` into the per-model folder under its base name, appends that name to the
    // profile list and loads the copy into `profile`. `importedName` receives the base name.
    static ImportResult importProfile(ProfileData& profile, const QString& source,
                                      QString* importedName = nullptr);
    // What a profile file from outside must pass before anything is taken from it: readable INI
    // text, the product name as its identity and every key of ProfileRecordIo::requiredKeys.
    // Imported when it passes; `missingKey` receives the first key it lacks.
    static ImportResult checkForeignProfile(const QString& path, QString* missingKey = nullptr);
};
