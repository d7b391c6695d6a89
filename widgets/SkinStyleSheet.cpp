#include "widgets/SkinStyleSheet.h"

#include "model/AppPaths.h"
#include "model/AppSettings.h"
#include "widgets/ColourContrast.h"

#include <QApplication>

namespace {
const QString kPopupsBegin = QStringLiteral("/* skin pop-ups */");
const QString kPopupsEnd = QStringLiteral("/* end of skin pop-ups */");

QString skinUrl(const char* name)
{
    return QStringLiteral("url(\"%1/%2\")").arg(AppPaths::skinDir(), QLatin1String(name));
}
} // namespace

QColor SkinStyleSheet::accent()
{
    return AppSettings::accentColor(AppSettings::accentColorId());
}

QString SkinStyleSheet::pages(double dScale)
{
    return pages(dScale, accent());
}

QString SkinStyleSheet::pages(double dScale, const QColor& accent)
{
    const double s = dScale > 0 ? dScale : 1.0;
    const auto px = [s](double v) { return QString::number(qMax(1, qRound(v * s))) + "px"; };
    QString sheet;
    // No font sizes here: the pages take the language's font from the window.
    sheet += QStringLiteral("QLabel { color: #c8ced6; background: transparent; }\n");
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

    sheet += QStringLiteral("QCheckBox { color: #c8ced6; background: transparent; spacing: %1; }\n")
                 .arg(px(6));
    sheet += QStringLiteral("QCheckBox::indicator { width: %1; height: %1; }\n").arg(px(14));
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

    sheet += QStringLiteral("QRadioButton { background: transparent; color: rgb(255,255,255); }\n");
    sheet += QStringLiteral("QRadioButton::indicator { width: %1; height: %1; border-radius: %2; "
                            "border: 1px solid #5a626d; background: #1a1d22; }\n")
                 .arg(px(12), px(6));
    sheet += QStringLiteral("QRadioButton::indicator:checked { background: %1; border-color: %1; }\n"
                            "QRadioButton::indicator:hover { border-color: %1; }\n")
                 .arg(accent.name());
    return sheet;
}

QString SkinStyleSheet::popups(const QColor& accent)
{
    // Selected entries are filled with the accent; their text takes whichever of black and
    // white reads on it.
    return QStringLiteral(
               "QMenu { background-color: #1b1e23; color: #e8ebef; border: 1px solid #3a4048;"
               " padding: 4px 0px; }"
               "QMenu::item { padding: 5px 22px 5px 22px; background: transparent; }"
               "QMenu::item:selected { background-color: %1; color: %2; }"
               "QMenu::item:checked { font-weight: bold; }"
               "QMenu::item:disabled { color: #6b727c; }"
               "QMenu::separator { height: 1px; background: #3a4048; margin: 4px 8px; }"
               "QMenu::indicator { width: 10px; height: 10px; left: 6px; }"
               "QToolTip { background-color: #1b1e23; color: #e8ebef; border: 1px solid #3a4048; }")
        .arg(accent.name(), ColourContrast::textOn(accent).name());
}

void SkinStyleSheet::installPopups(const QColor& accent)
{
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app)
        return;
    QString sheet = app->styleSheet();
    const int begin = sheet.indexOf(kPopupsBegin);
    const int end = sheet.indexOf(kPopupsEnd);
    if (begin >= 0 && end > begin)
        sheet.remove(begin, end + kPopupsEnd.size() - begin);
    app->setStyleSheet(sheet + kPopupsBegin + popups(accent) + kPopupsEnd);
}
