#pragma once

#include "app/ConfigWriter.h"
#include "app/DeviceSelectionHost.h"
#include "app/MainLayout.h"
#include "app/MousecfgServices.h"
#include "app/WindowBackground.h"
#include "app/WindowDrag.h"

#include <QHash>
#include <QPixmap>
#include <QStringList>
#include <QSystemTrayIcon>
#include <QWidget>

#include <functional>
#include <memory>

class BatteryDisplay;
class BatteryPoller;
class DeviceChangeNotifier;
class DeviceSelection;
class KivoBtnWindow;
class KivoColorWindow;
class DpiTabPages;
class KivoPushButton;
class LanguageSwitcher;
class MacroDialog;
class MainControls;
class MousePicture;
class OsdAnnouncer;
class PageSwitch;
class ProfileActions;
class PointerSpeed;
class ProgramLauncher;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class SettingsFile;

// The tool's one top-level window: the page tabs and pages, the mouse picture, the battery and
// connection display, the profile controls, the window buttons, the tray icon. It follows what
// the mouse reports (profile, DPI level, report rate, battery), announces changes on the OSD,
// and writes the configuration to the mouse on Apply and OK.
class MousecfgWidget : public QWidget, public DeviceSelectionHost
{
    Q_OBJECT
public:
    static constexpr int kSelectDelayMs = 200;
    static constexpr int kOpenDelayMs = 500;

    explicit MousecfgWidget(QWidget* parent = nullptr,
                            const MousecfgServices& services = MousecfgServices());
    ~MousecfgWidget() override;

    // DeviceSelectionHost
    QWidget* hostWindow() override { return this; }
    QString currentDevice() const override { return m_CurrentDevice; }
    void setCurrentDevice(const QString& codeName) override;
    void refreshModelParts() override;
    void updateDeviceCount() override;
    void startBatteryPolling() override;
    void stopBatteryPolling() override;

    // Mice found by the last enumeration, as start-up reads it.
    int deviceCount() const { return m_iDeviceCount; }
    // A device selection is under way.
    bool isBusy() const;

    // The selection routine: choose a mouse, open it after a pause, show the window.
    void selectDevice(bool bHotplug);

    // Operations the pages and the profile management call.
    void showPage(int iPage);
    int currentPage() const;
    void selectHotspot(int iGroup, int iIndex);
    void refreshPages();
    void rebuildProfileMenu();
    ConfigWriter::Outcome writeConfiguration(bool bFullWrite = false);

    int scaleIndex() const { return m_iScaleIndex; }
    quint8 currentProfile() const;
    QStringList profileList() const { return m_ProfileList; }
    int selectedHotspot() const { return m_iSelectedHotspot; }
    int selectedGroup() const { return m_iSelectedGroup; }
    const ConfigWriter::Outcome& lastWrite() const { return m_LastWrite; }
    BatteryDisplay* batteryDisplay() const { return m_pBattery; }
    MousePicture* mousePicture() const { return m_pPicture; }
    // Built on first use.
    KivoBtnWindow* buttonWindow();
    QMenu* trayMenu() const { return m_pTrayMenu; }
    LanguageSwitcher* languageSwitcher() const { return m_pLanguage; }
    BatteryPoller* batteryPoller() const { return m_pPoller; }
    ProfileActions* profileActions() const { return m_pProfileActions; }
    // Built on first use.
    DpiTabPages* dpiTab();
    // Built on its first display: nothing else needs it before.
    MacroDialog* macroPage();

signals:
    void mouseDevicesUpdated(QStringList devices);

public slots:
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    void slotGotoMacro(quint8 iBtn);
    void slotPopOneClickBox();
    void slotEnableButtons(bool bEnable);
    void slotLiftChange(quint8 iLift);
    void slotProfileNameChange();
    void slotWarningFirst();
    void slotRefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    void slotRefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode);
    void slotMouseOver(KivoPushButton* btn, bool bType);
    void slotRefreshProfile(quint8 iProfile);
    void slotRefreshDPIStage(quint8 iDPI);
    void slotRefreshRate(quint8 iRate);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private slots:
    void onButtonClicked();
    void onDeviceOpened(bool bOpened);
    void onProfileListChanged();
    void applyPointerSpeed();

private:
    // Construction, in the order the window is built.
    void setUpScale();
    void setUpDeviceNotifications();
    void buildWidgets();
    void loadProfiles();
    void buildPages();
    void createTrayActions();
    void createTrayIcon();

    void layoutControls();
    void retranslateUi();
    void applyFonts();
    void announce(const QString& text);
    void openProfileSettings();
    SettingsFile* profileSettings();
    void connectProfileActions();
    void takePageValues();
    void hideToTray();
    bool hasTray() const;
    void updateBatteryState();
    void setFrontView(bool bFront);

    // Profile operations (slot menu, stored-profile menu, profile buttons).
    void onProfileSelectSlot(int iSlot);
    void onProfileAssign(const QString& name);
    void onProfileAdd();
    void onProfileCopy();
    void onProfileDelete();
    void onProfileRename();
    void onProfileReset();
    void onProfileResetAll();
    void onProfileExport();
    void onProfileImport();
    void onConfigLoad();
    void onConfigSave();

    void onApply();
    void onOk();
    void onCancel();
    void onClose();
    void onFirmwareUpdate();

    // Services.
    std::unique_ptr<OsdAnnouncer> m_pOwnAnnouncer;
    OsdAnnouncer* m_pAnnouncer = nullptr;
    std::unique_ptr<ProgramLauncher> m_pOwnLauncher;
    ProgramLauncher* m_pLauncher = nullptr;
    std::unique_ptr<PointerSpeed> m_pOwnPointerSpeed;
    PointerSpeed* m_pPointerSpeed = nullptr;
    MousecfgServices m_Services;

    // State.
    QStringList m_ProfileList;
    QStringList m_DeviceList;
    QString m_CurrentDevice;
    QString m_ProductName;
    double m_dScale = 1.0;
    int m_iScaleIndex = 0;
    int m_iSelectedHotspot = -1;
    int m_iSelectedGroup = -1;
    int m_iDeviceCount = 0;
    int m_iColorMode = 0;
    int m_iBatteryFull = 0;
    MainLayout::Flags m_Flags;
    QColor m_Accent;
    ConfigWriter::Outcome m_LastWrite;
    WindowDrag m_Drag;
    std::unique_ptr<SettingsFile> m_pProfileSettings;

    // Parts.
    WindowBackground m_Background;
    QPixmap m_ScaledBackground;
    BatteryPoller* m_pPoller = nullptr;
    DeviceChangeNotifier* m_pNotifier = nullptr;
    DeviceSelection* m_pSelection = nullptr;
    LanguageSwitcher* m_pLanguage = nullptr;
    BatteryDisplay* m_pBattery = nullptr;
    MousePicture* m_pPicture = nullptr;
    KivoBtnWindow* m_pBtnWindow = nullptr;
    PageSwitch* m_pPages = nullptr;
    MainControls* m_pControls = nullptr;
    ProfileActions* m_pProfileActions = nullptr;
    MacroDialog* m_pMacro = nullptr;
    // The lighting page; none on a model whose description switches lighting off.
    KivoColorWindow* m_pColorWindow = nullptr;
    DpiTabPages* m_pDpiTab = nullptr;

    // Tray.
    QAction* m_pLoadConfigAction = nullptr;
    QAction* m_pQuitAction = nullptr;
    QMenu* m_pTrayMenu = nullptr;
    QSystemTrayIcon* m_pTrayIcon = nullptr;
};
