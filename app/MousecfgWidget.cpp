#include "app/MousecfgWidget.h"

#include "app/BatteryDisplay.h"
#include "app/DeviceSelection.h"
#include "app/DpiTabPages.h"
#include "app/FirmwareUpdater.h"
#include "app/HotspotButton.h"
#include "app/LanguageSwitcher.h"
#include "app/MainControls.h"
#include "app/MousePicture.h"
#include "app/NotificationAnnouncer.h"
#include "app/OsdAnnouncer.h"
#include "app/PageSwitch.h"
#include "app/PermissionNotice.h"
#include "app/ProfileActions.h"
#include "app/SetAsideNotice.h"
#include "app/StatusTexts.h"
#include "app/UiScale.h"
#include "app/WindowMove.h"
#include "buttons/KivoBtnWindow.h"
#include "device/BatteryPoller.h"
#include "device/DeviceAccess.h"
#include "device/DeviceLink.h"
#include "macro/MacroDialog.h"
#include "model/AppPaths.h"
#include "model/AppSettings.h"
#include "model/DeviceDescription.h"
#include "model/GlobalRecords.h"
#include "model/ProfileFiles.h"
#include "model/ProfileRules.h"
#include "model/SettingsFile.h"
#include "pages/KivoColorWindow.h"
#include "pages/KivoPointSpeed.h"
#include "pages/KivoReportRate.h"
#include "platform/DeviceChangeNotifier.h"
#include "platform/PointerSpeed.h"
#include "platform/ProgramLauncher.h"
#include "widgets/KivoPushButton.h"
#include "widgets/LanguageFont.h"
#include "widgets/SkinImage.h"
#include "widgets/SkinStyleSheet.h"
#include "widgets/UserPrompts.h"

#include <QAction>
#include <QApplication>
#include <QBitmap>
#include <QDebug>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

MousecfgWidget::MousecfgWidget(QWidget* parent, const MousecfgServices& services)
    : QWidget(parent), m_Services(services)
{
    m_pAnnouncer = services.announcer;
    if (!m_pAnnouncer) {
        m_pOwnAnnouncer.reset(NotificationAnnouncer::forSession());
        m_pAnnouncer = m_pOwnAnnouncer.get();
    }
    m_pLauncher = services.launcher;
    if (!m_pLauncher) {
        m_pOwnLauncher = std::make_unique<ProgramLauncher>();
        m_pLauncher = m_pOwnLauncher.get();
    }
    m_pPointerSpeed = services.pointerSpeed;
    if (!m_pPointerSpeed) {
        m_pOwnPointerSpeed = PointerSpeed::create();
        m_pPointerSpeed = m_pOwnPointerSpeed.get();
    }

    // 1. The window itself.
    setObjectName("MousecfgWidget");
    m_ProductName = DeviceDescription::productName();
    setWindowTitle(m_ProductName);
    QApplication::setQuitOnLastWindowClosed(false);

    // 2. and 3. Scale, then the skin images for it; size, place and shape.
    setUpScale();

    // 4. Device arrival and removal.
    setUpDeviceNotifications();
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    // Wayland compositors take no window shape, only transparency: the cut corners of the
    // skin come from its alpha there.
    if (QGuiApplication::platformName() == QLatin1String("wayland"))
        setAttribute(Qt::WA_TranslucentBackground);

    // 5. The mice that are connected now.
    DeviceAccess::initSlotTable();
    DeviceAccess::enumerate();
    updateDeviceCount();
    const QString selected = DeviceAccess::selectedMouseName();
    m_CurrentDevice =
        m_DeviceList.contains(selected) || m_DeviceList.isEmpty() ? selected : m_DeviceList.first();

    // 6. Language, fonts, colours; the widgets.
    m_pLanguage = new LanguageSwitcher(this);
    m_pLanguage->startUp();
    m_iColorMode = DeviceDescription::colorMode();
    m_Accent = AppSettings::accentColor(AppSettings::accentColorId());
    SkinStyleSheet::installPopups(m_Accent);
    m_Flags.bLedDisable = DeviceDescription::ledDisable() != 0;
    m_Flags.bDisableMacro = DeviceDescription::disableMacro() != 0;
    m_pPoller = new BatteryPoller(this);
    connect(m_pPoller, &BatteryPoller::RefreshBatteryStatus, this,
            &MousecfgWidget::slotRefreshBatteryStatus);
    connect(m_pPoller, &BatteryPoller::RefreshStatus, this, &MousecfgWidget::slotRefreshStatus);
    buildWidgets();

    // 7. Profiles and the desktop pointer speed.
    loadProfiles();

    // 8. Pages, texts, the factory profile file.
    buildPages();
    createTrayActions();
    createTrayIcon();
    showPage(PageSwitch::LightingPage);
    retranslateUi();
    applyFonts();
    // Rewritten at every start; it is only read by later profile operations, so it waits until
    // the window is up (it is a large file).
    QTimer::singleShot(0, this, [] { ProfileFiles::writeFactoryProfile(); });

    // 9. Icons and the tray. Looking the icon up in the theme, and showing the tray icon (which
    // asks the desktop for its tray and waits for the answer), wait until the window is up.
    m_pTrayIcon->setToolTip(windowTitle());
    QTimer::singleShot(0, m_pTrayIcon, [this] {
        // The installed icon theme's first (it has every size and the scalable one), the
        // skin's from the application folder otherwise.
        const QIcon icon =
            QIcon::fromTheme(QStringLiteral("mousecfg"), QIcon(AppPaths::skinDir() + "/icon.ico"));
        setWindowIcon(icon);
        m_pTrayIcon->setIcon(icon);
        m_pTrayIcon->setVisible(true);
    });
    connect(m_pTrayIcon, &QSystemTrayIcon::activated, this, &MousecfgWidget::iconActivated);

    // 10. Battery display from what was last shown.
    refreshModelParts();
    updateBatteryState();

    // 11. The settings object on the active profile, and the device selection.
    openProfileSettings();
    if (m_Services.bSelectAtStart)
        QTimer::singleShot(kSelectDelayMs, this, &MousecfgWidget::slotWarningFirst);

    // The skin picture, read meanwhile (see setUpScale).
    QBitmap shape;
    if (m_Background.finish(&m_ScaledBackground, &shape))
        setMask(shape);
}

MousecfgWidget::~MousecfgWidget()
{
    stopBatteryPolling();
    // The library frees what it keeps for open handles: they go first.
    DeviceAccess::closeAll();
    DeviceAccess::libraryExit();
}

void MousecfgWidget::setUpScale()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    m_dScale = UiScale::fromLogicalDpi(screen ? screen->logicalDotsPerInch() : UiScale::kBaseDpi,
                                       &m_iScaleIndex);
    UserPrompts::setScale(m_dScale);
    // The images are drawn at the UI scale times the pixels per logical pixel of the screen.
    const double pixelRatio = screen ? screen->devicePixelRatio() : 1.0;
    SkinImage::setScale(m_dScale * pixelRatio);
    qDebug("UI scale %.2f, device pixel ratio %.2f", m_dScale, pixelRatio);
    const QSize size(UiScale::scaled(MainLayout::kWidth, m_dScale),
                     UiScale::scaled(MainLayout::kHeight, m_dScale));
    m_Background.start(AppPaths::skinDir() + "/cfgMainback.png", size, pixelRatio);
    setBaseSize(size);
    setMinimumSize(size);
    resize(size);
    if (screen)
        move(screen->availableGeometry().center() - QPoint(size.width() / 2, size.height() / 2));
}

void MousecfgWidget::setUpDeviceNotifications()
{
    m_pSelection = new DeviceSelection(this, this);
    connect(m_pSelection, &DeviceSelection::mouseDevicesUpdated, this,
            &MousecfgWidget::mouseDevicesUpdated);
    connect(m_pSelection, &DeviceSelection::deviceOpened, this, &MousecfgWidget::onDeviceOpened);
    // Made before the configuration is read, so that no set-aside file goes untold.
    new SetAsideNotice(this, this);
    auto* permission = new PermissionNotice(this, this);
    connect(m_pSelection, &DeviceSelection::devicePermissionDenied, permission,
            &PermissionNotice::slotDevicePermissionDenied);
    if (!m_Services.bFollowDeviceChanges)
        return;
    m_pNotifier = DeviceChangeNotifier::create(this);
    m_pSelection->connectNotifier(m_pNotifier);
}

void MousecfgWidget::buildWidgets()
{
    m_pControls = new MainControls(this, m_dScale);
    for (KivoPushButton* button : m_pControls->actionButtons())
        connect(button, &QPushButton::clicked, this, &MousecfgWidget::onButtonClicked);
    connect(m_pControls, &MainControls::slotChosen, this, &MousecfgWidget::onProfileSelectSlot);
    connect(m_pControls, &MainControls::profileChosen, this, &MousecfgWidget::onProfileAssign);
    connect(m_pControls->profileName(), &QLineEdit::returnPressed, this,
            &MousecfgWidget::slotProfileNameChange);
    m_pLanguage->fillMenu(m_pControls->languageMenu());
    m_pBattery = new BatteryDisplay(this, AppSettings::battery(), m_Accent);
}

void MousecfgWidget::loadProfiles()
{
    m_pProfileActions = new ProfileActions(this, this);
    connectProfileActions();
    m_ProfileList = m_pProfileActions->manager().profileList();
    m_iBatteryFull = AppSettings::batteryFull();
    // The window shows the active profile (and the one whose lighting it shows); the other
    // profile files are large and only later operations need them, so they are read once the
    // window is up, before any event of the user or the mouse is handled.
    MouseConfig& snapshot = GlobalRecords::snapshot();
    ProfileFiles::loadDeviceWide(snapshot);
    const int active = snapshot.ProfileID % MouseConfig::kProfileCount;
    const int lighting = KivoColorWindow::lightingSlot(m_ProductName, active);
    ProfileFiles::loadSlotProfile(snapshot, active);
    if (lighting != active)
        ProfileFiles::loadSlotProfile(snapshot, lighting);
    GlobalRecords::live() = snapshot;
    QTimer::singleShot(0, this, [active, lighting] {
        MouseConfig& read = GlobalRecords::snapshot();
        for (int i = 0; i < MouseConfig::kProfileCount; ++i) {
            if (i == active || i == lighting)
                continue;
            ProfileFiles::loadSlotProfile(read, i);
            GlobalRecords::live().Profile[i] = read.Profile[i];
        }
    });
    GlobalRecords::live().activeProfile().mousespeed = static_cast<quint8>(m_pPointerSpeed->read());
    rebuildProfileMenu();
}

void MousecfgWidget::connectProfileActions()
{
    ProfileActions* actions = m_pProfileActions;
    connect(actions, &ProfileActions::stopBatteryThread, this, &MousecfgWidget::stopBatteryPolling);
    connect(actions, &ProfileActions::retranslateTexts, this, &MousecfgWidget::retranslateUi);
    connect(actions, &ProfileActions::showFirstPage, this, [this] { showPage(0); });
    connect(actions, &ProfileActions::refreshModelParts, this, &MousecfgWidget::refreshModelParts);
    connect(actions, &ProfileActions::refreshPages, this, &MousecfgWidget::refreshPages);
    connect(actions, &ProfileActions::rebuildProfileMenu, this,
            &MousecfgWidget::onProfileListChanged);
    connect(actions, &ProfileActions::applyPointerSpeed, this, &MousecfgWidget::applyPointerSpeed);
    connect(actions, &ProfileActions::profileNameChanged, m_pControls->profileName(),
            &QLineEdit::setText);
    connect(actions, &ProfileActions::writeConfiguration, this,
            [this](bool bFullWrite) { writeConfiguration(bFullWrite); });
    // A slot switch talks to the mouse as a write does, and is kept apart from device changes
    // for the same reason.
    actions->setDeviceSelect([this](int iSlot) {
        m_pSelection->holdDeviceChanges(true);
        const quint8 result = ConfigWriter::selectProfile(this, m_pPoller, iSlot);
        m_pSelection->holdDeviceChanges(false);
        return result;
    });
}

void MousecfgWidget::onProfileListChanged()
{
    m_ProfileList = m_pProfileActions->manager().profileList();
    rebuildProfileMenu();
}

void MousecfgWidget::applyPointerSpeed()
{
    // The profile that is active now, as the user sees it switch.
    m_pPointerSpeed->apply(GlobalRecords::live().activeProfile().mousespeed);
}

void MousecfgWidget::buildPages()
{
    m_pPages = new PageSwitch(this);
    m_pPages->setLedDisabled(m_Flags.bLedDisable);
    for (int i = 0; i < PageSwitch::kPageCount; ++i) {
        m_pPages->setTab(i, m_pControls->tab(i));
        m_pPages->addToPage(i, m_pControls->page(i));
    }
    m_pPicture = new MousePicture(this, m_Accent);
    m_pPages->addToPage(PageSwitch::CustomizePage, m_pControls->frontButton());
    m_pPages->addToPage(PageSwitch::CustomizePage, m_pControls->sideButton());
    for (KivoPushButton* hotspot : m_pPicture->allHotspots())
        connect(hotspot, &QPushButton::clicked, this, &MousecfgWidget::onButtonClicked);
    // The button list and the DPI tab are built on their first display (or when Apply needs
    // the DPI tab's values): the window opens on the lighting page, and sooner without them.
    connect(m_pPages, &PageSwitch::pageShown, this, [this](int iPage) {
        m_pPicture->setPageVisible(iPage == PageSwitch::CustomizePage);
        if (iPage == PageSwitch::CustomizePage)
            buttonWindow();
        else if (iPage == PageSwitch::DpiPage)
            dpiTab();
        else if (iPage == PageSwitch::MacroPage)
            macroPage();
    });
    setFrontView(true);
    if (!m_Flags.bLedDisable)
        m_pColorWindow = new KivoColorWindow(m_pControls->page(PageSwitch::LightingPage), m_dScale);
}

KivoBtnWindow* MousecfgWidget::buttonWindow()
{
    if (!m_pBtnWindow) {
        m_pBtnWindow = new KivoBtnWindow(&GlobalRecords::live().activeProfile(),
                                         m_pControls->page(PageSwitch::CustomizePage), m_dScale);
        connect(m_pBtnWindow, &KivoBtnWindow::GotoMacroTab, this, &MousecfgWidget::slotGotoMacro);
        connect(m_pBtnWindow, &KivoBtnWindow::PopOneClickBox, this,
                &MousecfgWidget::slotPopOneClickBox);
        connect(m_pBtnWindow, &KivoBtnWindow::SelBtnControl, this, &MousecfgWidget::slotMouseOver);
        m_pBtnWindow->setGeometry(m_pControls->page(PageSwitch::CustomizePage)->rect());
        if (m_iSelectedGroup >= 0)
            m_pBtnWindow->selectButton(m_iSelectedGroup == MousePicture::ArrowGroup ? 2 : 0,
                                       quint8(m_iSelectedHotspot));
        m_pBtnWindow->show();
    }
    return m_pBtnWindow;
}

DpiTabPages* MousecfgWidget::dpiTab()
{
    if (!m_pDpiTab) {
        m_pDpiTab = new DpiTabPages(m_pControls->page(PageSwitch::DpiPage), m_dScale, *m_pLauncher);
        connect(m_pDpiTab->reportRate(), &KivoReportRate::RefreshLift, this,
                &MousecfgWidget::slotLiftChange);
        connect(m_pDpiTab->pointSpeed(), &KivoPointSpeed::LiftSignal, this,
                &MousecfgWidget::slotLiftChange);
        m_pDpiTab->pointSpeed()->setDesktopSpeedNote(m_pPointerSpeed->backendName() ==
                                                     QLatin1String("none"));
        m_pDpiTab->refresh(GlobalRecords::live());
        m_pDpiTab->show();
    }
    return m_pDpiTab;
}

void MousecfgWidget::createTrayActions()
{
    m_pLoadConfigAction = new QAction(this);
    connect(m_pLoadConfigAction, &QAction::triggered, this, [this] { selectDevice(false); });
    m_pQuitAction = new QAction(this);
    connect(m_pQuitAction, &QAction::triggered, qApp, &QCoreApplication::quit);
    // Quitting is within reach on every desktop, tray or not: Ctrl+Q and the window's own
    // context menu carry the tray menu's entries. Some platforms' key schemes have no quit key
    // at all; there Ctrl+Q stands in, so that the key is never silently dead.
    const QList<QKeySequence> quitKeys = QKeySequence::keyBindings(QKeySequence::Quit);
    m_pQuitAction->setShortcuts(quitKeys.isEmpty() ? QList<QKeySequence>{Qt::CTRL | Qt::Key_Q}
                                                   : quitKeys);
    addAction(m_pLoadConfigAction);
    addAction(m_pQuitAction);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void MousecfgWidget::createTrayIcon()
{
    m_pTrayMenu = new QMenu(this);
    m_pTrayMenu->addAction(m_pLoadConfigAction);
    m_pTrayMenu->addAction(m_pQuitAction);
    m_pTrayIcon = new QSystemTrayIcon(this);
    m_pTrayIcon->setContextMenu(m_pTrayMenu);
}

MacroDialog* MousecfgWidget::macroPage()
{
    if (!m_pMacro) {
        m_pMacro = new MacroDialog(m_pControls->page(PageSwitch::MacroPage), m_dScale);
        connect(m_pMacro, &MacroDialog::EnableButtonsSignal, this,
                &MousecfgWidget::slotEnableButtons);
        m_pMacro->layoutControls(m_dScale);
        m_pMacro->show();
    }
    return m_pMacro;
}

void MousecfgWidget::layoutControls()
{
    m_pControls->layout(m_dScale, m_Flags);
    m_pBattery->layout(m_dScale);
    m_pPicture->layout(m_dScale);
    if (m_pDpiTab)
        m_pDpiTab->layout(m_dScale);
    if (m_pBtnWindow) {
        m_pBtnWindow->setScale(m_dScale);
        m_pBtnWindow->setGeometry(m_pControls->page(PageSwitch::CustomizePage)->rect());
    }
    if (m_pMacro)
        m_pMacro->layoutControls(m_dScale);
}

void MousecfgWidget::retranslateUi()
{
    m_pControls->retranslate(m_pLanguage->currentName(), DeviceDescription::version());
    m_pLoadConfigAction->setText(tr("&Load Config"));
    m_pQuitAction->setText(tr("&Quit"));
    m_pBattery->retranslate();
    if (m_pDpiTab)
        m_pDpiTab->retranslate();
    layoutControls();
}

void MousecfgWidget::applyFonts()
{
    // A translated label tells which script the language needs.
    setFont(LanguageFont::resolve(AppSettings::currentFont(m_dScale), tr("Warning")));
    m_pBattery->setFontScale(m_dScale);
    m_pLanguage->fillMenu(m_pControls->languageMenu());
}

void MousecfgWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && m_pLanguage) {
        retranslateUi();
        applyFonts();
    }
    QWidget::changeEvent(event);
}

void MousecfgWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    qDebug("main window shown");
    if (QWindow* window = windowHandle()) {
        connect(window, &QWindow::screenChanged, this, &MousecfgWidget::layoutControls,
                Qt::UniqueConnection);
    }
}

void MousecfgWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_ScaledBackground.isNull())
        painter.drawPixmap(0, 0, m_ScaledBackground);
    else
        painter.fillRect(rect(), QColor(0x1b, 0x1e, 0x23));
}

void MousecfgWidget::setCurrentDevice(const QString& codeName)
{
    m_CurrentDevice = codeName;
}

void MousecfgWidget::refreshModelParts()
{
    m_pPicture->setDevice(m_CurrentDevice, m_ProductName);
    layoutControls();
    // Another mouse: the pages show the configuration again, not edits made for the last one.
    refreshPages();
}

void MousecfgWidget::updateDeviceCount()
{
    m_DeviceList = DeviceAccess::deviceNames();
    m_iDeviceCount = m_DeviceList.size();
}

void MousecfgWidget::startBatteryPolling()
{
    m_pPoller->startPolling();
}

void MousecfgWidget::stopBatteryPolling()
{
    if (m_pPoller)
        m_pPoller->stopPolling();
}

quint8 MousecfgWidget::currentProfile() const
{
    return GlobalRecords::live().ProfileID;
}

void MousecfgWidget::showPage(int iPage)
{
    m_pPages->show(iPage);
}

int MousecfgWidget::currentPage() const
{
    return m_pPages->current();
}

void MousecfgWidget::setFrontView(bool bFront)
{
    m_pPicture->setFrontView(bFront);
    m_pControls->frontButton()->setChecked(bFront);
    m_pControls->sideButton()->setChecked(!bFront);
}

void MousecfgWidget::selectHotspot(int iGroup, int iIndex)
{
    m_iSelectedGroup = iGroup;
    m_iSelectedHotspot = iIndex;
    m_pPicture->select(iGroup, iIndex);
    // Front and side hotspots stand for the buttons of the first set, the arrows for the wheel.
    if (m_pBtnWindow)
        m_pBtnWindow->selectButton(iGroup == MousePicture::ArrowGroup ? 2 : 0, quint8(iIndex));
}

void MousecfgWidget::refreshPages()
{
    const int slot = currentProfile();
    for (int i = 0; i < MouseConfig::kProfileCount; ++i)
        m_pControls->slotButton(i)->setChecked(i == slot);
    m_pControls->profileName()->setText(
        GlobalRecords::live().ProfileNames[slot % MouseConfig::kProfileCount]);
    if (m_pBtnWindow)
        m_pBtnWindow->setProfile(&GlobalRecords::live().activeProfile());
    if (m_pColorWindow) {
        const int ledSlot =
            KivoColorWindow::lightingSlot(m_ProductName, slot % MouseConfig::kProfileCount);
        m_pColorWindow->loadProfile(&GlobalRecords::live().Profile[ledSlot], ledSlot);
    }
    if (m_pDpiTab)
        m_pDpiTab->refresh(GlobalRecords::live());
    // PROFILE/dpi goes to the profile that is active now.
    openProfileSettings();
}

void MousecfgWidget::rebuildProfileMenu()
{
    m_pControls->rebuildProfileMenu(m_ProfileList, m_dScale);
}

void MousecfgWidget::openProfileSettings()
{
    // Opened when the mouse first reports a DPI stage: opening checks the whole large file.
    m_pProfileSettings.reset();
}

SettingsFile* MousecfgWidget::profileSettings()
{
    if (!m_pProfileSettings) {
        const MouseConfig& live = GlobalRecords::live();
        const QString path = ProfileFiles::profilePath(
            live.ProfileNames[live.ProfileID % MouseConfig::kProfileCount]);
        if (path.isEmpty())
            return nullptr;
        m_pProfileSettings = std::make_unique<SettingsFile>(path, SettingsFile::Write);
    }
    return m_pProfileSettings.get();
}

void MousecfgWidget::updateBatteryState()
{
    const DeviceSlot* slot = DeviceAccess::findSlot(m_CurrentDevice.toLatin1());
    const bool cable = slot && slot->cableControlFound == 1;
    const bool receiver = slot && slot->receiverControlFound == 1;
    m_pBattery->show(m_pBattery->level(), m_pBattery->isCharging(), cable, receiver);
}

void MousecfgWidget::announce(const QString& text)
{
    qDebug().noquote() << "OSD announce:" << text;
    m_pAnnouncer->announce(text, m_Accent);
}

bool MousecfgWidget::isBusy() const
{
    return m_pSelection->isBusy();
}

void MousecfgWidget::selectDevice(bool bHotplug)
{
    m_pSelection->runSelection(bHotplug);
}

void MousecfgWidget::onDeviceOpened(bool bOpened)
{
    // A mouse that could not be opened shows as off; polling reports on one that did.
    if (bOpened)
        updateBatteryState();
    else
        slotRefreshBatteryStatus(0, 0, 0);
}

void MousecfgWidget::hideToTray()
{
    // Without a tray there would be no way back to a hidden window.
    if (hasTray())
        hide();
    else
        showMinimized();
}

bool MousecfgWidget::hasTray() const
{
    return m_Services.trayAvailable ? m_Services.trayAvailable()
                                    : QSystemTrayIcon::isSystemTrayAvailable();
}

void MousecfgWidget::mousePressEvent(QMouseEvent* event)
{
    m_Drag.press(event->button(), event->screenPos(), frameGeometry().topLeft());
    QWidget::mousePressEvent(event);
}

void MousecfgWidget::mouseMoveEvent(QMouseEvent* event)
{
    WindowMove::follow(this, m_Drag, event->screenPos());
    QWidget::mouseMoveEvent(event);
}

void MousecfgWidget::mouseReleaseEvent(QMouseEvent* event)
{
    m_Drag.release();
    QWidget::mouseReleaseEvent(event);
}

// Reports from the mouse ---------------------------------------------------------------------

void MousecfgWidget::slotRefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte)
{
    // The low byte is the level in percent; the mouse flags charging in bit 0 of the high byte
    // (the thread's own charging argument is always 0).
    const bool charging = iCharge != 0 || (iHiByte & 0x01) != 0;
    const DeviceSlot* slot = DeviceAccess::findSlot(m_CurrentDevice.toLatin1());
    const bool cable = slot && slot->cableControlFound == 1;
    const bool receiver = slot && slot->receiverControlFound == 1;
    m_pBattery->show(qMin<int>(iLowByte, 100), charging, cable, receiver);
    qDebug("battery %d%% charging %d connection %d", m_pBattery->level(), int(charging),
           m_pBattery->state());
}

void MousecfgWidget::slotRefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode)
{
    Q_UNUSED(iMode);
    if (iProfile != currentProfile())
        slotRefreshProfile(iProfile);
    const ProfileData& profile = GlobalRecords::live().activeProfile();
    if (iDPI != profile.dpi)
        slotRefreshDPIStage(iDPI);
    if (iRate != profile.pollrate)
        slotRefreshRate(iRate);
}

void MousecfgWidget::slotRefreshProfile(quint8 iProfile)
{
    if (iProfile >= MouseConfig::kProfileCount)
        return;
    MouseConfig& live = GlobalRecords::live();
    live.ProfileID = iProfile;
    refreshPages();
    ProfileFiles::saveActiveSlot(iProfile);
    rebuildProfileMenu();
    applyPointerSpeed();
    announce(StatusTexts::profile(iProfile));
}

void MousecfgWidget::slotRefreshDPIStage(quint8 iDPI)
{
    if (iDPI >= ProfileData::kDpiLevelCount)
        return;
    ProfileData& profile = GlobalRecords::live().activeProfile();
    profile.dpi = iDPI;
    if (m_pDpiTab)
        m_pDpiTab->selectStage(iDPI);
    const int dpi = ProfileRules::dpiOfStep(profile.DpiInfo[iDPI].x, AppSettings::sensorNumber());
    // Announced before the profile file is rewritten, which takes a while for a large file.
    announce(StatusTexts::dpi(iDPI, dpi));
    if (SettingsFile* settings = profileSettings(); settings && settings->isOpen())
        ProfileFiles::storeDpiLevel(*settings, iDPI);
}

void MousecfgWidget::slotRefreshRate(quint8 iRate)
{
    GlobalRecords::live().activeProfile().pollrate = iRate;
    if (m_pDpiTab)
        m_pDpiTab->reloadRate(GlobalRecords::live());
    const QString text = StatusTexts::rate(iRate);
    if (!text.isEmpty())
        announce(text);
}

void MousecfgWidget::slotMouseOver(KivoPushButton* btn, bool bType)
{
    // The button window numbers its buttons 0..19 in the property "buttonIndex".
    bool ok = false;
    const int index = btn ? btn->property("buttonIndex").toInt(&ok) : -1;
    if (bType || !ok)
        m_pPicture->highlight(-1);
    else
        m_pPicture->highlight(index);
}

// Requests from the pages ----------------------------------------------------------------------

void MousecfgWidget::slotGotoMacro(quint8 iBtn)
{
    showPage(iBtn);
}

void MousecfgWidget::slotPopOneClickBox()
{
    UserPrompts::notice(this, tr("Warning"), tr("AT LEAST ONE CLICK FUNCTION TO BE RETAINED."));
}

void MousecfgWidget::slotEnableButtons(bool bEnable)
{
    for (KivoPushButton* button : m_pControls->allButtons())
        button->setEnabled(bEnable);
}

void MousecfgWidget::slotLiftChange(quint8 iLift)
{
    GlobalRecords::live().LiftHigh = iLift;
    // Both controls of the lift-off distance show the one value.
    if (m_pDpiTab)
        m_pDpiTab->showLift(iLift);
}

void MousecfgWidget::slotProfileNameChange()
{
    onProfileRename();
}

void MousecfgWidget::slotWarningFirst()
{
    selectDevice(false);
}

// Tray ---------------------------------------------------------------------------------------

void MousecfgWidget::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason != QSystemTrayIcon::DoubleClick && reason != QSystemTrayIcon::Trigger)
        return;
    if (isHidden())
        selectDevice(false);
    else if (!isBusy())
        hide();
}

// Buttons ------------------------------------------------------------------------------------

void MousecfgWidget::onButtonClicked()
{
    QObject* source = sender();
    if (auto* hotspot = qobject_cast<HotspotButton*>(source)) {
        selectHotspot(hotspot->group(), hotspot->index());
        return;
    }
    MainControls::Action action;
    if (!m_pControls->actionOf(source, &action))
        return;
    switch (action) {
    case MainControls::CloseAction:
        onClose();
        break;
    case MainControls::MinimiseAction:
        showMinimized();
        break;
    case MainControls::FirmwareAction:
        onFirmwareUpdate();
        break;
    case MainControls::TabAction:
        showPage(m_pControls->tabIndex(source));
        break;
    case MainControls::FrontAction:
        setFrontView(true);
        break;
    case MainControls::SideAction:
        setFrontView(false);
        break;
    case MainControls::OkAction:
        onOk();
        break;
    case MainControls::CancelAction:
        onCancel();
        break;
    case MainControls::ApplyAction:
        onApply();
        break;
    case MainControls::DeviceAction:
        m_pSelection->chooseDevice();
        break;
    case MainControls::ResetAllAction:
        onProfileResetAll();
        break;
    case MainControls::LoadAction:
        onConfigLoad();
        break;
    case MainControls::SaveAction:
        onConfigSave();
        break;
    case MainControls::AddAction:
        onProfileAdd();
        break;
    case MainControls::CopyAction:
        onProfileCopy();
        break;
    case MainControls::DeleteAction:
        onProfileDelete();
        break;
    case MainControls::ResetAction:
        onProfileReset();
        break;
    case MainControls::ImportAction:
        onProfileImport();
        break;
    case MainControls::ExportAction:
        onProfileExport();
        break;
    case MainControls::SlotAction: {
        // Only the check mark moves; the slot menu changes the slot.
        const int slot = m_pControls->slotIndex(source);
        for (int i = 0; i < MainControls::kSlotCount; ++i)
            m_pControls->slotButton(i)->setChecked(i == slot);
        break;
    }
    }
}

void MousecfgWidget::onClose()
{
    // Hidden without a tray, the program would live on out of every reach: it ends instead.
    if (DeviceDescription::closeWindow() == 0 && hasTray())
        hideToTray();
    else
        QCoreApplication::quit();
}

ConfigWriter::Outcome MousecfgWidget::writeConfiguration(bool bFullWrite)
{
    // A mouse plugged or pulled during the write is handled once the write and its message are
    // over: a chooser must not open under the busy dialog, nor a failure box over the chooser.
    m_pSelection->holdDeviceChanges(true);
    m_LastWrite = ConfigWriter::write(this, m_pPoller, bFullWrite);
    m_pSelection->holdDeviceChanges(false);
    return m_LastWrite;
}

void MousecfgWidget::takePageValues()
{
    // Built here if it never was: the values it would send are the ones it would show.
    dpiTab()->takeValues(GlobalRecords::live());
}

void MousecfgWidget::onApply()
{
    takePageValues();
    stopBatteryPolling();
    writeConfiguration();
}

void MousecfgWidget::onOk()
{
    // OK sends what the pages show, as Apply does; without this it would drop unapplied edits.
    takePageValues();
    // A refused write leaves the window up, so that the user can mend what was refused.
    if (writeConfiguration().refusal.isEmpty())
        hideToTray();
}

void MousecfgWidget::onCancel()
{
    hideToTray();
    MouseConfig& live = GlobalRecords::live();
    const int slot = live.ProfileID % MouseConfig::kProfileCount;
    ProfileFiles::loadProfileByName(live.Profile[slot], live.ProfileNames[slot]);
    refreshPages();
}

void MousecfgWidget::onFirmwareUpdate()
{
    const FirmwareUpdater::Outcome outcome = FirmwareUpdater::run(
        this, DeviceAccess::firmwareNumber(), AppSettings::langId(), m_pPoller, *m_pLauncher);
    if (outcome == FirmwareUpdater::Started) {
        QCoreApplication::exit(0);
    } else if (outcome == FirmwareUpdater::StartFailed && DeviceLink::instance().isAnyOpen()) {
        startBatteryPolling();
    }
}

// Profile operations -------------------------------------------------------------------------

void MousecfgWidget::onProfileSelectSlot(int iSlot)
{
    m_pProfileActions->selectSlot(iSlot);
}

void MousecfgWidget::onProfileAssign(const QString& name)
{
    m_pProfileActions->assignProfile(name);
}

void MousecfgWidget::onProfileAdd()
{
    m_pProfileActions->addProfile();
}

void MousecfgWidget::onProfileCopy()
{
    m_pProfileActions->copyProfile();
}

void MousecfgWidget::onProfileDelete()
{
    m_pProfileActions->deleteProfile(m_pControls->profileName()->text());
}

void MousecfgWidget::onProfileRename()
{
    m_pProfileActions->renameProfile(m_pControls->profileName()->text());
}

void MousecfgWidget::onProfileReset()
{
    m_pProfileActions->resetProfile();
}

void MousecfgWidget::onProfileResetAll()
{
    m_pProfileActions->resetAll();
}

void MousecfgWidget::onProfileExport()
{
    m_pProfileActions->exportProfile();
}

void MousecfgWidget::onProfileImport()
{
    m_pProfileActions->importProfile();
}

void MousecfgWidget::onConfigLoad()
{
    m_pProfileActions->loadConfiguration();
}

void MousecfgWidget::onConfigSave()
{
    m_pProfileActions->saveConfiguration();
}
