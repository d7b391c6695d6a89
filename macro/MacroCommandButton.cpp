#include "macro/MacroCommandButton.h"

#include "macro/MacroDialog.h"
#include "widgets/KivoPushButton.h"
#include "widgets/PageGeometry.h"

#include <QCoreApplication>
#include <QVariant>

namespace {
struct ButtonPlace
{
    const char* text;
    int x, y, w, h;
};
// Indexed by MacroDialog::Command; coordinates in unscaled pixels of the 729 x 477 page.
const ButtonPlace kButtons[] = {
    {QT_TRANSLATE_NOOP("MacroDialog", "START"), 170, 4, 93, 24},
    {QT_TRANSLATE_NOOP("MacroDialog", "NEW"), 10, 380, 73, 21},
    {QT_TRANSLATE_NOOP("MacroDialog", "DELETE"), 87, 380, 73, 21},
    {QT_TRANSLATE_NOOP("MacroDialog", "CHANGE NAME"), 10, 404, 150, 21},
    {QT_TRANSLATE_NOOP("MacroDialog", "SAVE"), 265, 4, 93, 24},
    {QT_TRANSLATE_NOOP("MacroDialog", "CANCEL"), 360, 4, 93, 24},
    {QT_TRANSLATE_NOOP("MacroDialog", "DELETE"), 170, 380, 93, 21},
    {QT_TRANSLATE_NOOP("MacroDialog", "MOVE UP"), 265, 380, 93, 21},
    {QT_TRANSLATE_NOOP("MacroDialog", "MOVE DOWN"), 360, 380, 93, 21},
    {QT_TRANSLATE_NOOP("MacroDialog", "TOP"), 170, 404, 93, 21},
    {QT_TRANSLATE_NOOP("MacroDialog", "BOTTOM"), 265, 404, 93, 21},
    {QT_TRANSLATE_NOOP("MacroDialog", "CLEAR"), 360, 404, 93, 21},
    {QT_TRANSLATE_NOOP("MacroDialog", "EDIT"), 170, 428, 93, 21},
    {QT_TRANSLATE_NOOP("MacroDialog", "INSERT DELAY"), 265, 428, 93, 21},
    {QT_TRANSLATE_NOOP("MacroDialog", "GUN SET"), 87, 452, 73, 21},
    {QT_TRANSLATE_NOOP("MacroDialog", "IMPORT"), 10, 428, 73, 21},
    {QT_TRANSLATE_NOOP("MacroDialog", "EXPORT"), 87, 428, 73, 21},
    {QT_TRANSLATE_NOOP("MacroDialog", "BATCH"), 10, 452, 73, 21},
    {QT_TRANSLATE_NOOP("MacroDialog", "COPY"), 360, 428, 93, 21},
    {QT_TRANSLATE_NOOP("MacroDialog", "CUT"), 170, 452, 93, 21},
    {QT_TRANSLATE_NOOP("MacroDialog", "PASTE"), 265, 452, 93, 21},
};
static_assert(sizeof(kButtons) / sizeof(kButtons[0]) == MacroDialog::kCommandCount,
              "one place per command");
} // namespace

KivoPushButton* MacroCommandButton::create(QWidget* parent, int iCommand, double dScale)
{
    auto* button = new KivoPushButton(
        KivoPushButton::skinImages({"btnsmall-1.png", "btnsmall-2.png", "btnsmall-3.png"}), parent,
        dScale);
    button->setProperty(kCommandProperty, iCommand);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void MacroCommandButton::place(KivoPushButton* button, int iCommand, double dScale)
{
    const ButtonPlace& p = kButtons[iCommand];
    button->setScale(dScale);
    button->setGeometry(PageGeometry::rect(p.x, p.y, p.w, p.h, dScale));
}

QString MacroCommandButton::text(int iCommand)
{
    return QCoreApplication::translate("MacroDialog", kButtons[iCommand].text);
}
