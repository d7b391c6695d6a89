#include "widgets/SkinStyleSheet.h"

#include "model/AppPaths.h"
#include "model/AppSettings.h"
#include "widgets/ColourContrast.h"
#include "widgets/KeyboardFocusMark.h"

#include <QApplication>

namespace {
const QString kPopupsBegin = QStringLiteral("/* skin pop-ups */");
const QString kPopupsEnd = QStringLiteral("/* end of skin pop-ups */");

QString skinUrl(const char* name)
{
    return QStringLiteral("url(\"%1/%2\")").arg(AppPaths::skinDir(), QLatin1String(name));
}

// A length in unscaled pixels at the UI scale, never below one pixel.
QString scaledPx(double v, double dScale)
{
    const double s = dScale > 0 ? dScale : 1.0;
    return QString::number(qMax(1, qRound(v * s))) + QStringLiteral("px");
}

// The menu rules. The application-wide ones leave the font to the widget and keep room for a
// check mark; the scaled ones are for the narrow fixed-width menus of the button list.
QString menuRules(double dScale, const QColor& accent, bool bScaled)
{
    const auto px = [dScale](double v) { return scaledPx(v, dScale); };
    // Selected entries are filled with the accent; their text takes whichever of black and
    // white reads on it.
    return QStringLiteral("QMenu { background-color: #1b1e23; color: #e8ebef; border: 1px solid"
                          " #3a4048; padding: %1 0px; %2}"
                          "QMenu::item { padding: %3 %4 %3 %4; background: transparent; }"
                          "QMenu::item:selected { background-color: %5; color: %6; }"
                          "QMenu::item:checked { font-weight: bold; }"
                          "QMenu::item:disabled { color: #6b727c; }"
                          "QMenu::separator { height: 1px; background: #3a4048; margin: 4px 8px; }"
                          "QMenu::indicator { width: 10px; height: 10px; left: 6px; }"
                          "QMenu::right-arrow { width: %7; height: %7; }")
        .arg(px(4), bScaled ? QStringLiteral("font-size: %1; ").arg(px(12)) : QString(), px(5),
             px(bScaled ? 14 : 22), accent.name(), ColourContrast::textOn(accent).name(), px(8));
}
// Check boxes and radio buttons with the keyboard focus (KeyboardFocusMark): the dotted ring of
// the skin's push buttons, around the text (or the indicator when there is none). The platform's
// own mark is a faint tint of the highlight colour that the dark skin swallows.
QString focusRing(double dScale)
{
    return QStringLiteral(
               "QCheckBox[keyboardFocus=\"true\"], QRadioButton[keyboardFocus=\"true\"] {"
               " outline: %1 dotted #f2f4f7; }\n")
        .arg(scaledPx(1, dScale));
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
    const auto px = [dScale](double v) { return scaledPx(v, dScale); };
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
    // A slider that has the keyboard focus shows it on its handle.
    sheet += QStringLiteral("QSlider::handle:horizontal:focus { border-image: %1 0 0 0 0 stretch "
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
    // Styling the frame takes the platform's step buttons away: they are drawn again here, or a
    // click on the blank right end would step the value with nothing to show for it.
    sheet += QStringLiteral("QSpinBox::up-button, QSpinBox::down-button { subcontrol-origin: "
                            "padding; width: %1; background: #1b1f24; border-left: 1px solid "
                            "#3b414a; }\n"
                            "QSpinBox::up-button { subcontrol-position: top right; }\n"
                            "QSpinBox::down-button { subcontrol-position: bottom right; }\n"
                            "QSpinBox::up-button:hover, QSpinBox::down-button:hover { "
                            "background: #2a2f36; }\n"
                            "QSpinBox::up-arrow { image: %2; width: %3; height: %4; }\n"
                            "QSpinBox::down-arrow { image: %5; width: %3; height: %4; }\n")
                 .arg(px(16), skinUrl("spin-up.png"), px(9), px(6), skinUrl("spin-down.png"));

    sheet += QStringLiteral("QRadioButton { background: transparent; color: rgb(255,255,255); }\n");
    sheet += QStringLiteral("QRadioButton::indicator { width: %1; height: %1; border-radius: %2; "
                            "border: 1px solid #5a626d; background: #1a1d22; }\n")
                 .arg(px(12), px(6));
    sheet +=
        QStringLiteral("QRadioButton::indicator:checked { background: %1; border-color: %1; }\n"
                       "QRadioButton::indicator:hover { border-color: %1; }\n")
            .arg(accent.name());
    sheet += focusRing(dScale);
    // A control that cannot be used now reads as such.
    sheet += QStringLiteral("QLineEdit:disabled, QSpinBox:disabled, QCheckBox:disabled, "
                            "QRadioButton:disabled, QLabel:disabled { color: #5a626d; }\n");
    sheet += QStringLiteral("QSlider::sub-page:horizontal:disabled { border-image: none; "
                            "background: #3b414a; }\n");
    return sheet;
}

QString SkinStyleSheet::lists(double dScale)
{
    return lists(dScale, accent());
}

QString SkinStyleSheet::lists(double dScale, const QColor& accent)
{
    const auto px = [dScale](double v) { return scaledPx(v, dScale); };
    return QStringLiteral(
               "QLabel#hint { color: #c9a86a; font-size: %2; }\n"
               "QComboBox { color: #e8ebef; background: #111418; border: 1px solid #3b414a;"
               " padding: 0 %3; }\n"
               "QComboBox QAbstractItemView { color: #e8ebef; background: #111418;"
               " selection-background-color: %1; }\n"
               "QListWidget, QTreeWidget { color: #d6dbe2; background: #111418;"
               " border: 1px solid #3b414a; outline: 0; }\n"
               "QComboBox:focus, QListWidget:focus, QTreeWidget:focus { border-color: %1; }\n"
               "QListWidget::item:selected, QTreeWidget::item:selected { background: %1;"
               " color: %4; }\n"
               "QListWidget::indicator { width: %5; height: %5; border: 1px solid #8d96a2;"
               " background: #111418; }\n"
               "QListWidget::indicator:checked { background: %1; border-color: #ffffff; }\n"
               "QHeaderView::section { color: #8d96a2; background: #1f2329; border: 0;"
               " border-right: 1px solid #3b414a; padding: 0 %3; }\n"
               "QScrollBar:vertical { background: #111418; width: %6; }\n"
               "QScrollBar::handle:vertical { background: #3b414a; min-height: %6; }\n"
               "QScrollBar::add-line, QScrollBar::sub-line { height: 0; }\n")
        .arg(accent.name(), px(11), px(2), ColourContrast::textOn(accent).name(), px(12), px(8));
}

QString SkinStyleSheet::dialogs(double dScale)
{
    return dialogs(dScale, accent());
}

QString SkinStyleSheet::dialogs(double dScale, const QColor& accent)
{
    const auto px = [dScale](double v) { return scaledPx(v, dScale); };
    QString sheet;
    sheet += QStringLiteral("QLabel { color: #e8ebef; background: transparent; font-size: %1; }\n")
                 .arg(px(12));
    sheet += QStringLiteral("QLabel[role=\"title\"] { color: #ffffff; font-weight: bold; "
                            "font-size: %1; }\n")
                 .arg(px(15));
    // The captured key stands in a field framed in the accent.
    sheet += QStringLiteral("QLabel[role=\"keyField\"] { color: #ffffff; background: #111317; "
                            "border: %1 solid %2; font-size: %3; }\n")
                 .arg(px(1), accent.name(), px(15));
    sheet +=
        QStringLiteral("QLabel[role=\"note\"] { color: #8d96a2; font-size: %1; }\n").arg(px(11));
    sheet += QStringLiteral("QLineEdit { color: #ffffff; background: #111317; border: %1 solid "
                            "#3b414a; font-size: %2; padding: 0px %3; }\n"
                            "QLineEdit:focus { border-color: %4; }\n")
                 .arg(px(1), px(12), px(4), accent.name());
    sheet += QStringLiteral("QCheckBox { color: #e8ebef; background: transparent; font-size: %1; "
                            "spacing: %2; }\n"
                            "QCheckBox::indicator { width: %1; height: %1; border: %3 solid "
                            "#5a626d; background: #111317; }\n"
                            "QCheckBox::indicator:checked { background: %4; border-color: "
                            "#ffffff; }\n")
                 .arg(px(12), px(6), px(1), accent.name());
    return sheet + focusRing(dScale) + menus(dScale, accent);
}

QString SkinStyleSheet::fileDialogs(double dScale)
{
    const QColor mark = accent();
    const auto px = [dScale](double v) { return scaledPx(v, dScale); };
    QString sheet = pages(dScale, mark) + lists(dScale, mark);
    sheet +=
        QStringLiteral("QFileDialog { background: #16191e; color: #d6dbe2; font-size: %1; }\n"
                       "QFileDialog QWidget { font-size: %1; }\n"
                       "QFileDialog QTreeView, QFileDialog QListView { color: #d6dbe2; background: "
                       "#111418; border: 1px solid #3b414a; selection-background-color: %2;"
                       " selection-color: %3; }\n"
                       "QFileDialog QPushButton, QFileDialog QToolButton { color: #e8ebef;"
                       " background: #23272e; border: 1px solid #3b414a; padding: %4 %5; }\n"
                       // The tool buttons are only as wide as the fields beside them are high:
                       // side padding would leave their icons no room.
                       "QFileDialog QToolButton { padding: %4; }\n"
                       // The header's end beyond its last column is the header's own background.
                       "QFileDialog QHeaderView { background: #1f2329; border: 0; }\n"
                       "QFileDialog #sidebar { min-width: %7; }\n"
                       "QFileDialog QPushButton:hover, QFileDialog QToolButton:hover,"
                       " QFileDialog QPushButton:focus, QFileDialog QToolButton:focus {"
                       " border-color: %2; }\n"
                       "QFileDialog QPushButton:disabled { color: #5a626d; }\n"
                       "QFileDialog QComboBox { min-height: %6; }\n"
                       "QFileDialog QLineEdit { min-height: %6; }\n")
            .arg(px(13), mark.name(), ColourContrast::textOn(mark).name(), px(3), px(10), px(22),
                 px(110));
    return sheet + menus(dScale, mark);
}

QString SkinStyleSheet::menus(double dScale, const QColor& accent)
{
    return menuRules(dScale, accent, true);
}

QString SkinStyleSheet::popups(const QColor& accent)
{
    return menuRules(1.0, accent, false) +
           QStringLiteral("QToolTip { background-color: #1b1e23; color: #e8ebef; border: 1px solid "
                          "#3a4048; }");
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
    // The focus rings of pages() and dialogs() follow the property it sets.
    KeyboardFocusMark::install();
}
