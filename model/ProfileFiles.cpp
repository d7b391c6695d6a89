#include "model/ProfileFiles.h"

#include "model/DpiLevelStore.h"

#include "model/AppPaths.h"
#include "model/AtomicFile.h"
#include "model/DeviceDescription.h"
#include "model/GlobalRecords.h"
#include "model/IniFileCheck.h"
#include "model/IniValues.h"
#include "model/IniWriter.h"
#include "model/ProfilePrefetch.h"
#include "model/ProfileRecordIo.h"
#include "model/ProfileRules.h"
#include "model/SafeName.h"
#include "model/SetAsideFiles.h"
#include "model/SettingsFile.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

#include <cerrno>

namespace {
const QString kProfileGroup = QStringLiteral("PROFILE");
const QString kProfileSuffix = QStringLiteral(".prof");
const QString kIdentityKey = QStringLiteral("MouseName/Name");
const QString kProfileIdKey = QStringLiteral("Config/ProfileID");
const QString kCountKey = QStringLiteral("Config/Count");
const QString kDiffKey = QStringLiteral("Config/Diff");
const QString kListGroup = QStringLiteral("PROFILE_LIST");

QString slotNameKey(int slot)
{
    return QStringLiteral("Config/Profile%1").arg(slot + 1);
}

QString exportGroup(int slot)
{
    return QStringLiteral("PROFILE_%1").arg(slot);
}

bool isSlot(int value)
{
    return value >= 0 && value < MouseConfig::kProfileCount;
}

// A key the file lacks leaves the field as it was: the caller set the defaults.
void readByte(const QSettings& s, const QString& key, quint8& field)
{
    const QVariant v = s.value(key);
    if (v.isValid())
        field = static_cast<quint8>(v.toInt());
}

// The values every file with a `Config` group carries; ProfileID is written by the callers.
void readDeviceWide(const QSettings& s, MouseConfig& c)
{
    // An index outside the five slots would select no profile at all.
    const QVariant id = s.value(kProfileIdKey);
    if (id.isValid())
        c.ProfileID = static_cast<quint8>(isSlot(id.toInt()) ? id.toInt() : 0);
    readByte(s, QStringLiteral("Config/AngleValue"), c.AngleValue);
    readByte(s, QStringLiteral("Config/LiftHigh"), c.LiftHigh);
    readByte(s, QStringLiteral("Config/Sync"), c.Sync);
    readByte(s, QStringLiteral("Config/Jitter"), c.Jitter);
    readByte(s, QStringLiteral("Config/Debounce"), c.Debounce);
    readByte(s, QStringLiteral("Config/Wake"), c.Wake);
    readByte(s, QStringLiteral("Config/SensorMode"), c.SensorMode);
    readByte(s, kCountKey, c.Count);
}

// A slot without a name that can name a file takes the first default name no other slot uses,
// so that every slot has a file to load from and to save to.
void nameUnnamedSlots(MouseConfig& c)
{
    for (int i = 0; i < MouseConfig::kProfileCount; ++i) {
        if (SafeName::isValid(c.ProfileNames[i]))
            continue;
        for (int n = i + 1;; ++n) {
            const QString name = QStringLiteral("Profile %1").arg(n);
            bool used = false;
            for (const QString& other : c.ProfileNames)
                used = used || other == name;
            if (!used) {
                c.ProfileNames[i] = name;
                break;
            }
        }
    }
}

// A file lost on the way leaves the mouse holding what no file says any more: the next write
// sends everything rather than only what differs from values the mouse may never have had.
class FallbackWatch
{
public:
    ~FallbackWatch()
    {
        if (SetAsideFiles::count() != m_iBefore)
            ProfileFiles::writeFullWriteFlag(1);
    }

private:
    const int m_iBefore = SetAsideFiles::count();
};

// Most files hold every key and are read as they are. Whatever a damaged or foreign file lacks
// is taken from the factory profile, never left at 0: a button of function 0 does nothing, and
// a DPI of 0 leaves the pointer still.
// The keys the values lack.
int readPresent(ProfileData& profile, const ProfileRecordIo::ValueOf& value)
{
    int absent = 0;
    ProfileRecordIo::read(
        [&](const QString& key, const QVariant& def) {
            const QVariant v = value(key, def);
            absent += v.isValid() ? 0 : 1;
            return v;
        },
        kProfileGroup, profile);
    return absent;
}

void readOverFactory(ProfileData& profile, const ProfileRecordIo::ValueOf& value)
{
    if (readPresent(profile, value) == 0)
        return;
    ProfileRules::buildDefaultProfile(profile);
    ProfileRecordIo::read(value, kProfileGroup, profile, ProfileRecordIo::WithSleepFields,
                          ProfileRecordIo::KeepAbsent);
}

template <class Target> void writeDeviceWide(Target& s, const MouseConfig& c)
{
    s.setValue(kProfileIdKey, static_cast<int>(c.ProfileID));
    s.setValue(QStringLiteral("Config/AngleValue"), static_cast<int>(c.AngleValue));
    s.setValue(QStringLiteral("Config/Sync"), static_cast<int>(c.Sync));
    s.setValue(QStringLiteral("Config/LiftHigh"), static_cast<int>(c.LiftHigh));
    s.setValue(QStringLiteral("Config/Jitter"), static_cast<int>(c.Jitter));
    s.setValue(QStringLiteral("Config/Debounce"), static_cast<int>(c.Debounce));
    s.setValue(QStringLiteral("Config/Wake"), static_cast<int>(c.Wake));
    s.setValue(QStringLiteral("Config/SensorMode"), static_cast<int>(c.SensorMode));
    s.setValue(kCountKey, static_cast<int>(c.Count));
}

ProfileFiles::SaveError& saveError()
{
    thread_local ProfileFiles::SaveError error;
    return error;
}

// Keeps the first failure until it is taken.
bool noteSave(bool saved, const QString& path, const QString& reason)
{
    if (!saved && saveError().reason.isEmpty()) {
        qDebug() << "could not save" << path << ":" << reason;
        saveError() = {QFileInfo(path).fileName(), reason};
    }
    return saved;
}

// Opens `path` for writing, lets `fill` set its keys and saves. A file there that is no INI
// text is replaced rather than merged.
template <class Fill> bool writeIni(const QString& path, Fill&& fill)
{
    if (path.isEmpty())
        return false;
    SettingsFile file(path, SettingsFile::Write);
    fill(file);
    const bool saved = file.save();
    return noteSave(saved, path, file.errorString());
}

// A file the user picked as the target of an export is replaced, not merged with: the keys of
// the new content are written into an empty text, and that replaces the file whole.
template <class Fill> bool replaceIni(const QString& path, Fill&& fill)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return noteSave(false, path, qt_error_string(EISDIR));
    IniWriter writer;
    fill(writer);
    const QByteArray bytes = writer.toBytes();
    QFile old(path);
    if (old.open(QIODevice::ReadOnly) && old.readAll() == bytes)
        return true;
    QString error;
    return noteSave(AtomicFile::write(path, bytes, &error), path, error);
}

// The product name as a folder name; empty when the description lacks one that can name a folder.
QString modelFolderName()
{
    const QString product = DeviceDescription::productName();
    return SafeName::isValid(product) ? product : QString();
}

bool identityMatches(const QSettings& s)
{
    const QString identity = s.value(kIdentityKey).toString();
    return !identity.isEmpty() && identity == DeviceDescription::productName();
}

// What every file from outside passes first: a readable INI text file that names this product.
// `file` is opened on it once it is known to be readable.
ProfileFiles::ImportResult openForeign(const QString& path, std::optional<SettingsFile>& file)
{
    if (!IniFileCheck::isReadable(path) || !QFileInfo(path).isFile())
        return ProfileFiles::ImportResult::Unreadable;
    file.emplace(path);
    if (!file->isOpen())
        return ProfileFiles::ImportResult::Unreadable;
    return identityMatches(file->settings()) ? ProfileFiles::ImportResult::Imported
                                             : ProfileFiles::ImportResult::Mismatch;
}
} // namespace

void ProfileFiles::loadConfiguration(MouseConfig& config)
{
    loadDeviceWide(config);
    for (int i = 0; i < MouseConfig::kProfileCount; ++i)
        loadSlotProfile(config, i);
}

void ProfileFiles::loadDeviceWide(MouseConfig& config)
{
    const FallbackWatch watch;
    // What the file does not say is as the description delivers the mouse.
    ProfileRules::resetDeviceWide(config);
    config.ProfileID = 0;
    config.Count = 0;
    for (QString& name : config.ProfileNames)
        name.clear();
    const QString path = AppPaths::configIni();
    const SettingsFile file(path);
    if (file.isOpen()) {
        const QSettings& s = file.settings();
        readDeviceWide(s, config);
        for (int i = 0; i < MouseConfig::kProfileCount; ++i)
            config.ProfileNames[i] = s.value(slotNameKey(i)).toString();
    } else {
        SetAsideFiles::recordUnread(path, SetAsideFiles::Unreadable);
    }
    nameUnnamedSlots(config);
    DeviceDescription::readButtonMatrix(GlobalRecords::buttonMatrix());
}

void ProfileFiles::loadSlotProfile(MouseConfig& config, int slot)
{
    if (slot < 0 || slot >= MouseConfig::kProfileCount)
        return;
    const FallbackWatch watch;
    ProfileData& profile = config.Profile[slot];
    const QString name = config.ProfileNames[slot];
    const QString path = profilePath(name);
    if (!path.isEmpty() && (QFileInfo::exists(path) || QFileInfo(path).isSymLink())) {
        loadProfile(profile, path);
        return;
    }
    // The profile actions keep their files in the per-model folder; a slot whose own copy was
    // never written takes that one before the factory profile.
    const QString copy = modelProfilePath(name);
    if (!copy.isEmpty() && QFileInfo(copy).isFile() && loadProfile(profile, copy))
        return;
    ProfileRules::buildDefaultProfile(profile);
    if (!path.isEmpty())
        SetAsideFiles::recordUnread(path, SetAsideFiles::Missing);
}

bool ProfileFiles::saveConfiguration(const MouseConfig& config)
{
    // The slot the window shows is the one written to the mouse, so it is the one kept; the
    // other slots' files hold what they held.
    const int slot = config.ProfileID % MouseConfig::kProfileCount;
    const QString path = profilePath(config.ProfileNames[slot]);
    if (path.isEmpty())
        return false;
    const bool configWritten = writeIni(AppPaths::configIni(), [&](SettingsFile& s) {
        writeDeviceWide(s, config);
        s.setValue(slotNameKey(slot), config.ProfileNames[slot]);
    });
    return saveProfile(config.Profile[slot], path) && configWritten;
}

bool ProfileFiles::loadProfile(ProfileData& profile, const QString& path)
{
    DpiLevelStore::drain();
    // Checked and parsed on another core while the window was built (the start's own slot).
    ProfilePrefetch::Taken ahead = ProfilePrefetch::take(path);
    if (ahead.values) {
        // Read there into a record as fresh as this one, from the same values: the same result.
        if (ahead.profile && profile == ProfileData()) {
            profile = std::move(*ahead.profile);
            return true;
        }
        const IniValues& values = *ahead.values;
        readOverFactory(profile, [&values](const QString& key, const QVariant& def) {
            return values.value(key, def);
        });
        return true;
    }
    // The quick way for the files this system writes; QSettings reads anything else.
    QByteArray text;
    const IniFileCheck::Verdict verdict = IniFileCheck::inspect(path, &text);
    if (verdict == IniFileCheck::Verdict::Sound && QFileInfo(path).isFile()) {
        const IniValues values(text);
        if (values.isComplete()) {
            readOverFactory(profile, [&values](const QString& key, const QVariant& def) {
                return values.value(key, def);
            });
            return true;
        }
    }
    const SettingsFile file(path);
    // A damaged file has been set aside and replaced by its sound lines by now; one that still
    // cannot be read is told about, and the factory profile stands in.
    const IniFileCheck::Verdict now = IniFileCheck::inspect(path);
    if (!file.isOpen() ||
        (now != IniFileCheck::Verdict::Sound && now != IniFileCheck::Verdict::Damaged)) {
        ProfileRules::buildDefaultProfile(profile);
        if (verdict != IniFileCheck::Verdict::Missing)
            SetAsideFiles::recordUnread(path, SetAsideFiles::Unreadable);
        return false;
    }
    const QSettings& s = file.settings();
    readOverFactory(profile,
                    [&s](const QString& key, const QVariant& def) { return s.value(key, def); });
    return true;
}

bool ProfileFiles::readFullProfile(ProfileData& profile, const IniValues& values)
{
    return readPresent(profile, [&values](const QString& key, const QVariant& def) {
               return values.value(key, def);
           }) == 0;
}

bool ProfileFiles::saveProfile(const ProfileData& profile, const QString& path)
{
    DpiLevelStore::drain();
    return writeIni(path,
                    [&](SettingsFile& s) { ProfileRecordIo::write(s, kProfileGroup, profile); });
}

bool ProfileFiles::loadProfileByName(ProfileData& profile, const QString& name)
{
    const QString path = profilePath(name);
    return !path.isEmpty() && loadProfile(profile, path);
}

bool ProfileFiles::saveProfileByName(const ProfileData& profile, const QString& name)
{
    const QString path = profilePath(name);
    return !path.isEmpty() && saveProfile(profile, path);
}

QString ProfileFiles::activeProfilePath(const IniValues& config)
{
    // As the configuration is read at start: an index outside the five slots is slot 1.
    const int id = config.value(kProfileIdKey, 0).toInt();
    const int slot = isSlot(id) ? id : 0;
    const QString name = config.value(slotNameKey(slot)).toString();
    return SafeName::isValid(name) ? profilePath(name) : QString();
}

QString ProfileFiles::profilePath(const QString& name)
{
    return SafeName::filePath(AppPaths::profileDir(), name, kProfileSuffix);
}

QString ProfileFiles::modelProfilePath(const QString& name)
{
    const QString model = modelFolderName();
    if (model.isEmpty())
        return QString();
    return SafeName::filePath(AppPaths::modelProfileDir(model), name, kProfileSuffix);
}

bool ProfileFiles::saveActiveSlot(int slot)
{
    if (!isSlot(slot))
        return false;
    return writeIni(AppPaths::configIni(),
                    [&](SettingsFile& s) { s.setValue(kProfileIdKey, slot); });
}

bool ProfileFiles::saveSlots(const MouseConfig& config)
{
    return writeIni(AppPaths::configIni(), [&](SettingsFile& s) {
        s.setValue(kProfileIdKey, static_cast<int>(config.ProfileID));
        s.setValue(kCountKey, static_cast<int>(config.Count));
        for (int i = 0; i < MouseConfig::kProfileCount; ++i)
            s.setValue(slotNameKey(i), config.ProfileNames[i]);
    });
}

bool ProfileFiles::storeDpiLevel(const QString& path, int level)
{
    // Called away from the interface thread (DpiLevelStore): its failure is logged there, not
    // noted as a write's own.
    SettingsFile file(path, SettingsFile::Write);
    file.setValue(kProfileGroup + QStringLiteral("/dpi"), level);
    return file.save();
}

int ProfileFiles::readFullWriteFlag()
{
    return SettingsFile(AppPaths::configIni())->value(kDiffKey).toInt();
}

bool ProfileFiles::writeFullWriteFlag(int value)
{
    return writeIni(AppPaths::configIni(), [&](SettingsFile& s) { s.setValue(kDiffKey, value); });
}

bool ProfileFiles::exportConfiguration(const MouseConfig& config, const QString& path)
{
    return replaceIni(path, [&](IniWriter& s) {
        s.setValue(kIdentityKey, DeviceDescription::productName());
        writeDeviceWide(s, config);
        for (int i = 0; i < MouseConfig::kProfileCount; ++i)
            ProfileRecordIo::write(s, exportGroup(i), config.Profile[i],
                                   ProfileRecordIo::WithoutSleepFields);
    });
}

ProfileFiles::ImportResult ProfileFiles::importConfiguration(MouseConfig& config,
                                                             const QString& path)
{
    // A file brought in from outside is taken whole or not at all.
    std::optional<SettingsFile> file;
    if (const ImportResult check = openForeign(path, file); check != ImportResult::Imported)
        return check;
    const QSettings& s = file->settings();
    MouseConfig next = config;
    readDeviceWide(s, next);
    for (int i = 0; i < MouseConfig::kProfileCount; ++i) {
        // Files written by this system carry no slot names; the slots then keep theirs rather
        // than being left without a file.
        const QString name = s.value(slotNameKey(i)).toString();
        if (SafeName::isValid(name))
            next.ProfileNames[i] = name;
        ProfileRecordIo::read(s, exportGroup(i), next.Profile[i],
                              ProfileRecordIo::WithoutSleepFields);
    }
    config = next;
    return ImportResult::Imported;
}

bool ProfileFiles::writeIdentity(const QString& path)
{
    const QString product = DeviceDescription::productName();
    if (product.isEmpty())
        return false;
    return writeIni(path, [&](SettingsFile& s) { s.setValue(kIdentityKey, product); });
}

QString ProfileFiles::readIdentity(const QString& path)
{
    return SettingsFile(path)->value(kIdentityKey).toString();
}

bool ProfileFiles::writeFactoryProfile()
{
    ProfileData profile;
    ProfileRules::buildDefaultProfile(profile);
    const QString path = AppPaths::profileDir() + QStringLiteral("/DefaultProfile.prof");
    // Rewritten from scratch: keys of an older copy must not survive a merge.
    return replaceIni(path,
                      [&](IniWriter& s) { ProfileRecordIo::write(s, kProfileGroup, profile); });
}

ProfileFiles::SaveError ProfileFiles::takeSaveError()
{
    const SaveError error = saveError();
    saveError() = SaveError();
    return error;
}

QStringList ProfileFiles::loadProfileList()
{
    QStringList names;
    const QString model = modelFolderName();
    if (model.isEmpty())
        return names;
    SettingsFile file(AppPaths::modelConfigIni(model));
    QSettings& s = file.settings();
    s.beginGroup(kListGroup);
    // The count is bounded by the keys actually present, so a damaged count cannot run away.
    const int count = qMin(s.value(QStringLiteral("Count")).toInt(), s.childKeys().size());
    for (int i = 1; i <= count; ++i) {
        const QString name = s.value(QString::number(i)).toString();
        if (SafeName::isValid(name))
            names.append(name);
    }
    return names;
}

bool ProfileFiles::saveProfileList(const QStringList& names)
{
    const QString model = modelFolderName();
    if (model.isEmpty())
        return false;
    for (const QString& name : names)
        if (!SafeName::isValid(name))
            return false;
    return writeIni(AppPaths::modelConfigIni(model), [&](SettingsFile& s) {
        // Entries beyond the new count would otherwise stay behind after a deletion.
        s.remove(kListGroup);
        const QString prefix = kListGroup + QLatin1Char('/');
        s.setValue(prefix + QStringLiteral("Count"), names.size());
        for (int i = 0; i < names.size(); ++i)
            s.setValue(prefix + QString::number(i + 1), names.at(i));
    });
}

bool ProfileFiles::exportProfile(const QString& name, const QString& target)
{
    DpiLevelStore::drain();
    const QString source = modelProfilePath(name);
    // Stamping a missing file would create one that holds nothing but the identity.
    if (source.isEmpty() || target.isEmpty() || !QFileInfo(source).isFile())
        return false;
    if (!writeIdentity(source))
        return false;
    const QFileInfo from(source);
    const QFileInfo to(target);
    if (to.exists() && from.canonicalFilePath() == to.canonicalFilePath())
        return true;
    QString error;
    return noteSave(AtomicFile::copy(source, target, &error), target, error);
}

ProfileFiles::ImportResult ProfileFiles::importProfile(ProfileData& profile, const QString& source,
                                                       QString* importedName)
{
    const ImportResult check = checkForeignProfile(source);
    if (check != ImportResult::Imported)
        return check;
    const QString name = QFileInfo(source).completeBaseName();
    const QString target = modelProfilePath(name);
    if (target.isEmpty())
        return ImportResult::NameRefused;
    if (QFileInfo::exists(target))
        return ImportResult::NameExists;
    QString error;
    if (!noteSave(AtomicFile::copy(source, target, &error), target, error))
        return ImportResult::CopyFailed;
    QStringList names = loadProfileList();
    if (!names.contains(name))
        names.append(name);
    if (!saveProfileList(names)) {
        QFile::remove(target);
        return ImportResult::CopyFailed;
    }
    loadProfile(profile, target);
    if (importedName)
        *importedName = name;
    return ImportResult::Imported;
}

ProfileFiles::ImportResult ProfileFiles::checkForeignProfile(const QString& path,
                                                             QString* missingKey)
{
    std::optional<SettingsFile> file;
    if (const ImportResult check = openForeign(path, file); check != ImportResult::Imported)
        return check;
    const QSettings& s = file->settings();
    for (const QString& key : ProfileRecordIo::requiredKeys(kProfileGroup)) {
        if (!s.contains(key)) {
            if (missingKey)
                *missingKey = key;
            return ImportResult::Incomplete;
        }
    }
    return ImportResult::Imported;
}
