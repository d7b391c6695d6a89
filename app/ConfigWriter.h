#pragma once

#include <QCoreApplication>
#include <QtGlobal>

class PollingControl;
class QWidget;

// Writes the live configuration to the mouse the one way the window does it: the writer thread
// runs while the busy dialog holds the window modally, and a failed write is reported with a
// "Warning" box, as is a file the writer could not save. Apply, OK and the profile operations
// all come through here.
class ConfigWriter
{
    Q_DECLARE_TR_FUNCTIONS(ConfigWriter)

public:
    struct Outcome
    {
        quint8 iResult = 0;     // 0: written
        int iMask = 0;          // change mask the writer used (15: everything)
        bool bAccepted = false; // the busy dialog ended with 1
    };

    // `polling` is handed to the writer, which keeps battery polling off the control interface
    // while it sends and restarts it after a write that succeeded.
    static Outcome write(QWidget* parent, PollingControl* polling, bool bFullWrite = false);

    static QString failureText(); // "Send data failed, please try again."
};
