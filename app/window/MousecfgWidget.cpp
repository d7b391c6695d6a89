#include "app/window/MousecfgWidget.h"

#include "app/profiles/ProfileActions.h"
#include "app/profiles/SlotSelector.h"
#include "app/profiles/StartProfiles.h"
#include "app/selection/DeviceSelection.h"
#include "app/status/BatteryDisplay.h"
#include "app/status/PermissionNotice.h"
#include "app/status/SetAsideNotice.h"
#include "app/status/StatusFollower.h"
#include "app/window/BatteryFeed.h"
#include "app/window/HotspotButton.h"
#include "app/window/LanguageSwitcher.h"
#include "app/window/MainControls.h"
#include "app/window/MousePicture.h"
#include "app/window/PageSwitch.h"
#include "app/window/PixmapCacheRelease.h"
#include "app/window/StartUpWork.h"
#include "app/window/TrayIcon.h"
#include "app/window/UnappliedEdits.h"
#include "app/window/WindowCommands.h"
#include "app/window/WindowDragFilter.h"
#include "app/window/WindowPages.h"
#include "app/window/WindowScale.h"
#include "device/BatteryPoller.h"
#include "device/DeviceAccess.h"
#include "model/AppSettings.h"
#include "model/DeviceDescription.h"
#include "model/DpiLevelStore.h"
#include "model/GlobalRecords.h"
#include "model/ProfileFiles.h"
#include "platform/DeviceChangeNotifierFactory.h"
#include "platform/PointerSpeed.h"
#include "widgets/KivoPushButton.h"
#include "widgets/LanguageFont.h"
#include "widgets/SkinStyleSheet.h"

#include <QApplication>
#include <QBitmap>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

MousecfgWidget::MousecfgWidget(QWidget* parent, const MousecfgServices& services)
    : QWidget(parent), m_Services(services)
{
    // 1. The window itself.
    setObjectName("MousecfgWidget");
    m_ProductName = DeviceDescription::productName();
    setWindowTitle(m_ProductName);
    QApplication::setQuitOnLastWindowClosed(false);

    // 2. and 3. Scale, then the skin images for it; size, place and shape.
    m_dScale = WindowScale::apply(this, m_Background, services.dScale);

    // 4. Device arrival and removal.
    setUpDeviceNotifications();
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    new WindowDragFilter(this);
    new PixmapCacheRelease(this);
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
    // The fonts before any control is made or styled: one styled under the desktop's font
    // would keep it.
    setUpFonts();
    m_Accent = AppSettings::accentColor(AppSettings::accentColorId());
    SkinStyleSheet::installPopups(m_Accent);
    m_Flags.bLedDisable = DeviceDescription::ledDisable() != 0;
    m_Flags.bDisableMacro = DeviceDescription::disableMacro() != 0;
    m_pStartUp = new StartUpWork(this);
    m_pPoller = new BatteryPoller(this);
    m_pStatus = std::make_unique<StatusFollower>(m_Services.announcer(), m_Services.pointerSpeed(),
                                                 m_Accent);
    connect(m_pPoller, &BatteryPoller::RefreshBatteryStatus, m_pStatus.get(),
            &StatusFollower::slotRefreshBatteryStatus);
    connect(m_pPoller, &BatteryPoller::RefreshStatus, m_pStatus.get(),
            &StatusFollower::slotRefreshStatus);
    connect(m_pStatus.get(), &StatusFollower::profileChanged, this, [this] {
        refreshPages();
        rebuildProfileMenu();
    });
    buildWidgets();

    // 7. Profiles and the desktop pointer speed.
    loadProfiles();

    // 8. Pages, texts, the factory profile file.
    m_pPages =
        new WindowPages(this, m_pControls, m_dScale, m_Accent, m_Services, m_Flags.bLedDisable);
    for (KivoPushButton* hotspot : m_pPages->picture()->allHotspots())
        connect(hotspot, &QPushButton::clicked, this, &MousecfgWidget::onButtonClicked);
    connect(m_pStatus.get(), &StatusFollower::dpiStageChanged, m_pPages,
            &WindowPages::onDpiStageChanged);
    connect(m_pStatus.get(), &StatusFollower::rateChanged, m_pPages, &WindowPages::onRateChanged);
    m_pCommands = new WindowCommands(this, m_pSelection, m_pPoller, m_pPages, m_Services);
    connect(m_pCommands, &WindowCommands::profileReloaded, this, &MousecfgWidget::refreshPages);
    m_pTray = new TrayIcon(this, m_pSelection);
    watchUnappliedEdits();
    m_pFeed = new BatteryFeed(this, m_pBattery, m_pTray, m_Services.announcer(), m_Accent, this);
    connect(m_pStatus.get(), &StatusFollower::batteryReported, m_pFeed,
            &BatteryFeed::onBatteryReported);
    connect(m_pSelection, &DeviceSelection::deviceOpened, m_pFeed, &BatteryFeed::onDeviceOpened);
    m_pPages->show(PageSwitch::LightingPage);
    retranslateUi();
    m_pBattery->setFontScale(m_dScale);
    // Rewritten at every start; it is only read by later profile operations, so it waits until
    // the window is up (it is a large file).
    m_pStartUp->add([] { ProfileFiles::writeFactoryProfile(); });

    // 9. Icons and the tray (the desktop answers the tray's questions meanwhile).
    m_pStartUp->add([this] { m_pTray->show(); });

    // 10. Battery display from what was last shown.
    refreshModelParts();
    m_pFeed->showLast();

    // 11. The device selection.
    if (m_Services.selectAtStart())
        QTimer::singleShot(kSelectDelayMs, this, [this] {
            m_pStartUp->finish();
            m_Services.startHidden() ? m_pSelection->openQuietly() : selectDevice(false);
        });

    // The skin picture, read meanwhile (see WindowScale).
    QBitmap shape;
    if (m_Background.finish(&m_ScaledBackground, &shape))
        setMask(shape);
    // Kept for the next start once this one has its first frame.
    m_pStartUp->add([this] { m_Background.keep(); });
}

MousecfgWidget::~MousecfgWidget()
{
    stopBatteryPolling();
    // A DPI level the mouse reported last is on disk before the program ends.
    DpiLevelStore::drain();
    // The library frees what it keeps for open handles: they go first.
    DeviceAccess::closeAll();
    DeviceAccess::libraryExit();
}

void MousecfgWidget::setUpDeviceNotifications()
{
    m_pSelection = new DeviceSelection(this, this);
    // Made before the configuration is read, so that no set-aside file goes untold.
    new SetAsideNotice(this, this);
    auto* permission = new PermissionNotice(this, this);
    connect(m_pSelection, &DeviceSelection::devicePermissionDenied, permission,
            &PermissionNotice::slotDevicePermissionDenied);
    if (m_Services.followDeviceChanges())
        m_pSelection->connectNotifier(DeviceChangeNotifierFactory::create(this));
}

void MousecfgWidget::buildWidgets()
{
    m_pControls = new MainControls(this, m_dScale);
    for (KivoPushButton* button : m_pControls->actionButtons())
        connect(button, &QPushButton::clicked, this, &MousecfgWidget::onButtonClicked);
    fillButtonTable();
    m_pLanguage->fillMenu(m_pControls->languageMenu());
    m_pBattery = new BatteryDisplay(this, AppSettings::battery(), m_Accent);
}

void MousecfgWidget::loadProfiles()
{
    m_pProfileActions = new ProfileActions(this, this);
    connectProfileActions();
    m_ProfileList = m_pProfileActions->manager().profileList();
    m_pStartUp->add(StartProfiles::load(m_ProductName));
    GlobalRecords::live().activeProfile().mousespeed =
        static_cast<quint8>(m_Services.pointerSpeedAtStart());
    rebuildProfileMenu();
}

void MousecfgWidget::connectProfileActions()
{
    ProfileActions* actions = m_pProfileActions;
    connect(actions, &ProfileActions::stopBatteryThread, this, &MousecfgWidget::stopBatteryPolling);
    connect(actions, &ProfileActions::retranslateTexts, this, &MousecfgWidget::retranslateUi);
    connect(actions, &ProfileActions::showFirstPage, this, [this] { m_pPages->show(0); });
    connect(actions, &ProfileActions::refreshModelParts, this, &MousecfgWidget::refreshModelParts);
    connect(actions, &ProfileActions::refreshPages, this, &MousecfgWidget::refreshPages);
    connect(actions, &ProfileActions::rebuildProfileMenu, this,
            &MousecfgWidget::onProfileListChanged);
    connect(actions, &ProfileActions::applyPointerSpeed, m_pStatus.get(),
            &StatusFollower::slotApplyPointerSpeed);
    connect(actions, &ProfileActions::profileNameChanged, m_pControls->profileName(),
            &QLineEdit::setText);
    connect(actions, &ProfileActions::writeConfiguration, this,
            [this](bool bFullWrite) { m_pCommands->write(bFullWrite); });
    connect(actions, &ProfileActions::savedTo, this,
            [this](const QString& path) { m_pCommands->onSaved(path); });
    actions->setDeviceSelect([this](int iSlot) { return m_pCommands->selectSlot(iSlot); });
}

// What the pages hold and was never applied is marked, and asked about before it would be lost.
void MousecfgWidget::watchUnappliedEdits()
{
    m_pEdits = new UnappliedEdits(this, m_pPages);
    m_pEdits->setApply([this] { return m_pCommands->onApply(); });
    m_pSlots = new SlotSelector(m_pControls, m_pProfileActions, m_pEdits, this);
    const auto leave = [this] { return m_pEdits->confirmLeave(); };
    m_pCommands->setLeaveCheck(leave);
    m_pTray->setLeaveCheck(leave);
    connect(m_pEdits, &UnappliedEdits::changed, this, [this](bool bEdits) {
        m_pControls->showUnapplied(bEdits);
        setWindowTitle(bEdits ? tr("%1 - changes not applied").arg(m_ProductName) : m_ProductName);
    });
    connect(m_pEdits, &UnappliedEdits::reverted, this, &MousecfgWidget::refreshPages);
    m_pEdits->follow(m_pCommands, m_pProfileActions, m_pStatus.get());
}

// All the window's own buttons come to onButtonClicked, which looks here for the one that was
// clicked; the profile area's are the slot selector's.
void MousecfgWidget::fillButtonTable()
{
    using C = MainControls;
    const auto run = [](const std::function<void()>& action) {
        return [action](QObject*) { action(); };
    };
    m_ButtonActions = {
        {C::CloseAction, run([this] { m_pCommands->onClose(); })},
        {C::MinimiseAction, run([this] { showMinimized(); })},
        {C::FirmwareAction, run([this] { m_pCommands->onFirmwareUpdate(); })},
        {C::TabAction, [this](QObject* b) { m_pPages->show(m_pControls->tabIndex(b)); }},
        {C::FrontAction, run([this] { m_pPages->setFrontView(true); })},
        {C::SideAction, run([this] { m_pPages->setFrontView(false); })},
        {C::OkAction, run([this] { m_pCommands->onOk(); })},
        {C::CancelAction, run([this] { m_pCommands->onCancel(); })},
        // A macro a button plays is sent as the macro page shows it.
        {C::ApplyAction, run([this] { m_pEdits->saveMacroRows(), m_pCommands->onApply(); })},
        {C::RevertAction, run([this] { m_pEdits->revert(); })},
        {C::DeviceAction, run([this] { m_pSelection->chooseDevice(); })},
    };
}

void MousecfgWidget::onButtonClicked()
{
    QObject* source = sender();
    if (auto* hotspot = qobject_cast<HotspotButton*>(source)) {
        m_pPages->selectHotspot(hotspot->group(), hotspot->index());
        return;
    }
    MainControls::Action action;
    if (!m_pControls->actionOf(source, &action) || m_pSlots->handle(action, source))
        return;
    if (m_ButtonActions.contains(action))
        m_ButtonActions.value(action)(source);
}

void MousecfgWidget::onProfileListChanged()
{
    m_ProfileList = m_pProfileActions->manager().profileList();
    rebuildProfileMenu();
}

void MousecfgWidget::layoutControls()
{
    m_pControls->layout(m_dScale, m_Flags);
    m_pBattery->layout(m_dScale);
    m_pPages->layout();
}

void MousecfgWidget::retranslateUi()
{
    m_iTextsLanguage = m_pLanguage->current();
    // One version, the one the build stamps and --version prints.
    m_pControls->retranslate(m_pLanguage->currentName(), QStringLiteral(MOUSECFG_VERSION));
    m_pTray->retranslate();
    m_pBattery->retranslate();
    m_pPages->retranslate();
    layoutControls();
}

void MousecfgWidget::applyFonts()
{
    // Under the application's style sheet a control keeps the font it had when first styled:
    // the font goes to the application, and the sheet is set again to restyle.
    setUpFonts();
    SkinStyleSheet::installPopups(m_Accent);
    m_pBattery->setFontScale(m_dScale);
    m_pLanguage->fillMenu(m_pControls->languageMenu());
}

void MousecfgWidget::setUpFonts()
{
    // A translated label tells which script the language needs.
    const QFont font = LanguageFont::resolve(AppSettings::currentFont(m_dScale), tr("Warning"));
    QApplication::setFont(font);
    setFont(font);
}

void MousecfgWidget::changeEvent(QEvent* event)
{
    // The catalogue installed while the window was built posts one change more, for texts the
    // window already holds: only another language is worth the work.
    if (event->type() == QEvent::LanguageChange && m_pLanguage &&
        m_pLanguage->current() != m_iTextsLanguage) {
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

void MousecfgWidget::refreshModelParts()
{
    m_pPages->picture()->setDevice(m_CurrentDevice, m_ProductName);
    layoutControls();
    // Another mouse: the pages show the configuration again, not edits made for the last one.
    refreshPages();
}

void MousecfgWidget::updateDeviceCount()
{
    m_DeviceList = DeviceAccess::deviceNames();
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

bool MousecfgWidget::isBusy() const
{
    return m_pSelection->isBusy();
}

void MousecfgWidget::selectDevice(bool bHotplug)
{
    m_pSelection->runSelection(bHotplug);
}

quint8 MousecfgWidget::currentProfile() const
{
    return GlobalRecords::live().ProfileID;
}

void MousecfgWidget::refreshPages()
{
    const int slot = currentProfile();
    m_pControls->checkSlot(slot);
    m_pControls->profileName()->setText(
        GlobalRecords::live().ProfileNames[slot % MouseConfig::kProfileCount]);
    m_pPages->refresh(m_ProductName);
}

void MousecfgWidget::rebuildProfileMenu()
{
    m_pControls->rebuildProfileMenu(m_ProfileList, m_dScale);
}
