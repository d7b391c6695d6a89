#pragma once

#include "app/profiles/ConfigWriter.h"

#include <QObject>

#include <functional>

class BatteryPoller;
class ConfirmationNote;
class DeviceSelection;
class QWidget;
class WindowPages;
class WindowServices;

// What the window's Apply, OK, Cancel, close and firmware buttons do, and the window's one way
// of talking to the mouse under the busy dialog: a write of the configuration or a slot switch.
// Device arrivals and removals wait meanwhile, so that a chooser never opens under the busy
// dialog nor a failure box over the chooser.
class WindowCommands : public QObject
{
    Q_OBJECT
public:
    WindowCommands(QWidget* window, DeviceSelection* selection, BatteryPoller* poller,
                   WindowPages* pages, const WindowServices& services);

    ConfigWriter::Outcome write(bool bFullWrite = false);
    const ConfigWriter::Outcome& lastWrite() const { return m_LastWrite; }
    // Makes `iSlot` the mouse's active profile; 0 when it was switched.
    quint8 selectSlot(int iSlot);

    // False when the write was refused (nothing saved or sent).
    bool onApply();
    void onOk();
    void onCancel();
    void onClose();
    void onFirmwareUpdate();
    // A profile or the whole configuration was written to `path`.
    void onSaved(const QString& path);
    // Asked before the window hides or quits; false keeps it as it is.
    void setLeaveCheck(const std::function<bool()>& check) { m_LeaveCheck = check; }

signals:
    // A write ran (the user's edits are saved and were sent, or sending failed and is told).
    void written();
    // Cancel read the active profile back from its file.
    void profileReloaded();

private:
    void takePageValues();
    void hideToTray();

    QWidget* m_pWindow;
    DeviceSelection* m_pSelection;
    BatteryPoller* m_pPoller;
    WindowPages* m_pPages;
    const WindowServices& m_Services;
    ConfigWriter::Outcome m_LastWrite;
    ConfirmationNote* m_pNote;
    std::function<bool()> m_LeaveCheck;
};
