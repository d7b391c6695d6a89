#include "device/WriteGuard.h"

#include "device/ButtonEncoder.h"
#include "device/DpiEncoder.h"
#include "model/AppSettings.h"
#include "model/DeviceDescription.h"
#include "model/DpiSensorRange.h"
#include "model/FunctionCode.h"
#include "model/GlobalRecords.h"
#include "model/ProfileRules.h"

#include <algorithm>

namespace {
bool hasLeftClick(const ProfileData& profile, const WriteGuard::Model& model)
{
    // Only the buttons the mouse has: a left click on a record the table leaves out clicks nothing.
    const int count = std::clamp(model.iButtonCount, 0, ButtonEncoder::kWheelUpSlot);
    for (int b = 0; b < count; ++b) {
        if (profile.ButtonInfo[b].Fun == FunctionCode::LeftClick &&
            ButtonEncoder::slotOffset(b, model.iScrollRev, model.pMatrix) >= 0)
            return true;
    }
    return false;
}

// Why level `level` cannot be sent for this sensor; empty when it can.
QString levelRefusal(int level, const DpiLevel& dpi, const WriteGuard::Model& model)
{
    DpiEncoder::Axis x;
    DpiEncoder::Axis y;
    // The mouse gets zeros for every level of a sensor the encoder does not know.
    if (!DpiEncoder::encodeAxes(dpi, model.iSensor, x, y))
        return WriteGuard::tr("The mouse's sensor (%1) is not known, so its DPI levels cannot be "
                              "written.")
            .arg(model.iSensor);
    DpiSensorRange range;
    if (DpiSensorRange::find(model.iSensor, model.product, model.iWideRange, &range)) {
        for (const quint32 step : {dpi.x, dpi.y}) {
            if (step < quint32(range.iMinStep) || step > quint32(range.iMaxStep) ||
                ProfileRules::dpiOfStep(step, model.iSensor) <= 0)
                return WriteGuard::tr(
                           "DPI level %1 is outside what the sensor takes (%2 to %3 DPI).")
                    .arg(level + 1)
                    .arg(range.iMinLabel)
                    .arg(range.iMaxLabel);
        }
        return QString();
    }
    // Without a range, a level that goes out as nothing at all is certainly wrong.
    if ((x.flag == 0 && x.value == 0) || (y.flag == 0 && y.value == 0))
        return WriteGuard::tr("DPI level %1 is 0.").arg(level + 1);
    return QString();
}
} // namespace

WriteGuard::Model WriteGuard::currentModel()
{
    Model model;
    model.iButtonCount = DeviceDescription::buttonCount();
    model.iDpiLevelCount = DeviceDescription::dpiLevelCount();
    model.iScrollRev = DeviceDescription::scrollRev();
    model.iSensor = AppSettings::sensorNumber();
    model.iWideRange = DeviceDescription::wideRange33254();
    model.product = DeviceDescription::productName();
    model.pMatrix = GlobalRecords::buttonMatrix();
    return model;
}

QString WriteGuard::check(const ProfileData& profile, const Model& model)
{
    if (model.pMatrix && !hasLeftClick(profile, model))
        return tr("No button of the mouse would have the left click. Give one button the left "
                  "click, then apply again.");
    const int levels = std::clamp(model.iDpiLevelCount, 0, int(ProfileData::kDpiLevelCount));
    for (int i = 0; i < levels; ++i) {
        const DpiLevel& level = profile.DpiInfo[i];
        if (!level.used)
            continue;
        const QString why = levelRefusal(i, level, model);
        if (!why.isEmpty())
            return why;
    }
    return QString();
}
