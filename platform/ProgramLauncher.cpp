#include "platform/ProgramLauncher.h"

#include "model/AppPaths.h"

#include <QDebug>
#include <QFileInfo>
#include <QProcess>

bool ProgramLauncher::startDetached(const QString& program, const QStringList& args)
{
    const bool started = QProcess::startDetached(program, args, QFileInfo(program).absolutePath());
    if (!started)
        qDebug() << "could not start" << program;
    return started;
}

QString ProgramLauncher::inAppFolder(const QString& relativePath)
{
    QString path = relativePath;
    while (path.startsWith('/'))
        path.remove(0, 1);
    // Installed, the programs lie beside the executable (bin/) while the application folder is
    // the data folder; in a build tree or a portable copy both are one folder.
    const QString beside = AppPaths::programDir() + "/" + path;
    if (QFileInfo::exists(beside))
        return beside;
    return AppPaths::appDir() + "/" + path;
}
