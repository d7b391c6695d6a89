#include "device/BatteryQuery.h"

#include "device/DeviceLink.h"
#include "device/KivoGetBatteryThread.h"
#include "device/ReportBuilder.h"

#include <QThread>

#include <cstring>

BatteryQuery::Answer BatteryQuery::fromBytes(quint8 iLowByte, quint8 iHiByte)
{
    Answer answer;
    answer.bAnswered = true;
    answer.iLevel = qMin<int>(iLowByte, 100);
    answer.bCharging = (iHiByte & 0x01) != 0;
    return answer;
}

BatteryQuery::Answer BatteryQuery::ask()
{
    const std::shared_ptr<HidDevice> device = DeviceLink::instance().controlHandle();
    if (!device)
        return Answer();
    quint8 buffer[64];
    const ReportBuilder::Frame query = ReportBuilder::batteryQuery();
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (device->write(query.data(), query.size()) < 0)
            continue;
        QThread::msleep(kAnswerPauseMs);
        // Status reports the mouse sends on its own carry the same marks; any of them answers.
        for (int read = 0; read < kReadsPerAttempt; ++read) {
            std::memset(buffer, 0, sizeof buffer);
            device->readTimeout(buffer, KivoGetBatteryThread::kReportLength, kReadTimeoutMs);
            if (KivoGetBatteryThread::isStatusAnswer(buffer))
                return fromBytes(buffer[4], buffer[5]);
        }
    }
    return Answer();
}
