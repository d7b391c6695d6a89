#include "widgets/SkinStyle.h"

#include "widgets/ColourContrast.h"

#include <QApplication>

namespace {
const QString kBegin = QStringLiteral("/* skin pop-ups */");
const QString kEnd = QStringLiteral("/* end of skin pop-ups */");
} // namespace

QString SkinStyle::popupSheet(const QColor& accent)
{
    // Selected entries are filled with the accent; their text takes whichever of black and
    // white reads on it.
    return QStringLiteral(
               "QMenu { background-color: #1b1e23; color: #e8ebef; border: 1px solid #3a4048;"
               " padding: 4px 0px; }"
               "QMenu::item { padding: 5px 22px 5px 22px; background: transparent; }"
               "QMenu::item:selected { background-color: %1; color: %2; }"
               "QMenu::item:disabled { color: #6b727c; }"
               "QMenu::separator { height: 1px; background: #3a4048; margin: 4px 8px; }"
               "QMenu::indicator { width: 10px; height: 10px; left: 6px; }"
               "QToolTip { background-color: #1b1e23; color: #e8ebef; border: 1px solid #3a4048; }")
        .arg(accent.name(), ColourContrast::textOn(accent).name());
}

void SkinStyle::install(const QColor& accent)
{
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app)
        return;
    QString sheet = app->styleSheet();
    const int begin = sheet.indexOf(kBegin);
    const int end = sheet.indexOf(kEnd);
    if (begin >= 0 && end > begin)
        sheet.remove(begin, end + kEnd.size() - begin);
    app->setStyleSheet(sheet + kBegin + popupSheet(accent) + kEnd);
}
