#include "app/profiles/ConfigWriter.h"

#include "device/CommandTransport.h"
#include "device/KivoProcessThread.h"
#include "device/ProfileSelectThread.h"
#include "widgets/KivoProcessDialog.h"
#include "widgets/UserPrompts.h"

#include <QCoreApplication>
#include <QDebug>

QString ConfigWriter::failureText()
{
    return QCoreApplication::translate("MousecfgWidget", "Send data failed, please try again.");
}

QString ConfigWriter::noMouseText()
{
    return tr("No mouse is connected.");
}

QString ConfigWriter::refusalText2()
{
    return QCoreApplication::translate("MousecfgWidget", "Nothing was sent to the mouse.");
}

namespace {
// Runs `job` while the busy dialog holds `parent`; the dialog's code.
template <typename Job> int runUnderBusyDialog(QWidget* parent, Job& job)
{
    KivoProcessDialog dialog(parent);
    // Connected before the start, so that a job that finishes at once is not missed.
    QObject::connect(&job, &Job::DoProcessDlg, &dialog, &KivoProcessDialog::slotProcessDlg,
                     Qt::QueuedConnection);
    job.start(QThread::InheritPriority);
    const int code = dialog.exec();
    // DoProcessDlg is the job's last act, so this returns at once.
    job.wait();
    return code;
}
} // namespace

quint8 ConfigWriter::selectProfile(QWidget* parent, PollingControl* polling, int iSlot)
{
    ProfileSelectThread job(iSlot, polling);
    runUnderBusyDialog(parent, job);
    return job.result();
}

ConfigWriter::Outcome ConfigWriter::write(QWidget* parent, PollingControl* polling, bool bFullWrite)
{
    KivoProcessThread thread(polling);
    thread.setFullWrite(bFullWrite);
    const int code = runUnderBusyDialog(parent, thread);

    Outcome outcome;
    outcome.iResult = thread.result();
    outcome.iMask = thread.changeMask();
    outcome.bAccepted = code == QDialog::Accepted;
    outcome.refusal = thread.refusal();
    if (!outcome.refusal.isEmpty()) {
        UserPrompts::notice(parent, QCoreApplication::translate("MousecfgWidget", "Warning"),
                            outcome.refusal, refusalText2());
        return outcome;
    }
    // The edits may be sent but not kept: the user has to know before closing the window.
    outcome.bSaveFailed = thread.saveFailed();
    if (outcome.bSaveFailed) {
        UserPrompts::notice(
            parent, QCoreApplication::translate("MousecfgWidget", "Warning"),
            tr("Could not save %1: %2").arg(thread.saveFailureFile(), thread.saveFailureReason()));
    }
    // A notice whatever started the write: there is nothing to decide, so Yes and No would
    // only pretend to offer a choice.
    if (outcome.bAccepted && outcome.iResult != 0) {
        qDebug("write failed: result %d", outcome.iResult);
        // Trying again does not help while nothing is plugged in; the edits were saved first.
        if (outcome.iResult == CommandTransport::NoDevice)
            UserPrompts::notice(parent, QCoreApplication::translate("MousecfgWidget", "Warning"),
                                noMouseText(),
                                tr("The settings are saved and go to the mouse with the next "
                                   "Apply once it is connected."));
        else
            UserPrompts::notice(parent, QCoreApplication::translate("MousecfgWidget", "Warning"),
                                failureText());
        qDebug("write failure told");
    }
    return outcome;
}
