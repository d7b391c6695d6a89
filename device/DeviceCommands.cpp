#include "device/DeviceCommands.h"

#include "device/CommandTransport.h"
#include "model/AppSettings.h"
#include "model/DeviceDescription.h"
#include "model/FunctionCode.h"
#include "model/GlobalRecords.h"
#include "model/MacroFile.h"

#include <QDebug>
#include <QThread>

namespace {
constexpr quint8 kSelectProfile = 0x44;
constexpr quint8 kRefresh = 0x40;
constexpr quint8 kRefreshGroup = 0xF3;
const quint8 kRefreshCodes[] = {0x04, 0x01, 0x02, 0x08, 0x10};
} // namespace

quint8 DeviceCommands::send(const ReportBuilder::Frame& frame)
{
    return CommandTransport::sendCommand(frame.data(), ReportBuilder::kFrameSize);
}

quint8 DeviceCommands::sendMarker(int iEnd)
{
    return send(ReportBuilder::marker(iEnd));
}

quint8 DeviceCommands::sendGeneralSettings(const MouseConfig& config)
{
    quint8 result = send(ReportBuilder::general1(config));
    if (result == 0)
        result = send(ReportBuilder::general2(config, DeviceDescription::syncMode()));
    if (result == 0)
        result = send(ReportBuilder::general4(config));
    return result;
}

quint8 DeviceCommands::sendDpiTable(const MouseConfig& config, int iProfile)
{
    const ProfileData& profile =
        config.Profile[iProfile >= 0 && iProfile < MouseConfig::kProfileCount ? iProfile : 0];
    const int sensor = AppSettings::sensorNumber();
    quint8 result = send(ReportBuilder::dpiTable(profile, sensor, 0));
    if (result == 0)
        result = send(ReportBuilder::dpiTable(profile, sensor, 1));
    return result;
}

quint8 DeviceCommands::sendButtonTable(MouseConfig& config)
{
    ButtonEncoder::Model model;
    model.iButtonCount = DeviceDescription::buttonCount();
    model.iScrollRev = DeviceDescription::scrollRev();
    model.iSensor = AppSettings::sensorNumber();
    model.pMatrix = GlobalRecords::buttonMatrix();
    ButtonEncoder::buildTable(config.Profile[0], model, m_MacroIndexMap, m_ButtonTable.data());

    quint8 result = 0;
    for (int part = 0; part < 3 && result == 0; ++part)
        result = send(ReportBuilder::buttonTable(m_ButtonTable.data(), part));
    return result;
}

bool DeviceCommands::prepareMacroBlocks(const MouseConfig& config)
{
    for (auto& block : m_MacroBlocks)
        block.fill(0);
    for (const ProfileData& profile : config.Profile) {
        for (const ButtonAssignment& button : profile.ButtonInfo) {
            if (button.Fun != FunctionCode::Macro && button.Fun != FunctionCode::GunFile)
                continue;
            int index = 0;
            // Absent: not used by the profile the mouse gets, or uploaded already.
            if (!m_MacroIndexMap.find(button.macroname, index))
                continue;
            if (index >= kMacroBlockCount) {
                qDebug("iIndex>=MAX_MACRO_NUMBER_560\n");
                return false;
            }
            const MacroFileData data = MacroFile::load(button.macroname);
            MacroBlockEncoder::encode(data.events, m_MacroBlocks[index].data());
            // The mouse needs time to store the previous macro.
            QThread::msleep(kMacroPauseMs);
            m_MacroIndexMap.remove(button.macroname);
        }
    }
    return true;
}

quint8 DeviceCommands::sendMacros(const MouseConfig& config)
{
    // More macros than the mouse has blocks: the ones that fit are still sent, so the mouse
    // does not keep stale contents for macros it can hold.
    prepareMacroBlocks(config);
    for (int m = 0; m < kMacroBlockCount; ++m) {
        const quint8* block = m_MacroBlocks[m].data();
        if (!MacroBlockEncoder::isUsed(block))
            continue;
        for (int part = 0; part <= 8; ++part) {
            const quint8 result = send(ReportBuilder::macroBlock(m, part, block));
            if (result != 0)
                return result;
        }
    }
    return 0;
}

quint8 DeviceCommands::selectProfile(int iProfile)
{
    // The select command is not echoed, so its result only says whether the write went out.
    // Both commands are sent in any case; the first failure is the result.
    const quint8 selected = send(ReportBuilder::shortForm(kSelectProfile, quint8(iProfile), 0));
    const quint8 refreshed = send(ReportBuilder::shortForm(kRefresh, kRefreshGroup, 0x01));
    return selected != 0 ? selected : refreshed;
}

quint8 DeviceCommands::sendProfileRefreshSet()
{
    for (quint8 code : kRefreshCodes) {
        const quint8 result = send(ReportBuilder::shortForm(kRefresh, kRefreshGroup, code));
        if (result != 0)
            return result;
    }
    return 0;
}
