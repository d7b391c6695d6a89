#include "app/selection/DeviceSelection.h"

#include "app/selection/DeviceSelectionHost.h"
#include "app/selection/MouseDialog.h"
#include "device/DeviceAccess.h"
#include "device/DeviceLink.h"
#include "model/AppSettings.h"
#include "platform/DeviceChangeNotifier.h"
#include "platform/DeviceChangeNotifierFactory.h"
#include "widgets/WindowActivation.h"

#include <QDebug>
#include <QTimer>
#include <QWidget>

DeviceSelection::DeviceSelection(DeviceSelectionHost* host, QObject* parent)
    : QObject(parent), m_pHost(host), m_NotifierFactory(&DeviceChangeNotifierFactory::create)
{
    m_pOpenTimer = new QTimer(this);
    m_pOpenTimer->setSingleShot(true);
    m_pOpenTimer->setInterval(kOpenDelayMs);
    connect(m_pOpenTimer, &QTimer::timeout, this, &DeviceSelection::openChosen);
}

DeviceSelection::~DeviceSelection()
{
    if (MouseDialog* dialog = m_pDialog) {
        dialog->disconnect(this);
        delete dialog;
    }
}

void DeviceSelection::connectNotifier(DeviceChangeNotifier* notifier)
{
    if (!notifier)
        return;
    if (!notifier->isActive())
        qDebug() << "注册失败";
    connect(notifier, &DeviceChangeNotifier::deviceArrived, this,
            &DeviceSelection::slotDeviceChanged);
    connect(notifier, &DeviceChangeNotifier::deviceRemoved, this,
            &DeviceSelection::slotDeviceChanged);
}

void DeviceSelection::setDialogNotifierFactory(NotifierFactory factory)
{
    m_NotifierFactory = std::move(factory);
}

MouseDialog* DeviceSelection::currentDialog() const
{
    return m_pDialog;
}

void DeviceSelection::updateDeviceCount()
{
    m_pHost->updateDeviceCount();
}

void DeviceSelection::stopBatteryPolling()
{
    m_pHost->stopBatteryPolling();
}

void DeviceSelection::selectDevice(bool bHotplug)
{
    runSelection(bHotplug);
}

void DeviceSelection::slotDeviceChanged(const QString& path)
{
    if (m_bHeld) {
        if (!m_HeldPaths.contains(path))
            m_HeldPaths.append(path);
        return;
    }
    DeviceAccess::IfDeviceInMouseList(path, this);
}

void DeviceSelection::holdDeviceChanges(bool bHold)
{
    m_bHeld = bHold;
    if (bHold)
        return;
    const QStringList paths = m_HeldPaths;
    m_HeldPaths.clear();
    for (const QString& path : paths)
        slotDeviceChanged(path);
}

void DeviceSelection::runSelection(bool bHotplug)
{
    // The user asking for the window ends a start in the tray; a plug does not.
    if (!bHotplug)
        m_bStayHidden = false;
    if (m_bStayHidden && !isBusy()) {
        openQuietly();
        return;
    }
    if (isBusy()) {
        // A chooser that is open follows the list itself; a change during the pause would
        // otherwise be lost, as the choice it would lead to was already made.
        if (bHotplug && m_Phase == Opening && DeviceAccess::deviceNames() != m_PauseDevices)
            m_bRerun = true;
        return;
    }
    m_Phase = Choosing;

    const QStringList devices = DeviceAccess::deviceNames();
    QWidget* window = m_pHost->hostWindow();
    const auto chosen = [this](int result, const QString& name) {
        takeChoice(result, name);
        m_pHost->refreshModelParts();
        openAfterPause();
    };
    if (devices.size() >= 2) {
        window->hide();
        showDialog(devices, window, false, chosen);
    } else if (devices.size() == 1) {
        takeChoice(QDialog::Accepted, devices.first());
        m_pHost->refreshModelParts();
        openAfterPause();
    } else {
        // No window of ours is on screen while no mouse is there: the chooser stands alone and
        // waits for one, following plugs on its own as well.
        window->hide();
        showDialog(devices, nullptr, true, chosen);
    }
}

void DeviceSelection::openQuietly()
{
    m_bStayHidden = true;
    const QStringList devices = DeviceAccess::deviceNames();
    // No mouse yet: its arrival (a receiver found after the login) comes back here.
    if (isBusy() || devices.isEmpty())
        return;
    if (!devices.contains(m_pHost->currentDevice()))
        takeChoice(QDialog::Accepted, devices.first());
    m_Phase = Choosing;
    m_pHost->refreshModelParts();
    openAfterPause();
}

void DeviceSelection::chooseDevice()
{
    if (isBusy())
        return;
    m_Phase = Choosing;
    QWidget* window = m_pHost->hostWindow();
    window->hide();
    showDialog(DeviceAccess::deviceNames(), window, false, [this](int result, const QString& name) {
        const bool accepted = takeChoice(result, name);
        m_pHost->refreshModelParts();
        // Handles follow the chosen mouse, not only the pictures.
        if (accepted) {
            openAfterPause();
        } else {
            showWindow();
            finish();
        }
    });
}

void DeviceSelection::showDialog(
    const QStringList& devices, QWidget* parent, bool bFollowPlugs,
    const std::function<void(int result, const QString& name)>& onFinished)
{
    auto* dialog = new MouseDialog(devices, parent);
    dialog->setWindowModality(Qt::ApplicationModal);
    connect(this, &DeviceSelection::mouseDevicesUpdated, dialog, &MouseDialog::slotRefreshList);
    if (bFollowPlugs) {
        DeviceChangeNotifier* notifier = m_NotifierFactory ? m_NotifierFactory(dialog) : nullptr;
        if (notifier && !notifier->isActive())
            qDebug() << "注册失败";
        dialog->setNotifier(notifier);
        connect(dialog, &MouseDialog::devicePluggedIn, this, &DeviceSelection::slotDeviceChanged);
        connect(dialog, &MouseDialog::deviceUnplugged, this, &DeviceSelection::slotDeviceChanged);
    }
    connect(dialog, &QDialog::finished, this, [this, dialog, onFinished](int result) {
        dialog->disconnect(this);
        disconnect(this, nullptr, dialog, nullptr);
        // finished may come from inside one of the dialog's own signals.
        dialog->deleteLater();
        m_pDialog = nullptr;
        onFinished(result, dialog->selectedName());
    });
    m_pDialog = dialog;
    dialog->show();
    WindowActivation::activate(dialog);
    qDebug("device chooser shown");
    emit dialogOpened(dialog);
}

bool DeviceSelection::takeChoice(int result, const QString& name)
{
    if (result != QDialog::Accepted || name.isEmpty())
        return false;
    m_pHost->setCurrentDevice(name);
    AppSettings::setCurrentProductName(name);
    return true;
}

void DeviceSelection::openAfterPause()
{
    m_Phase = Opening;
    m_PauseDevices = DeviceAccess::deviceNames();
    m_pHost->stopBatteryPolling();
    m_pOpenTimer->start();
}

void DeviceSelection::openChosen()
{
    // Handles still open would be overwritten without being closed.
    DeviceAccess::closeAll();
    const QString device = m_pHost->currentDevice();
    if (!device.isEmpty())
        DeviceAccess::openByCodeName(device.toLatin1());
    const bool opened = DeviceLink::instance().controlHandle() != nullptr;
    if (opened)
        m_pHost->startBatteryPolling();
    if (DeviceAccess::permissionDenied() && !m_bPermissionReported) {
        m_bPermissionReported = true;
        emit devicePermissionDenied();
    }
    emit deviceOpened(opened);
    if (!m_bStayHidden)
        showWindow();
    finish();
}

void DeviceSelection::showWindow()
{
    QWidget* window = m_pHost->hostWindow();
    window->showNormal();
    WindowActivation::activate(window);
}

void DeviceSelection::finish()
{
    m_Phase = Idle;
    m_PauseDevices.clear();
    if (m_bRerun) {
        m_bRerun = false;
        runSelection(true);
    }
}
