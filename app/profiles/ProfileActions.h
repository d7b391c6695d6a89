#pragma once

#include "model/ProfileManager.h"

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

// The profile area's buttons and menus as the user meets them: asks the questions and file
// dialogs through UserPrompts, runs the operation on the ProfileManager, shows a refusal as a
// notice titled "Warning", and tells the main window through its signals what follows. The
// select-profile short forms go to the mouse from here, through the window's way of running a
// device job; everything else that touches the window or the writer is the window's to do.
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

    // Sends the two commands that make a slot the mouse's active profile and returns their
    // result. By default a job thread under the busy dialog, with no battery polling to pause.
    using DeviceSelect = std::function<quint8(int iSlot)>;
    void setDeviceSelect(const DeviceSelect& select) { m_DeviceSelect = select; }

    ProfileManager& manager() { return m_Manager; }
    const ProfileManager& manager() const { return m_Manager; }

    // Each returns true when the operation was carried out, false when the user cancelled or it
    // was refused (the notice has then been shown).
public slots:
    // A switch the mouse did not take leaves the slot selected here and is told with the write
    // failure text, unless `pDeviceResult` is given: then it gets the result and nothing is told.
    bool selectSlot(int iSlot, quint8* pDeviceResult = nullptr);
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
    // Records were read or reset in place of what the pages showed: that is the state the
    // window starts from again (a slot switch only shows another slot).
    void recordsReplaced();
    void rebuildProfileMenu();
    void applyPointerSpeed();
    void profileNameChanged(const QString& name);
    // Start the writer with the busy dialog and report its failure.
    void writeConfiguration(bool bFullWrite);
    // An export or SAVE wrote `path`.
    void savedTo(const QString& path);

private:
    bool carryOut(const ProfileOutcome& outcome, quint8* pDeviceResult = nullptr);

    QWidget* m_pWindow;
    DeviceSelect m_DeviceSelect;
    ProfileManager m_Manager;
};
