#pragma once

#include <QString>
#include <QtGlobal>

class PollingControl;
class ProgramLauncher;
class QWidget;

// "Firmware Update": the updater only works over the cable, asks before it starts, and the
// program ends once the updater runs (it takes over the mouse). An updater that cannot be
// started is reported and the program goes on.
class FirmwareUpdater
{
public:
    enum Outcome
    {
        NoCable,    // told to connect the cable; nothing asked
        Declined,   // the user said No
        Started,    // the updater runs: the caller ends the program with 0
        StartFailed // told that the updater could not be started; polling stays stopped
    };

    // The updater for the interface language (index 0: English).
    static QString updaterPath(int iLangId);

    static Outcome run(QWidget* parent, quint16 iFirmware, int iLangId, PollingControl* polling,
                       ProgramLauncher& launcher);
};
