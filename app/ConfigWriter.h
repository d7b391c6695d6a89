#pragma once

#include <QString>
#include <QtGlobal>

class PollingControl;
class QWidget;

// Writes the live configuration to the mouse the one way the window does it: the writer thread
// runs while the busy dialog holds the window modally, and a failed write is reported with a
// "Warning" box. Apply, OK and the profile operations all come through here.
class ConfigWriter
{
public:
    struct Outcome
    {
        quint8 iResult = 0;     // 0: written
        int iMask = 0;          // change mask the writer used (15: everything)
        bool bAccepted = false; // the busy dialog ended with 1
        QString refusal;        // why the guard refused the write; nothing was sent then
    };

    // `polling` is handed to the writer, which keeps battery polling off the control interface
    // while it sends and restarts it after a write that succeeded.
    static Outcome write(QWidget* parent, PollingControl* polling, bool bFullWrite = false);

    static QString failureText();  // "Send data failed, please try again."
    static QString refusalText2(); // the second line under a refusal
};
