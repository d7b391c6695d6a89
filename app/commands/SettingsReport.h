#pragma once

#include "model/MouseConfig.h"

#include <QJsonObject>
#include <QString>

// What --get prints: the current slot's DPI levels and stage, report rate, lift-off, lighting and
// button functions, as JSON for programs or as one "name: value" line each for people. Values
// are in the forms the setting options take, so that a script can feed them back.
class SettingsReport
{
public:
    static QJsonObject json(const MouseConfig& config);
    static QString text(const QJsonObject& report);
};
