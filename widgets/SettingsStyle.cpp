#include "widgets/SettingsStyle.h"

#include "model/AppPaths.h"
#include "model/AppSettings.h"
#include "widgets/PageGeometry.h"

namespace {
QString px(int iValue, double dScale)
{
    return QString::number(qMax(1, PageGeometry::scaled(iValue, dScale))) + "px";
}
} // namespace

QColor SettingsStyle::accent()
{
    return AppSettings::accentColor(AppSettings::accentColorId());
}

QString SettingsStyle::sheet(double dScale, const QColor& accent)
{
    const QString skin = AppPaths::skinDir();
    const QString on = accent.name();
    QString s;
    s += "QRadioButton{background:transparent;color:rgb(255,255,255)}";
    s += QString("QRadioButton::indicator{width:%1;height:%1;border-radius:%2;"
                 "border:1px solid #5a626d;background:#1a1d22}")
             .arg(px(12, dScale), px(6, dScale));
    s += QString("QRadioButton::indicator:checked{background:%1;border-color:%1}").arg(on);
    s += QString("QRadioButton::indicator:hover{border-color:%1}").arg(on);
    s += QString("QCheckBox{background:transparent;color:rgb(225,225,225);spacing:%1}")
             .arg(px(5, dScale));
    s += QString("QCheckBox::indicator{width:%1;height:%1;image:url(\"%2/checkbox1-1.png\")}")
             .arg(px(14, dScale), skin);
    s += QString("QCheckBox::indicator:checked{image:url(\"%1/checkbox1-2.png\")}").arg(skin);
    s += QString("QSlider{background:transparent}"
                 "QSlider::groove:horizontal{height:%1;background:#2c3138;border-radius:%2}")
             .arg(px(4, dScale), px(2, dScale));
    s += QString("QSlider::sub-page:horizontal{background:%1;border-radius:%2}")
             .arg(on, px(2, dScale));
    s += QString("QSlider::handle:horizontal{width:%1;margin:-%2 0;border-radius:%3;"
                 "background:#e8ebef}")
             .arg(px(10, dScale), px(4, dScale), px(5, dScale));
    s += QString("QSlider::handle:horizontal:hover{background:%1}").arg(on);
    s += QString("QSpinBox{color:rgb(225,225,225);background:#1a1d22;border:1px solid #3b414a;"
                 "padding:0 %1}")
             .arg(px(2, dScale));
    s += "QLabel{background:transparent;color:rgb(225,225,225)}";
    return s;
}
