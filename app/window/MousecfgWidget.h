#pragma once

#include "app/selection/DeviceSelectionHost.h"
#include "app/window/MainLayout.h"
#include "app/window/MousecfgServices.h"
#include "app/window/WindowBackground.h"
#include "app/window/WindowCommands.h"
#include "app/window/WindowServices.h"

#include <QColor>
#include <QHash>
#include <QPixmap>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

class BatteryDisplay;
class BatteryFeed;
class BatteryPoller;
class DeviceSelection;
class LanguageSwitcher;
class MainControls;
class ProfileActions;
class SlotSelector;
class StartUpWork;
class StatusFollower;
class TrayIcon;
class UnappliedEdits;
class WindowPages;

// The tool's one top-level window. It builds its parts in the order the start needs them, lays
// them out, and carries between them what one part learns and another shows: the controls and
// the battery display, the pages (WindowPages), what the mouse reports (StatusFollower), the
// profile operations (ProfileActions), Apply, OK and the other commands (WindowCommands), the
// tray (TrayIcon) and the device selection, for which it is the host.
class MousecfgWidget : public QWidget, public DeviceSelectionHost
{
    Q_OBJECT
public:
    static constexpr int kSelectDelayMs = 200;

    explicit MousecfgWidget(QWidget* parent = nullptr,
                            const MousecfgServices& services = MousecfgServices());
    ~MousecfgWidget() override;

    // DeviceSelectionHost
    QWidget* hostWindow() override { return this; }
    QString currentDevice() const override { return m_CurrentDevice; }
    void setCurrentDevice(const QString& codeName) override { m_CurrentDevice = codeName; }
    void refreshModelParts() override;
    void updateDeviceCount() override;
    void startBatteryPolling() override;
    void stopBatteryPolling() override;

    // Mice found by the last enumeration, as start-up reads it.
    int deviceCount() const { return m_DeviceList.size(); }
    // A device selection is under way.
    bool isBusy() const;
    // The selection routine: choose a mouse, open it after a pause, show the window.
    void selectDevice(bool bHotplug);
    // Every page, the slot marks and the name field from the live configuration.
    void refreshPages();

    quint8 currentProfile() const;
    // What the last write of the configuration came to.
    const ConfigWriter::Outcome& lastWrite() const { return m_pCommands->lastWrite(); }
    BatteryDisplay* batteryDisplay() const { return m_pBattery; }
    BatteryPoller* batteryPoller() const { return m_pPoller; }
    LanguageSwitcher* languageSwitcher() const { return m_pLanguage; }
    ProfileActions* profileActions() const { return m_pProfileActions; }
    WindowPages* pages() const { return m_pPages; }
    StatusFollower* statusFollower() const { return m_pStatus.get(); }
    SlotSelector* slotSelector() const { return m_pSlots; }
    UnappliedEdits* unappliedEdits() const { return m_pEdits; }
    StartUpWork* startUpWork() const { return m_pStartUp; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private slots:
    void onButtonClicked();
    void onProfileListChanged();

private:
    // Construction, in the order the window is built.
    void setUpDeviceNotifications();
    void buildWidgets();
    void loadProfiles();
    void connectProfileActions();
    void watchUnappliedEdits();
    void fillButtonTable();

    void layoutControls();
    void retranslateUi();
    void setUpFonts();
    void applyFonts();
    void rebuildProfileMenu();

    WindowServices m_Services;

    // State.
    QStringList m_ProfileList;
    QStringList m_DeviceList;
    QString m_CurrentDevice;
    QString m_ProductName;
    double m_dScale = 1.0;
    int m_iTextsLanguage = -1;
    MainLayout::Flags m_Flags;
    QColor m_Accent;
    // What each of the window's own buttons does (see onButtonClicked).
    QHash<int, std::function<void(QObject* button)>> m_ButtonActions;
    // A member rather than a child: the profile file it keeps open is written back as the
    // members go, before the pages and dialogs.
    std::unique_ptr<StatusFollower> m_pStatus;

    // Parts.
    WindowBackground m_Background;
    QPixmap m_ScaledBackground;
    BatteryPoller* m_pPoller = nullptr;
    DeviceSelection* m_pSelection = nullptr;
    LanguageSwitcher* m_pLanguage = nullptr;
    BatteryDisplay* m_pBattery = nullptr;
    MainControls* m_pControls = nullptr;
    ProfileActions* m_pProfileActions = nullptr;
    WindowPages* m_pPages = nullptr;
    WindowCommands* m_pCommands = nullptr;
    TrayIcon* m_pTray = nullptr;
    UnappliedEdits* m_pEdits = nullptr;
    SlotSelector* m_pSlots = nullptr;
    BatteryFeed* m_pFeed = nullptr;
    StartUpWork* m_pStartUp = nullptr;
};
