#include "device/KivoGetBatteryThread.h"

#include "device/DeviceLink.h"
#include "device/ReportBuilder.h"

#include <QDebug>

#include <cstring>

bool KivoGetBatteryThread::isStatusAnswer(const quint8* data)
{
    return data[1] == 0xAA && data[2] == 0xFF && data[3] == 0xDD;
}

void KivoGetBatteryThread::reportStatus(const quint8* data)
{
    // The answer names no profile: the window must not take a made-up slot for the mouse's own.
    emit RefreshStatus(kNoProfile, quint8(data[6] & 0x0F), data[7], 0);
}

void KivoGetBatteryThread::run()
{
    qDebug("KivoGetBatteryThread.\n");
    int counter = 0;
    quint8 buffer[64];
    while (!m_bStop) {
        // A copy per round: closing the handles elsewhere cannot pull the device away mid-read.
        const std::shared_ptr<HidDevice> device = DeviceLink::instance().controlHandle();
        if (!device) {
            emit RefreshBatteryStatus(0, 0, 0);
            return;
        }

        std::memset(buffer, 0, sizeof buffer);
        device->readTimeout(buffer, kReportLength, kReadTimeoutMs);
        msleep(kRoundPauseMs);
        if (m_bStop)
            break;

        if (counter != 0) {
            // Listening round: the mouse reports DPI level and rate changes on its own.
            if (isStatusAnswer(buffer)) {
                qDebug("hid_read 1 s %x %x %x %x %x %x %x %x.\n", buffer[0], buffer[1], buffer[2],
                       buffer[3], buffer[4], buffer[5], buffer[6], buffer[7]);
                reportStatus(buffer);
            }
            if (!m_bStop)
                counter = counter >= kLastListeningRound ? 0 : counter + 1;
            continue;
        }

        // Query round. The query goes straight to the device: its answer is read here, not by
        // the command transport's echo check.
        const ReportBuilder::Frame query = ReportBuilder::batteryQuery();
        if (device->write(query.data(), query.size()) < 0)
            qDebug("Unable to send a feature report.\n");
        msleep(kQueryPauseMs);
        if (m_bStop)
            break;
        // A time-out keeps what this round's first read found.
        device->readTimeout(buffer, kReportLength, kReadTimeoutMs);
        if (isStatusAnswer(buffer)) {
            qDebug("hid_read 1 f %x %x %x %x %x %x %x %x.\n", buffer[0], buffer[1], buffer[2],
                   buffer[3], buffer[4], buffer[5], buffer[6], buffer[7]);
            emit RefreshBatteryStatus(0, buffer[4], buffer[5]);
            reportStatus(buffer);
        }
        counter = 1;
    }
    qDebug("KivoGetBatteryThread Stop.\n");
}
