#include "model/ProfileManager.h"

#include "model/AppPaths.h"
#include "model/AtomicFile.h"
#include "model/DeviceDescription.h"
#include "model/GlobalRecords.h"
#include "model/ProfileFiles.h"
#include "model/ProfileRules.h"
#include "model/SafeName.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
using Effect = ProfileOutcome::Effect;

MouseConfig& live()
{
    return GlobalRecords::live();
}

QString defaultName(int n)
{
    return QStringLiteral("Profile %1").arg(n);
}

bool fileExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo::exists(path);
}

// The per-model template for new profiles; the factory profile that start-up rewrites in the
// slot folder stands in for it when the installation lacks one.
QString templatePath()
{
    const QString perModel = ProfileFiles::modelProfilePath(QStringLiteral("DefaultProfile"));
    if (fileExists(perModel))
        return perModel;
    const QString factory = AppPaths::profileDir() + QStringLiteral("/DefaultProfile.prof");
    return QFileInfo::exists(factory) ? factory : QString();
}

// A copy of a read-only file (an installation's template, an import from a read-only medium)
// must still take the identity stamp of a later export.
bool copyFile(const QString& from, const QString& to)
{
    if (from.isEmpty() || to.isEmpty() || !QDir().mkpath(QFileInfo(to).path()))
        return false;
    // Whole or not at all: a copy cut short by a full disk must not become a profile.
    if (!AtomicFile::copy(from, to))
        return false;
    QFile copy(to);
    copy.setPermissions(copy.permissions() | QFile::ReadOwner | QFile::WriteOwner);
    return true;
}
} // namespace

ProfileManager::ProfileManager()
{
    loadList();
}

void ProfileManager::loadList()
{
    m_ProfileList = ProfileFiles::loadProfileList();
}

int ProfileManager::currentSlot() const
{
    return live().ProfileID % MouseConfig::kProfileCount;
}

QString ProfileManager::currentName() const
{
    return live().ProfileNames[currentSlot()];
}

bool ProfileManager::isDefaultName(const QString& name)
{
    for (int n = 1; n <= MouseConfig::kProfileCount; ++n) {
        if (name == defaultName(n))
            return true;
    }
    return false;
}

ProfileOutcome ProfileManager::selectSlot(int slot)
{
    if (slot < 0 || slot >= MouseConfig::kProfileCount)
        return ProfileOutcome::done(ProfileOutcome::NoEffect);
    live().ProfileID = static_cast<quint8>(slot);
    ProfileFiles::saveActiveSlot(slot);
    return ProfileOutcome::done(ProfileOutcome::RefreshPages | ProfileOutcome::RebuildMenu |
                                    ProfileOutcome::SelectOnDevice |
                                    ProfileOutcome::ApplyPointerSpeed | ProfileOutcome::ShowName,
                                currentName());
}

ProfileOutcome ProfileManager::assignProfile(const QString& name)
{
    if (!SafeName::isValid(name))
        return ProfileOutcome::refused(kInvalidName);
    if (usedByOtherSlot(name))
        return ProfileOutcome::refused(kAlreadyUsed);
    ProfileData profile;
    ProfileFiles::loadProfile(profile, ProfileFiles::modelProfilePath(name));
    takeProfile(name, profile);
    return ProfileOutcome::done(ProfileOutcome::ShowName | ProfileOutcome::RebuildMenu |
                                    ProfileOutcome::RefreshPages,
                                name);
}

ProfileOutcome ProfileManager::addProfile()
{
    if (m_ProfileList.size() >= kMaxProfiles)
        return ProfileOutcome::refused(kListFull);
    QString name;
    for (int n = 1;; ++n) {
        name = defaultName(n);
        if (!isTaken(name))
            break;
    }
    const QString target = ProfileFiles::modelProfilePath(name);
    if (!copyFile(templatePath(), target))
        return ProfileOutcome::refused(kCopyFailed);
    QStringList next = m_ProfileList;
    next.append(name);
    if (!storeList(next)) {
        QFile::remove(target);
        return ProfileOutcome::refused(kListWriteFailed);
    }
    ProfileData profile;
    ProfileFiles::loadProfile(profile, target);
    takeProfile(name, profile);
    return ProfileOutcome::done(ProfileOutcome::ShowName | ProfileOutcome::RebuildMenu |
                                    ProfileOutcome::RefreshPages,
                                name);
}

ProfileOutcome ProfileManager::copyProfile()
{
    if (m_ProfileList.size() >= kMaxProfiles)
        return ProfileOutcome::refused(kListFull);
    const QString source = currentName();
    const QString base = source + QStringLiteral(" copy");
    QString name = base;
    for (int k = 2; isTaken(name); ++k)
        name = base + QLatin1Char(' ') + QString::number(k);
    if (!SafeName::isValid(name))
        return ProfileOutcome::refused(kInvalidName);
    const QString target = ProfileFiles::modelProfilePath(name);
    if (!copyFile(ProfileFiles::modelProfilePath(source), target))
        return ProfileOutcome::refused(kCopyFailed);
    QStringList next = m_ProfileList;
    next.append(name);
    if (!storeList(next)) {
        QFile::remove(target);
        return ProfileOutcome::refused(kListWriteFailed);
    }
    // The record stays: it is the profile that was just copied.
    live().ProfileNames[currentSlot()] = name;
    storeSlot(currentSlot());
    return ProfileOutcome::done(ProfileOutcome::ShowName | ProfileOutcome::RebuildMenu, name);
}

ProfileOutcome ProfileManager::checkDelete(const QString& name) const
{
    if (m_ProfileList.size() <= 1)
        return ProfileOutcome::refused(kKeepOne);
    if (isDefaultName(name))
        return ProfileOutcome::refused(kDefaultProtected);
    const int index = m_ProfileList.indexOf(name);
    if (index < 0)
        return ProfileOutcome::refused(kNotInList);
    // Another slot would be left naming a profile that no longer exists.
    if (usedByOtherSlot(name))
        return ProfileOutcome::refused(kAlreadyUsed);
    if (replacementFor(index) < 0)
        return ProfileOutcome::refused(kNoReplacement);
    return ProfileOutcome::done(ProfileOutcome::NoEffect);
}

ProfileOutcome ProfileManager::deleteProfile(const QString& name)
{
    const ProfileOutcome check = checkDelete(name);
    if (check.isRefused())
        return check;
    const QString replacement = m_ProfileList.at(replacementFor(m_ProfileList.indexOf(name)));
    QStringList next = m_ProfileList;
    next.removeAll(name);
    if (!ProfileFiles::saveProfileList(next))
        return ProfileOutcome::refused(kListWriteFailed);
    const QString file = ProfileFiles::modelProfilePath(name);
    if (fileExists(file) && !QFile::remove(file)) {
        ProfileFiles::saveProfileList(m_ProfileList);
        return ProfileOutcome::refused(kDeleteFailed);
    }
    m_ProfileList = next;
    ProfileData profile;
    ProfileFiles::loadProfile(profile, ProfileFiles::modelProfilePath(replacement));
    takeProfile(replacement, profile);
    return ProfileOutcome::done(ProfileOutcome::ShowName | ProfileOutcome::RebuildMenu |
                                    ProfileOutcome::RefreshPages,
                                replacement);
}

ProfileOutcome ProfileManager::renameProfile(const QString& newName)
{
    const QString old = currentName();
    if (isDefaultName(old))
        return ProfileOutcome::refused(kDefaultProtected);
    if (!SafeName::isValid(newName))
        return ProfileOutcome::refused(kInvalidName);
    const QString target = ProfileFiles::modelProfilePath(newName);
    if (target.isEmpty())
        return ProfileOutcome::refused(kRenameFailed);
    if (fileExists(target) || m_ProfileList.contains(newName))
        return ProfileOutcome::refused(kExists);
    if (usedByOtherSlot(newName))
        return ProfileOutcome::refused(kAlreadyUsed);

    QStringList next = m_ProfileList;
    if (next.contains(old)) {
        for (QString& entry : next) {
            if (entry == old)
                entry = newName;
        }
    } else {
        if (next.size() >= kMaxProfiles)
            return ProfileOutcome::refused(kListFull);
        next.append(newName);
    }
    const QString source = ProfileFiles::modelProfilePath(old);
    if (source.isEmpty() || !QFile::rename(source, target))
        return ProfileOutcome::refused(kRenameFailed);
    if (!storeList(next)) {
        QFile::rename(target, source);
        return ProfileOutcome::refused(kListWriteFailed);
    }
    live().ProfileNames[currentSlot()] = newName;
    storeSlot(currentSlot());
    return ProfileOutcome::done(ProfileOutcome::ShowName | ProfileOutcome::RebuildMenu, newName);
}

ProfileOutcome ProfileManager::resetProfile()
{
    ProfileRules::buildDefaultProfile(live().activeProfile());
    storeSlot(currentSlot());
    return ProfileOutcome::done(ProfileOutcome::StopBattery | ProfileOutcome::Retranslate |
                                    ProfileOutcome::RefreshPages | ProfileOutcome::ShowName |
                                    ProfileOutcome::Write,
                                currentName());
}

ProfileOutcome ProfileManager::resetAll()
{
    ProfileRules::resetAll(live());
    storeAllSlots();
    return ProfileOutcome::done(ProfileOutcome::StopBattery | ProfileOutcome::RefreshPages |
                                    ProfileOutcome::RebuildMenu | ProfileOutcome::ShowName |
                                    ProfileOutcome::Write | ProfileOutcome::FullWrite,
                                currentName());
}

ProfileOutcome ProfileManager::exportProfile(const QString& target)
{
    if (!ProfileFiles::exportProfile(currentName(), target))
        return ProfileOutcome::refused(kCopyFailed);
    return ProfileOutcome::done(ProfileOutcome::NoEffect);
}

ProfileOutcome ProfileManager::importProfile(const QString& source)
{
    // Garbage, oversized and truncated files carry no identity and end here as well.
    const QString identity = ProfileFiles::readIdentity(source);
    if (identity.isEmpty() || identity != DeviceDescription::productName())
        return ProfileOutcome::refused(kNotMatch);
    if (m_ProfileList.size() >= kMaxProfiles)
        return ProfileOutcome::refused(kListFull);
    const QString name = QFileInfo(source).completeBaseName();
    if (!SafeName::isValid(name))
        return ProfileOutcome::refused(kInvalidName);
    if (fileExists(ProfileFiles::modelProfilePath(name)))
        return ProfileOutcome::refused(kExists);
    if (usedByOtherSlot(name))
        return ProfileOutcome::refused(kAlreadyUsed);

    ProfileData profile;
    switch (ProfileFiles::importProfile(profile, source)) {
    case ProfileFiles::ImportResult::Imported:
        break;
    case ProfileFiles::ImportResult::Mismatch:
    case ProfileFiles::ImportResult::Unreadable:
    case ProfileFiles::ImportResult::Incomplete:
        return ProfileOutcome::refused(kNotMatch);
    case ProfileFiles::ImportResult::NameRefused:
        return ProfileOutcome::refused(kInvalidName);
    case ProfileFiles::ImportResult::NameExists:
        return ProfileOutcome::refused(kExists);
    case ProfileFiles::ImportResult::CopyFailed:
        return ProfileOutcome::refused(kCopyFailed);
    }
    const QString target = ProfileFiles::modelProfilePath(name);
    QFile copy(target);
    copy.setPermissions(copy.permissions() | QFile::ReadOwner | QFile::WriteOwner);
    if (!m_ProfileList.contains(name))
        m_ProfileList.append(name);
    takeProfile(name, profile);
    return ProfileOutcome::done(ProfileOutcome::RebuildMenu | ProfileOutcome::RefreshPages |
                                    ProfileOutcome::ShowName | ProfileOutcome::Write,
                                name);
}

ProfileOutcome ProfileManager::loadConfiguration(const QString& path)
{
    if (ProfileFiles::importConfiguration(live(), path) != ProfileFiles::ImportResult::Imported)
        return ProfileOutcome::refused(kNotMatch);
    storeAllSlots();
    return ProfileOutcome::done(ProfileOutcome::ShowFirstPage | ProfileOutcome::RefreshModelParts |
                                    ProfileOutcome::RefreshPages | ProfileOutcome::RebuildMenu |
                                    ProfileOutcome::ShowName | ProfileOutcome::Write,
                                currentName());
}

ProfileOutcome ProfileManager::saveConfiguration(const QString& path)
{
    if (!ProfileFiles::exportConfiguration(live(), path))
        return ProfileOutcome::refused(kConfigWriteFailed);
    return ProfileOutcome::done(ProfileOutcome::NoEffect);
}

bool ProfileManager::usedByOtherSlot(const QString& name) const
{
    const int current = currentSlot();
    for (int i = 0; i < MouseConfig::kProfileCount; ++i) {
        if (i != current && live().ProfileNames[i] == name)
            return true;
    }
    return false;
}

bool ProfileManager::usedBySlot(const QString& name) const
{
    for (const QString& slotName : live().ProfileNames) {
        if (slotName == name)
            return true;
    }
    return false;
}

bool ProfileManager::isTaken(const QString& name) const
{
    return fileExists(ProfileFiles::modelProfilePath(name)) || m_ProfileList.contains(name) ||
           usedBySlot(name);
}

int ProfileManager::replacementFor(int index) const
{
    const int count = m_ProfileList.size();
    const QString& deleted = m_ProfileList.at(index);
    const auto isFree = [&](int i) {
        const QString& candidate = m_ProfileList.at(i);
        return candidate != deleted && !usedByOtherSlot(candidate);
    };
    // Towards the start of the list from the entry after the deleted one (from the one before
    // it when it is the last) ...
    for (int i = index == count - 1 ? count - 2 : index + 1; i >= 0; --i) {
        if (isFree(i))
            return i;
    }
    // ... and when that walk finds nothing, the first free entry of the whole list.
    for (int i = 0; i < count; ++i) {
        if (isFree(i))
            return i;
    }
    return -1;
}

bool ProfileManager::storeList(const QStringList& names)
{
    if (!ProfileFiles::saveProfileList(names))
        return false;
    m_ProfileList = names;
    return true;
}

void ProfileManager::takeProfile(const QString& name, const ProfileData& profile)
{
    const int slot = currentSlot();
    live().ProfileNames[slot] = name;
    live().Profile[slot] = profile;
    storeSlot(slot);
}

void ProfileManager::storeSlot(int slot) const
{
    ProfileFiles::saveSlots(live());
    ProfileFiles::saveProfileByName(live().Profile[slot], live().ProfileNames[slot]);
}

void ProfileManager::storeAllSlots() const
{
    ProfileFiles::saveSlots(live());
    for (int i = 0; i < MouseConfig::kProfileCount; ++i)
        ProfileFiles::saveProfileByName(live().Profile[i], live().ProfileNames[i]);
}
