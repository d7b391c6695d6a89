#include "app/commands/SettingsReport.h"

#include "app/commands/SettingEdits.h"
#include "model/AppSettings.h"
#include "model/ButtonOrder.h"
#include "model/DeviceDescription.h"
#include "model/ProfileRules.h"
#include "pages/KivoColorWindow.h"

#include <QJsonArray>

QJsonObject SettingsReport::json(const MouseConfig& config)
{
    const int slot = config.ProfileID % MouseConfig::kProfileCount;
    const ProfileData& profile = config.Profile[slot];
    const int sensor = AppSettings::sensorNumber();
    QJsonObject report{{"slot", slot + 1},
                       {"name", config.ProfileNames[slot]},
                       {"dpiStage", profile.dpi % ProfileData::kDpiLevelCount + 1},
                       {"rate", SettingEdits::rateHz(profile.pollrate)},
                       // As the rate panel shows it: a value outside 1..2 stands for 2 mm.
                       {"liftOff", config.LiftHigh == 1 ? 1 : 2}};
    QJsonArray levels;
    for (int i = 0; i < SettingEdits::dpiLevelCount(); ++i) {
        const DpiLevel& level = profile.DpiInfo[i];
        levels.append(QJsonObject{{"level", i + 1},
                                  {"x", ProfileRules::dpiOfStep(level.x, sensor)},
                                  {"y", ProfileRules::dpiOfStep(level.y, sensor)},
                                  {"used", level.used != 0}});
    }
    report.insert("dpi", levels);
    if (DeviceDescription::ledDisable() == 0) {
        const ProfileData& lit =
            config.Profile[KivoColorWindow::lightingSlot(DeviceDescription::productName(), slot)];
        const char* effect = KivoColorWindow::effectKey(lit.LedMode);
        report.insert("lighting",
                      QJsonObject{{"effect", effect ? QString::fromLatin1(effect) : QString()},
                                  {"colour", lit.activeLed().colour.name().mid(1)}});
    }
    QJsonArray buttons;
    const QVector<int> records = ButtonOrder::records();
    for (int i = 0; i < records.size(); ++i) {
        buttons.append(
            QJsonObject{{"button", i + 1},
                        {"function", SettingEdits::functionText(profile.ButtonInfo[records[i]])}});
    }
    report.insert("buttons", buttons);
    return report;
}

QString SettingsReport::text(const QJsonObject& report)
{
    QString out = QStringLiteral("slot: %1 (%2)\ndpi-stage: %3\n")
                      .arg(report["slot"].toInt())
                      .arg(report["name"].toString())
                      .arg(report["dpiStage"].toInt());
    for (const QJsonValue& value : report["dpi"].toArray()) {
        const QJsonObject level = value.toObject();
        out += QStringLiteral("dpi %1: %2x%3%4\n")
                   .arg(level["level"].toInt())
                   .arg(level["x"].toInt())
                   .arg(level["y"].toInt())
                   .arg(level["used"].toBool() ? QString() : QStringLiteral(" (off)"));
    }
    out += QStringLiteral("rate: %1\nlift-off: %2\n")
               .arg(report["rate"].toInt())
               .arg(report["liftOff"].toInt());
    if (report.contains("lighting")) {
        const QJsonObject lighting = report["lighting"].toObject();
        out += QStringLiteral("lighting: %1\ncolour: %2\n")
                   .arg(lighting["effect"].toString(), lighting["colour"].toString());
    }
    for (const QJsonValue& value : report["buttons"].toArray()) {
        const QJsonObject button = value.toObject();
        out += QStringLiteral("button %1: %2\n")
                   .arg(button["button"].toInt())
                   .arg(button["function"].toString());
    }
    return out;
}
