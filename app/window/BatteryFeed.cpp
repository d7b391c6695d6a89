#include "app/window/BatteryFeed.h"

#include "app/selection/DeviceSelectionHost.h"
#include "app/status/BatteryDisplay.h"
#include "app/status/NotificationAnnouncer.h"
#include "app/window/TrayIcon.h"
#include "device/DeviceAccess.h"
#include "platform/DesktopNotifications.h"

#include <QDebug>

BatteryFeed::BatteryFeed(DeviceSelectionHost* host, BatteryDisplay* display, TrayIcon* tray,
                         OsdAnnouncer& fallback, const QColor& accent, QObject* parent)
    : QObject(parent), m_pHost(host), m_pDisplay(display), m_pTray(tray), m_Accent(accent),
      m_pWarnings(std::make_unique<NotificationAnnouncer>(new DesktopNotifications, &fallback))
{
    m_pWarnings->notifications().setLasting(true);
}

BatteryFeed::~BatteryFeed() = default;

QString BatteryFeed::warningText(int iMark, int iLevel)
{
    return (iMark == BatteryAlarm::kEmptyMark
                ? tr("Mouse battery almost empty: %1%. Charge it now.")
                : tr("Mouse battery low: %1%"))
        .arg(iLevel);
}

void BatteryFeed::showLast()
{
    show(m_pDisplay->level(), m_pDisplay->isCharging());
}

void BatteryFeed::onBatteryReported(int iLevel, bool bCharging)
{
    const bool bCable = show(iLevel, bCharging);
    qDebug("battery %d%% charging %d connection %d", m_pDisplay->level(), int(bCharging),
           m_pDisplay->state());
    // On the cable the mouse charges, whatever the flag says.
    if (const int mark = m_Alarm.report(m_pDisplay->level(), bCharging || bCable)) {
        const QString text = warningText(mark, m_pDisplay->level());
        qDebug().noquote() << "battery warning:" << text;
        m_pWarnings->announce(text, m_Accent);
    }
}

void BatteryFeed::onDeviceOpened(bool bOpened)
{
    // Polling reports on a mouse that opened.
    if (bOpened)
        showLast();
    else
        onBatteryReported(0, false);
}

bool BatteryFeed::show(int iLevel, bool bCharging)
{
    const DeviceSlot* slot = DeviceAccess::findSlot(m_pHost->currentDevice().toLatin1());
    const bool bCable = slot && slot->cableControlFound == 1;
    m_pDisplay->show(iLevel, bCharging, bCable, slot && slot->receiverControlFound == 1);
    m_pTray->setBattery(m_pDisplay->level(), m_pDisplay->isCharging(), bCable);
    return bCable;
}
