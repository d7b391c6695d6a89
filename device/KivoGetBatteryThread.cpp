#include "device/KivoGetBatteryThread.h"

#include "device/DeviceLink.h"
#include "device/ReportBuilder.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QLoggingCategory>

#include <cstring>

bool KivoGetBatteryThread::isStatusAnswer(const quint8* data)
{
    return data[1] == 0xAA && data[2] == 0xFF && data[3] == 0xDD;
}

void KivoGetBatteryThread::reportStatus(const quint8* data, bool bOwnReport)
{
    // An answer that says what the last one said wakes nobody: the window sits idle all day.
    // A report the mouse sends by itself (a button pressed on it) always goes on.
    const int status = (data[6] & 0x0F) << 8 | data[7];
    if (!bOwnReport && status == m_iLastStatus)
        return;
    m_iLastStatus = status;
    // The answer names no profile: the window must not take a made-up slot for the mouse's own.
    emit RefreshStatus(kNoProfile, quint8(data[6] & 0x0F), data[7], 0);
}

void KivoGetBatteryThread::run()
{
    qDebug("KivoGetBatteryThread.\n");
    QElapsedTimer clock;
    clock.start();
    qint64 nextQuery = 0;
    bool bAwaitingAnswer = false;
    quint8 buffer[64];
    // The toolkit formats a message before it asks whether anyone wants it: each round would
    // pay for two lines nobody reads.
    const bool bDiagnostics = QLoggingCategory::defaultCategory()->isDebugEnabled();
    while (!m_bStop) {
        // A copy per round: closing the handles elsewhere cannot pull the device away mid-read.
        const std::shared_ptr<HidDevice> device = DeviceLink::instance().controlHandle();
        if (!device) {
            emit RefreshBatteryStatus(0, 0, 0);
            return;
        }

        if (clock.elapsed() >= nextQuery) {
            // The query goes straight to the device: its answer is read here, not by the command
            // transport's echo check.
            const ReportBuilder::Frame query = ReportBuilder::batteryQuery();
            if (device->writeThenWait(query.data(), query.size(), kQueryIntervalMs) < 0)
                qDebug("Unable to send a feature report.\n");
            nextQuery = clock.elapsed() + kQueryIntervalMs;
            bAwaitingAnswer = true;
        }

        const int untilQuery = int(qMax<qint64>(0, nextQuery - clock.elapsed()));
        const HidDevice::InputWait outcome = device->waitForInput(m_Wake, untilQuery);
        if (m_bStop)
            break;
        if (outcome == HidDevice::InputWait::Failed) {
            // A broken interface answers every call at once: sleep until the next query instead
            // of spinning on it. The handle list decides whether there is still a mouse.
            m_Wake.wait(qMin(untilQuery, kRetryPauseMs));
            continue;
        }
        if (outcome != HidDevice::InputWait::Ready)
            continue;

        std::memset(buffer, 0, sizeof buffer);
        if (device->readTimeout(buffer, kReportLength, 0) <= 0 || !isStatusAnswer(buffer))
            continue;
        if (bAwaitingAnswer) {
            // The first status answer after a query carries the battery bytes asked for.
            if (bDiagnostics)
                qDebug("hid_read 1 f %x %x %x %x %x %x %x %x.\n", buffer[0], buffer[1], buffer[2],
                       buffer[3], buffer[4], buffer[5], buffer[6], buffer[7]);
            bAwaitingAnswer = false;
            const int battery = buffer[4] | buffer[5] << 8;
            if (battery != m_iLastBattery)
                emit RefreshBatteryStatus(0, buffer[4], buffer[5]);
            m_iLastBattery = battery;
            reportStatus(buffer, false);
        } else {
            // The mouse reports DPI level and rate changes on its own.
            if (bDiagnostics)
                qDebug("hid_read 1 s %x %x %x %x %x %x %x %x.\n", buffer[0], buffer[1], buffer[2],
                       buffer[3], buffer[4], buffer[5], buffer[6], buffer[7]);
            reportStatus(buffer, true);
        }
    }
    qDebug("KivoGetBatteryThread Stop.\n");
}
