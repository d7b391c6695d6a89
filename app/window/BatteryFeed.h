#pragma once

#include "app/status/BatteryAlarm.h"

#include <QColor>
#include <QObject>

#include <memory>

class BatteryDisplay;
class DeviceSelectionHost;
class NotificationAnnouncer;
class OsdAnnouncer;
class TrayIcon;

// Takes each battery report to where it shows: the window's gauge, the tray's tool tip and
// icon, and a warning as the battery runs low (BatteryAlarm) as a desktop notification, said on
// the OSD (`fallback`) where no notification server answers.
class BatteryFeed : public QObject
{
    Q_OBJECT
public:
    BatteryFeed(DeviceSelectionHost* host, BatteryDisplay* display, TrayIcon* tray,
                OsdAnnouncer& fallback, const QColor& accent, QObject* parent = nullptr);
    ~BatteryFeed() override;

    // What was shown last, again (at start, from the level stored by the last run).
    void showLast();
    // The warning texts, as they are shown.
    static QString warningText(int iMark, int iLevel);

public slots:
    void onBatteryReported(int iLevel, bool bCharging);
    // After every open attempt: a mouse that could not be opened shows as off.
    void onDeviceOpened(bool bOpened);

private:
    // Returns whether the mouse is on the cable.
    bool show(int iLevel, bool bCharging);

    DeviceSelectionHost* m_pHost;
    BatteryDisplay* m_pDisplay;
    TrayIcon* m_pTray;
    QColor m_Accent;
    BatteryAlarm m_Alarm;
    std::unique_ptr<NotificationAnnouncer> m_pWarnings;
};
