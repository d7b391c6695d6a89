#pragma once

#include <QFont>
#include <QString>

// The look of the button assignment window and its dialogs in one place: every style sheet of
// the menus, labels, fields and check buttons comes from here, sized by the UI scale.
class ButtonSkin
{
public:
    static QString menuStyle(double dScale);
    static QString titleStyle(double dScale);
    static QString keyFieldStyle(double dScale);
    static QString noteStyle(double dScale);
    static QString labelStyle(double dScale);
    static QString editStyle(double dScale);
    static QString checkStyle(double dScale);
    static QFont font(double dScale);
};
