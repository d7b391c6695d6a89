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

QString ConfigWriter::refusalText2()
{
    return QCoreApplication::translate("MousecfgWidget", "Nothing was sent to the mouse.");
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
    outcome.refusal = thread.refusal();
    if (!outcome.refusal.isEmpty()) {
        UserPrompts::notice(parent, QCoreApplication::translate("MousecfgWidget", "Warning"),
                            outcome.refusal, refusalText2());
        return outcome;
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
