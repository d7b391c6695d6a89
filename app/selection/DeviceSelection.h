#pragma once

#include "device/HotplugListener.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

class DeviceChangeNotifier;
class DeviceSelectionHost;
class MouseDialog;
class QTimer;
class QWidget;

// Decides which mouse the main window works on: follows device arrival and removal, asks the
// user with the device chooser when the choice is not obvious, and reopens the chosen mouse.
//
// Everything runs on the GUI thread and nothing here blocks it: the chooser is shown and answered
// through its finished signal, and the pause before a reopen is a timer. While a selection is
// under way (isBusy) further requests do not start a second one; a hot-plug that changes the
// list of mice during the pause is remembered and handled once the pause is over.
class DeviceSelection : public QObject, public HotplugListener
{
    Q_OBJECT
public:
    // A mouse that was just plugged in, or handles that were just closed, settle in this time.
    static constexpr int kOpenDelayMs = 500;
    using NotifierFactory = std::function<DeviceChangeNotifier*(QObject* parent)>;

    explicit DeviceSelection(DeviceSelectionHost* host, QObject* parent = nullptr);
    ~DeviceSelection() override;

    // Follows this notifier's arrivals and removals (the window's own, for its whole life).
    void connectNotifier(DeviceChangeNotifier* notifier);
    // Where the chooser that waits for a mouse gets its own notifier; by default
    // DeviceChangeNotifierFactory::create. A factory returning nullptr leaves the chooser without
    // one.
    void setDialogNotifierFactory(NotifierFactory factory);

    bool isBusy() const { return m_Phase != Idle; }
    // In the pause between the choice and the reopen.
    bool isWaitingToOpen() const { return m_Phase == Opening; }
    // The chooser while it is open, else nullptr.
    MouseDialog* currentDialog() const;

    // HotplugListener
    void updateDeviceCount() override;
    void stopBatteryPolling() override;
    void selectDevice(bool bHotplug) override;

public slots:
    // The selection routine: tray activation and start-up pass false, the hot-plug check true.
    void runSelection(bool bHotplug);
    // The start in the tray: opens the window's mouse (or the first one) and shows nothing,
    // neither the window nor the chooser; so do the hot-plug selections after it, until a
    // selection that is not a hot-plug one (the tray, a second start) brings the window back.
    void openQuietly();
    // The device button: the chooser with the connected mice, the window's device unchanged
    // unless the user accepts.
    void chooseDevice();
    // A device-interface arrival or removal path.
    void slotDeviceChanged(const QString& path);
    // While held, arrivals and removals are only remembered; releasing handles them (each path
    // once) after the caller's own work is over.
    void holdDeviceChanges(bool bHold);

signals:
    // The list of connected mice changed. Also the HotplugListener's mouseDevicesUpdated: the
    // hot-plug check emits the signal through the listener interface.
    void mouseDevicesUpdated(const QStringList& devices);
    void dialogOpened(MouseDialog* dialog);
    // After every open attempt; false: nothing could be opened, the mouse shows as off.
    void deviceOpened(bool bOpened);
    // The system refused access to the mouse's device nodes; at most once per run.
    void devicePermissionDenied();

private:
    enum Phase
    {
        Idle,
        Choosing,
        Opening
    };

    void showDialog(const QStringList& devices, QWidget* parent, bool bFollowPlugs,
                    const std::function<void(int result, const QString& name)>& onFinished);
    bool takeChoice(int result, const QString& name);
    void openAfterPause();
    void openChosen();
    void showWindow();
    void finish();

    DeviceSelectionHost* m_pHost;
    NotifierFactory m_NotifierFactory;
    QTimer* m_pOpenTimer = nullptr;
    QPointer<MouseDialog> m_pDialog;
    Phase m_Phase = Idle;
    QStringList m_PauseDevices; // the list of mice when the pause began
    bool m_bRerun = false;
    bool m_bStayHidden = false; // started in the tray, not brought back yet
    bool m_bHeld = false;
    QStringList m_HeldPaths;
    bool m_bPermissionReported = false;
};
