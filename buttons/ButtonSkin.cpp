#include "buttons/ButtonSkin.h"

#include "model/AppSettings.h"

#include <QtMath>

namespace {
int px(double v, double dScale)
{
    return qRound(v * dScale);
}

// The highlight follows the colour the user chose for the tool, like the skin images.
QString accent()
{
    return AppSettings::accentColor(AppSettings::accentColorId()).name();
}
} // namespace

QString ButtonSkin::menuStyle(double dScale)
{
    return QStringLiteral("QMenu { background: #1b1e23; color: #e8ebef; border: %1px solid #3b414a;"
                          " padding: %2px 0px; font-size: %3px; }"
                          "QMenu::item { padding: %4px %5px %4px %5px; }"
                          "QMenu::item:selected { background: %7; color: #ffffff; }"
                          "QMenu::item:disabled { color: #6a727d; }"
                          "QMenu::separator { height: 1px; background: #3b414a; }"
                          "QMenu::right-arrow { width: %6px; height: %6px; }")
        .arg(qMax(1, px(1, dScale)))
        .arg(px(4, dScale))
        .arg(px(12, dScale))
        .arg(px(5, dScale))
        .arg(px(14, dScale))
        .arg(px(8, dScale))
        .arg(accent());
}

QString ButtonSkin::titleStyle(double dScale)
{
    return QStringLiteral("color: #ffffff; background: transparent; font-weight: bold;"
                          " font-size: %1px;")
        .arg(px(15, dScale));
}

QString ButtonSkin::keyFieldStyle(double dScale)
{
    return QStringLiteral("color: #ffffff; background: #111317; border: %1px solid %3;"
                          " font-size: %2px;")
        .arg(qMax(1, px(1, dScale)))
        .arg(px(15, dScale))
        .arg(accent());
}

QString ButtonSkin::noteStyle(double dScale)
{
    return QStringLiteral("color: #8d96a2; background: transparent; font-size: %1px;")
        .arg(px(11, dScale));
}

QString ButtonSkin::labelStyle(double dScale)
{
    return QStringLiteral("color: #e8ebef; background: transparent; font-size: %1px;")
        .arg(px(12, dScale));
}

QString ButtonSkin::editStyle(double dScale)
{
    return QStringLiteral("QLineEdit { color: #ffffff; background: #111317; border: %1px solid"
                          " #3b414a; font-size: %2px; padding: 0px %3px; }"
                          "QLineEdit:focus { border-color: %4; }")
        .arg(qMax(1, px(1, dScale)))
        .arg(px(12, dScale))
        .arg(px(4, dScale))
        .arg(accent());
}

QString ButtonSkin::checkStyle(double dScale)
{
    return QStringLiteral("QCheckBox { color: #e8ebef; background: transparent; font-size: %1px;"
                          " spacing: %2px; }"
                          "QCheckBox::indicator { width: %3px; height: %3px; border: %4px solid"
                          " #5a626d; background: #111317; }"
                          "QCheckBox::indicator:checked { background: %5; border-color: #ffffff; }")
        .arg(px(12, dScale))
        .arg(px(6, dScale))
        .arg(px(12, dScale))
        .arg(qMax(1, px(1, dScale)))
        .arg(accent());
}

QFont ButtonSkin::font(double dScale)
{
    return AppSettings::currentFont(dScale);
}
