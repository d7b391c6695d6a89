#pragma once

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

class PollingControl;
class QWidget;

// Writes the live configuration to the mouse the one way the window does it: the writer thread
// runs while the busy dialog holds the window modally, and a failed write is reported with a
// "Warning" box, as is a file the writer could not save. Apply, OK and the profile operations
// all come through here, and so does the slot switch, whose commands may take as long to fail
// as a write.
class ConfigWriter
{
    Q_DECLARE_TR_FUNCTIONS(ConfigWriter)

public:
    struct Outcome
    {
        quint8 iResult = 0;       // 0: written
        int iMask = 0;            // change mask the writer used (15: everything)
        bool bAccepted = false;   // the busy dialog ended with 1
        QString refusal;          // why the guard refused the write; nothing was sent then
        bool bSaveFailed = false; // the files could not all be saved
    };

    // `polling` is handed to the writer, which keeps battery polling off the control interface
    // while it sends and restarts it after a write that succeeded.
    static Outcome write(QWidget* parent, PollingControl* polling, bool bFullWrite = false);

    // Makes `iSlot` the mouse's active profile on a job thread under the busy dialog; the
    // result of the two commands (0: switched). Nothing is shown: the caller decides.
    static quint8 selectProfile(QWidget* parent, PollingControl* polling, int iSlot);

    static QString failureText();  // "Send data failed, please try again."
    static QString noMouseText();  // "No mouse is connected."
    static QString refusalText2(); // the second line under a refusal
};
