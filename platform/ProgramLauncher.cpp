#include "platform/ProgramLauncher.h"

#include "model/AppPaths.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

bool ProgramLauncher::startDetached(const QString& program, const QStringList& args)
{
    const bool started = QProcess::startDetached(program, args, QFileInfo(program).absolutePath());
    if (!started)
        qDebug() << "could not start" << program;
    return started;
}

#ifndef MOUSECFG_INSTALL_HELPER_REL
#define MOUSECFG_INSTALL_HELPER_REL "../lib/mousecfg"
#endif

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
    // Installed, the helper programs live in their own folder off the PATH.
    const QString helper = QDir::cleanPath(
        AppPaths::programDir() + "/" + QStringLiteral(MOUSECFG_INSTALL_HELPER_REL) + "/" + path);
    if (QFileInfo::exists(helper))
        return helper;
    return AppPaths::appDir() + "/" + path;
}
