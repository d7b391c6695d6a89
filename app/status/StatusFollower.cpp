#include "app/status/StatusFollower.h"

#include "app/status/OsdAnnouncer.h"
#include "app/status/StatusTexts.h"
#include "model/AppSettings.h"
#include "model/DpiLevelStore.h"
#include "model/GlobalRecords.h"
#include "model/ProfileFiles.h"
#include "model/ProfileRules.h"
#include "platform/PointerSpeed.h"

#include <QDebug>

StatusFollower::StatusFollower(OsdAnnouncer& announcer, PointerSpeed& pointerSpeed,
                               const QColor& accent, QObject* parent)
    : QObject(parent), m_Announcer(announcer), m_PointerSpeed(pointerSpeed), m_Accent(accent)
{
}

StatusFollower::~StatusFollower() = default;

void StatusFollower::slotRefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte)
{
    // The low byte is the level in percent; the mouse flags charging in bit 0 of the high byte
    // (the thread's own charging argument is always 0).
    const bool charging = iCharge != 0 || (iHiByte & 0x01) != 0;
    emit batteryReported(qMin<int>(iLowByte, 100), charging);
}

void StatusFollower::slotRefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode)
{
    Q_UNUSED(iMode);
    if (iProfile != GlobalRecords::live().ProfileID)
        slotRefreshProfile(iProfile);
    const ProfileData& profile = GlobalRecords::live().activeProfile();
    if (iDPI != profile.dpi)
        slotRefreshDPIStage(iDPI);
    if (iRate != profile.pollrate)
        slotRefreshRate(iRate);
}

void StatusFollower::slotRefreshProfile(quint8 iProfile)
{
    if (iProfile >= MouseConfig::kProfileCount)
        return;
    GlobalRecords::live().ProfileID = iProfile;
    emit profileChanged(iProfile);
    ProfileFiles::saveActiveSlot(iProfile);
    slotApplyPointerSpeed();
    announce(StatusTexts::profile(iProfile));
}

void StatusFollower::slotRefreshDPIStage(quint8 iDPI)
{
    if (iDPI >= ProfileData::kDpiLevelCount)
        return;
    ProfileData& profile = GlobalRecords::live().activeProfile();
    profile.dpi = iDPI;
    emit dpiStageChanged(iDPI);
    const int dpi = ProfileRules::dpiOfStep(profile.DpiInfo[iDPI].x, AppSettings::sensorNumber());
    announce(StatusTexts::dpi(iDPI, dpi));
    // Into the file of the profile active now; the large file is rewritten on a thread of its
    // own, so that the window answers the press at once.
    const MouseConfig& live = GlobalRecords::live();
    const QString path =
        ProfileFiles::profilePath(live.ProfileNames[live.ProfileID % MouseConfig::kProfileCount]);
    if (!path.isEmpty())
        DpiLevelStore::store(path, iDPI);
}

void StatusFollower::slotRefreshRate(quint8 iRate)
{
    GlobalRecords::live().activeProfile().pollrate = iRate;
    emit rateChanged(iRate);
    const QString text = StatusTexts::rate(iRate);
    if (!text.isEmpty())
        announce(text);
}

void StatusFollower::slotApplyPointerSpeed()
{
    m_PointerSpeed.apply(GlobalRecords::live().activeProfile().mousespeed);
}

void StatusFollower::announce(const QString& text)
{
    qDebug().noquote() << "OSD announce:" << text;
    m_Announcer.announce(text, m_Accent);
}
