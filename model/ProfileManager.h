#pragma once

#include "model/ProfileData.h"
#include "model/ProfileOutcome.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

// The profile area's operations on the live configuration (current slot, slot names, records),
// the per-model profile list and the per-model profile folder, without any widget. Questions and
// file dialogs are asked by the caller first; each operation either does all it stands for or,
// refused or failed, leaves files, list, slot names and records as they were.
//
// Besides the list, every operation that gives a slot another name or record also stores the
// five slot names in Config.ini and that slot's record under its name in the slot profile folder,
// which is where start-up reads the slots from.
class ProfileManager
{
public:
    static constexpr int kMaxProfiles = 200;

    // Notices, as the translation keys of the "ProfileActions" context.
    static constexpr const char* kAlreadyUsed =
        QT_TRANSLATE_NOOP("ProfileActions", "Profile is Already Used!");
    static constexpr const char* kKeepOne =
        QT_TRANSLATE_NOOP("ProfileActions", "AT LEAST ONE PROFILE TO BE RETAINED.");
    static constexpr const char* kDefaultProtected =
        QT_TRANSLATE_NOOP("ProfileActions", "The default Profile cannot be deleted or renamed.");
    static constexpr const char* kExists = QT_TRANSLATE_NOOP("ProfileActions", "Profile Exist!");
    static constexpr const char* kNotMatch =
        QT_TRANSLATE_NOOP("ProfileActions", "The file is not match current mouse!");
    static constexpr const char* kListFull =
        QT_TRANSLATE_NOOP("ProfileActions", "AT MOST 200 PROFILES CAN BE KEPT.");
    static constexpr const char* kInvalidName =
        QT_TRANSLATE_NOOP("ProfileActions", "Invalid Profile Name!");
    static constexpr const char* kNotInList =
        QT_TRANSLATE_NOOP("ProfileActions", "Profile Does Not Exist!");
    static constexpr const char* kNoReplacement =
        QT_TRANSLATE_NOOP("ProfileActions", "NO FREE PROFILE TO TAKE ITS PLACE.");
    static constexpr const char* kCopyFailed =
        QT_TRANSLATE_NOOP("ProfileActions", "Failed to copy the profile file.");
    static constexpr const char* kRenameFailed =
        QT_TRANSLATE_NOOP("ProfileActions", "Failed to rename the profile file.");
    static constexpr const char* kDeleteFailed =
        QT_TRANSLATE_NOOP("ProfileActions", "Failed to delete the profile file.");
    static constexpr const char* kListWriteFailed =
        QT_TRANSLATE_NOOP("ProfileActions", "Failed to store the profile list.");
    static constexpr const char* kConfigWriteFailed =
        QT_TRANSLATE_NOOP("ProfileActions", "Failed to write the config file.");

    // Reads the per-model profile list.
    ProfileManager();

    // Again from the per-model Config.ini, after the model changed.
    void loadList();
    const QStringList& profileList() const { return m_ProfileList; }
    int currentSlot() const;
    QString currentName() const;
    // "Profile 1" .. "Profile 5".
    static bool isDefaultName(const QString& name);

    // Slot menu entry `slot` (0..4).
    ProfileOutcome selectSlot(int slot);
    // Stored-profile menu entry: the current slot takes that profile.
    ProfileOutcome assignProfile(const QString& name);
    // "ADD": "Profile n" from the template, for the current slot.
    ProfileOutcome addProfile();
    // "COPY": a copy of the current slot's profile file, which the slot then names.
    ProfileOutcome copyProfile();
    // "DELETE" up to its question: refused, or nothing (go on and ask).
    ProfileOutcome checkDelete(const QString& name) const;
    // "DELETE" after the question: the current slot takes a replacement.
    ProfileOutcome deleteProfile(const QString& name);
    // Return in the profile-name field.
    ProfileOutcome renameProfile(const QString& newName);
    // "RESET" and "Reset All", after their questions.
    ProfileOutcome resetProfile();
    ProfileOutcome resetAll();
    // Export, import, "LOAD1" and "SAVE" with the path the file dialog gave (not empty).
    ProfileOutcome exportProfile(const QString& target);
    ProfileOutcome importProfile(const QString& source);
    ProfileOutcome loadConfiguration(const QString& path);
    ProfileOutcome saveConfiguration(const QString& path);

private:
    bool usedByOtherSlot(const QString& name) const;
    bool usedBySlot(const QString& name) const;
    // Named by a file of the per-model folder, a list entry or a slot.
    bool isTaken(const QString& name) const;
    // Index of the entry the current slot moves to when entry `index` is deleted; -1 for none.
    int replacementFor(int index) const;
    bool storeList(const QStringList& names);
    // The current slot takes `name` and `profile`; the slot names and the record are stored.
    void takeProfile(const QString& name, const ProfileData& profile);
    void storeSlot(int slot) const;
    void storeAllSlots() const;

    QStringList m_ProfileList;
};
