#pragma once

#include <QString>

class KivoPushButton;
class QWidget;

// The command buttons of the macro page: their small skin faces, their places on the page and
// their texts, by the page's command number (MacroDialog::Command).
class MacroCommandButton
{
public:
    // The property a button carries its command number in.
    static constexpr const char* kCommandProperty = "macroCommand";

    static KivoPushButton* create(QWidget* parent, int iCommand, double dScale);
    static void place(KivoPushButton* button, int iCommand, double dScale);
    static QString text(int iCommand);
};
