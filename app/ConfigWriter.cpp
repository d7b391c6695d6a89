#include "app/ConfigWriter.h"

#include "device/KivoProcessThread.h"
#include "widgets/KivoProcessDialog.h"
#include "widgets/UserPrompts.h"

#include <QCoreApplication>
#include <QDebug>

QString ConfigWriter::failureText()
{
    return QCoreApplication::translate("MousecfgWidget", "Send data failed, please try again.");
}

ConfigWriter::Outcome ConfigWriter::write(QWidget* parent, PollingControl* polling, bool bFullWrite)
{
    KivoProcessDialog dialog(parent);
    KivoProcessThread thread(polling);
    thread.setFullWrite(bFullWrite);
    // Connected before the start, so that a writer that finishes at once is not missed.
    QObject::connect(&thread, &KivoProcessThread::DoProcessDlg, &dialog,
                     &KivoProcessDialog::slotProcessDlg, Qt::QueuedConnection);
    thread.start(QThread::InheritPriority);
    const int code = dialog.exec();
    // DoProcessDlg is the writer's last act, so this returns at once.
    thread.wait();

    Outcome outcome;
    outcome.iResult = thread.result();
    outcome.iMask = thread.changeMask();
    outcome.bAccepted = code == QDialog::Accepted;
    // The edits may be sent but not kept: the user has to know before closing the window.
    if (thread.saveFailed()) {
        UserPrompts::notice(
            parent, QCoreApplication::translate("MousecfgWidget", "Warning"),
            tr("Could not save %1: %2").arg(thread.saveFailureFile(), thread.saveFailureReason()));
    }
    // A notice whatever started the write: there is nothing to decide, so Yes and No would
    // only pretend to offer a choice.
    if (outcome.bAccepted && outcome.iResult != 0) {
        qDebug("write failed: result %d", outcome.iResult);
        UserPrompts::notice(parent, QCoreApplication::translate("MousecfgWidget", "Warning"),
                            failureText());
        qDebug("write failure told");
    }
    return outcome;
}
