#pragma once

#include "app/ProfileManager.h"

#include <QObject>
#include <QString>

class QWidget;

// The profile area's buttons and menus as the user meets them: asks the questions and file
// dialogs through UserPrompts, runs the operation on the ProfileManager, shows a refusal as a
// notice titled "Warning", and tells the main window through its signals what follows. The
// select-profile short forms go to the mouse from here; everything else that touches the window
// or the writer is the window's to do.
class ProfileActions : public QObject
{
    Q_OBJECT
public:
    static constexpr const char* kWarningTitle = QT_TRANSLATE_NOOP("ProfileActions", "Warning");
    static constexpr const char* kAskDelete =
        QT_TRANSLATE_NOOP("ProfileActions", "Are you sure you want delete this profile?");
    static constexpr const char* kAskReset =
        QT_TRANSLATE_NOOP("ProfileActions", "Are you sure you want reset this profile?");
    static constexpr const char* kAskResetAll =
        QT_TRANSLATE_NOOP("ProfileActions", "Are you sure you want reset all profiles?");
    static constexpr const char* kSaveProfileCaption =
        QT_TRANSLATE_NOOP("ProfileActions", "Save Profile File");
    static constexpr const char* kLoadProfileCaption =
        QT_TRANSLATE_NOOP("ProfileActions", "Load Profile File");
    static constexpr const char* kProfileFilter =
        QT_TRANSLATE_NOOP("ProfileActions", "Profile File(*.prof)");
    static constexpr const char* kLoadConfigCaption =
        QT_TRANSLATE_NOOP("ProfileActions", "Load Config File");
    static constexpr const char* kSaveConfigCaption =
        QT_TRANSLATE_NOOP("ProfileActions", "Save Config File");
    static constexpr const char* kConfigFilter =
        QT_TRANSLATE_NOOP("ProfileActions", "Config File(*.conf)");
    static constexpr const char* kFieldToolTip =
        QT_TRANSLATE_NOOP("ProfileActions", "Press Enter To Apply");

    // `window` parents the message boxes and file dialogs.
    explicit ProfileActions(QWidget* window, QObject* parent = nullptr);

    ProfileManager& manager() { return m_Manager; }
    const ProfileManager& manager() const { return m_Manager; }

    // Each returns true when the operation was carried out, false when the user cancelled or it
    // was refused (the notice has then been shown).
public slots:
    bool selectSlot(int iSlot);
    bool assignProfile(const QString& name);
    bool addProfile();
    bool copyProfile();
    bool deleteProfile(const QString& fieldText);
    bool renameProfile(const QString& fieldText);
    bool resetProfile();
    bool resetAll();
    bool exportProfile();
    bool importProfile();
    bool loadConfiguration();
    bool saveConfiguration();

signals:
    void stopBatteryThread();
    void retranslateTexts();
    void showFirstPage();
    void refreshModelParts();
    void refreshPages();
    void rebuildProfileMenu();
    void applyPointerSpeed();
    void profileNameChanged(const QString& name);
    // Start the writer with the busy dialog and report its failure.
    void writeConfiguration(bool bFullWrite);

private:
    bool carryOut(const ProfileOutcome& outcome);

    QWidget* m_pWindow;
    ProfileManager m_Manager;
};
