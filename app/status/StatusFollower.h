#pragma once

#include <QColor>
#include <QObject>

class OsdAnnouncer;
class PointerSpeed;

// Follows what the mouse tells about itself: the profile slot, DPI level and report rate it
// switched to on its own, and its battery. Each change goes into the live configuration, what
// must outlive the run is stored, the user sees it on the on-screen display, and the window
// learns through the signals what to show again. No widget here: the reports arrive from the
// battery thread whether or not the window is on screen.
class StatusFollower : public QObject
{
    Q_OBJECT
public:
    StatusFollower(OsdAnnouncer& announcer, PointerSpeed& pointerSpeed, const QColor& accent,
                   QObject* parent = nullptr);
    ~StatusFollower() override;

public slots:
    // The battery bytes as the thread reads them.
    void slotRefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    // The periodic status; only what differs from the live configuration is taken.
    void slotRefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode);
    void slotRefreshProfile(quint8 iProfile);
    void slotRefreshDPIStage(quint8 iDPI);
    void slotRefreshRate(quint8 iRate);
    // The desktop pointer speed of the profile that is active now, as the user sees it switch.
    void slotApplyPointerSpeed();

signals:
    // The live configuration's active slot is now `iProfile`; the pages show the old one.
    void profileChanged(quint8 iProfile);
    void dpiStageChanged(quint8 iStage);
    void rateChanged(quint8 iRate);
    // Level 0..100 (0: the mouse is off or out of reach).
    void batteryReported(int iLevel, bool bCharging);

private:
    void announce(const QString& text);

    OsdAnnouncer& m_Announcer;
    PointerSpeed& m_PointerSpeed;
    QColor m_Accent;
};
