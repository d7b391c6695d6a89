#include "device/ReportBuilder.h"

#include "device/DpiEncoder.h"
#include "device/MacroBlockEncoder.h"

#include <cstring>

namespace {
ReportBuilder::Frame typed(quint8 type)
{
    ReportBuilder::Frame frame{};
    frame[1] = type;
    return frame;
}

ReportBuilder::Frame finished(ReportBuilder::Frame frame)
{
    ReportBuilder::setChecksum(frame);
    return frame;
}

void putColour(quint8* out, const QColor& colour)
{
    out[0] = quint8(colour.red());
    out[1] = quint8(colour.green());
    out[2] = quint8(colour.blue());
}
} // namespace

quint8 ReportBuilder::checksum(const Frame& frame)
{
    quint8 sum = 0;
    for (int i = 1; i <= 31; ++i)
        sum = quint8(sum + frame[i]);
    return quint8(~sum);
}

void ReportBuilder::setChecksum(Frame& frame)
{
    frame[32] = checksum(frame);
}

ReportBuilder::Frame ReportBuilder::marker(int iEnd)
{
    Frame frame = typed(kTypeMarker);
    frame[2] = iEnd == 0 ? 0xAA : 0xCC;
    frame[3] = iEnd == 0 ? 0x55 : 0x33;
    return finished(frame);
}

ReportBuilder::Frame ReportBuilder::general1(const MouseConfig& config)
{
    const ProfileData& profile = config.Profile[0];
    const LedSetting& led = profile.activeLed();
    Frame frame = typed(kTypeGeneral1);
    frame[2] = profile.dpi;
    frame[3] = profile.pollrate;
    frame[4] = profile.LedMode;
    frame[5] = quint8(led.breath);
    frame[6] = quint8(led.bright);
    // Modes without a speed or a brightness of their own send zero for it.
    switch (profile.LedMode) {
    case 0:
    case 3:
        frame[5] = 0;
        frame[6] = 0;
        break;
    case 1:
        frame[5] = 0;
        break;
    case 4:
        frame[6] = 0;
        break;
    default:
        break;
    }
    return finished(frame);
}

ReportBuilder::Frame ReportBuilder::general2(const MouseConfig& config, int iSyncMode)
{
    const ProfileData& profile = config.Profile[0];
    Frame frame = typed(kTypeGeneral2);
    frame[2] = 0x06;
    frame[3] = config.LiftHigh;
    frame[4] = profile.LedSleepTime;
    frame[5] = profile.LedMoveOFF == 255 ? 0 : 1;
    // Models of sync variant 3 keep the debounce time where the others keep angle snapping.
    frame[6] = iSyncMode == 3 ? config.Debounce : config.AngleValue;
    frame[7] = config.Sync;
    putColour(&frame[8], profile.activeLed().colour);
    return finished(frame);
}

ReportBuilder::Frame ReportBuilder::general4(const MouseConfig& config)
{
    const ProfileData& profile = config.Profile[0];
    Frame frame = typed(kTypeGeneral4);
    for (int mode = 0; mode < 8; ++mode)
        putColour(&frame[2 + 3 * mode], profile.LedInfo[mode].colour);
    return finished(frame);
}

ReportBuilder::Frame ReportBuilder::dpiTable(const ProfileData& profile, int iSensor, int iPart)
{
    Frame frame = typed(iPart == 0 ? kTypeDpi1 : kTypeDpi2);
    const int first = iPart == 0 ? 0 : 6;
    const int count = iPart == 0 ? 6 : 2;
    for (int i = 0; i < count; ++i)
        DpiEncoder::encodeLevel(profile.DpiInfo[first + i], iSensor, &frame[2 + 5 * i]);
    return finished(frame);
}

ReportBuilder::Frame ReportBuilder::buttonTable(const quint8* table, int iPart)
{
    static const quint8 kTypes[3] = {kTypeButtons1, kTypeButtons2, kTypeButtons3};
    if (iPart < 0 || iPart > 2)
        iPart = 0;
    Frame frame = typed(kTypes[iPart]);
    // Seven slots (28 bytes) per report; the last report carries the two wheel slots.
    const int offset = 2 + 28 * iPart;
    const int length = iPart == 2 ? 8 : 28;
    std::memcpy(&frame[2], table + offset, length);
    return finished(frame);
}

ReportBuilder::Frame ReportBuilder::macroBlock(int iBlock, int iPart, const quint8* block)
{
    if (iPart < 0 || iPart > 8)
        iPart = 0;
    Frame frame = typed(quint8(kTypeMacroBase + 9 * iBlock + iPart));
    const int offset = 30 * iPart;
    const int length = iPart < 8 ? 30 : MacroBlockEncoder::kBlockSize - offset;
    std::memcpy(&frame[2], block + offset, length);
    return finished(frame);
}

ReportBuilder::Frame ReportBuilder::batteryQuery()
{
    Frame frame = typed(kTypeBatteryQuery);
    frame[2] = 0xAA;
    frame[3] = 0xFF;
    frame[4] = 0xDD;
    return finished(frame);
}

ReportBuilder::Frame ReportBuilder::shortForm(quint8 command, quint8 param5, quint8 param6)
{
    Frame frame{};
    frame[1] = 0x05;
    frame[2] = 0x00;
    frame[3] = 0xFA;
    frame[4] = command;
    frame[5] = param5;
    frame[6] = param6;
    return frame;
}
