#pragma once

#include <QVector>

// How the window numbers the mouse's buttons: button n (from 1) of the first set is record
// records()[n - 1], in the display order of the device description. The command line counts
// buttons the same way, so that "button 4" is what the window calls 4.
class ButtonOrder
{
public:
    static QVector<int> records();
};
