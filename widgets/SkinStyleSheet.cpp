#include "widgets/SkinStyleSheet.h"

#include "model/AppPaths.h"
#include "model/AppSettings.h"

namespace {
QString skinUrl(const char* name)
{
    return QStringLiteral("url(\"%1/%2\")").arg(AppPaths::skinDir(), QLatin1String(name));
}
} // namespace

QString SkinStyleSheet::pages(double dScale)
{
    return pages(dScale, AppSettings::accentColor(AppSettings::accentColorId()));
}

QString SkinStyleSheet::pages(double dScale, const QColor& accent)
{
    const double s = dScale > 0 ? dScale : 1.0;
    const auto px = [s](double v) { return QString::number(qMax(1, qRound(v * s))) + "px"; };
    QString sheet;
    sheet += QStringLiteral("QLabel { color: #c8ced6; background: transparent; font-size: %1; }\n")
                 .arg(px(14));
    sheet += QStringLiteral("QLabel[role=\"title\"] { color: #ffffff; font-weight: bold; }\n");
    sheet += QStringLiteral("QLabel[role=\"value\"] { color: #ffffff; }\n");

    // Sliders: a thin groove filled with the accent up to a round handle.
    sheet += QStringLiteral("QSlider { background: transparent; min-height: %1; }\n").arg(px(22));
    sheet += QStringLiteral("QSlider::groove:horizontal { height: %1; border-image: %2 0 0 0 0 "
                            "stretch stretch; }\n")
                 .arg(px(6), skinUrl("slider-groove.png"));
    sheet += QStringLiteral("QSlider::sub-page:horizontal { border-image: %1 0 0 0 0 stretch "
                            "stretch; }\n")
                 .arg(skinUrl("slider-fill.png"));
    sheet += QStringLiteral("QSlider::handle:horizontal { width: %1; margin: -%2 0; border-image: "
                            "%3 0 0 0 0 stretch stretch; }\n")
                 .arg(px(18), px(6), skinUrl("slider-handle.png"));
    sheet += QStringLiteral("QSlider::handle:horizontal:hover { border-image: %1 0 0 0 0 stretch "
                            "stretch; }\n")
                 .arg(skinUrl("slider-handle-hover.png"));

    sheet += QStringLiteral("QCheckBox { color: #c8ced6; background: transparent; font-size: %1; "
                            "spacing: %2; }\n")
                 .arg(px(14), px(10));
    sheet += QStringLiteral("QCheckBox::indicator { width: %1; height: %1; }\n").arg(px(18));
    sheet += QStringLiteral("QCheckBox::indicator:unchecked { border-image: %1 0 0 0 0 stretch "
                            "stretch; }\n")
                 .arg(skinUrl("checkbox1-1.png"));
    sheet += QStringLiteral("QCheckBox::indicator:checked { border-image: %1 0 0 0 0 stretch "
                            "stretch; }\n")
                 .arg(skinUrl("checkbox1-2.png"));

    sheet += QStringLiteral("QSpinBox, QLineEdit { color: #e8ebef; background: #111418; border: "
                            "1px solid #3b414a; padding: 0 %1; font-size: %2; "
                            "selection-background-color: %3; }\n")
                 .arg(px(4), px(13), accent.name());
    sheet += QStringLiteral("QSpinBox:focus, QLineEdit:focus { border: 1px solid %1; }\n")
                 .arg(accent.name());

    sheet += QStringLiteral("QMenu { color: #e8ebef; background: #1c1f24; border: 1px solid "
                            "#3b414a; font-size: %1; padding: %2 0; }\n")
                 .arg(px(13), px(4));
    sheet += QStringLiteral("QMenu::item { padding: %1 %2; }\n").arg(px(5), px(18));
    sheet += QStringLiteral("QMenu::item:selected { background: %1; color: #ffffff; }\n")
                 .arg(accent.name());
    sheet += QStringLiteral("QMenu::item:checked { font-weight: bold; }\n");
    return sheet;
}
