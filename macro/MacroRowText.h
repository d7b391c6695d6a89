#pragma once

#include "model/MacroEvent.h"

#include <QCoreApplication>
#include <QString>

// How a row reads in the event lists: its icon (a skin image) and the texts of the columns
// "KEY", "ACTION" and "DELAY(ms)".
class MacroRowText
{
    Q_DECLARE_TR_FUNCTIONS(MacroRowText)
public:
    struct Texts
    {
        QString key;
        QString action;
        QString delay;
    };

    static Texts texts(const MacroEvent& row, int unit);
    // File name in the skin folder.
    static QString iconFile(const MacroEvent& row);
    static QString buttonName(quint8 mask);
    static QString directionName(int direction);
};
