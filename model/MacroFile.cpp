#include "model/MacroFile.h"

#include "model/AppPaths.h"
#include "model/SafeName.h"

#include <QDebug>
#include <QFileInfo>
#include <QSettings>

QString MacroFile::filePath(const QString& name)
{
    return SafeName::filePath(AppPaths::macroDir(), name, QStringLiteral(".MSMACRO"));
}

bool MacroFile::isLoadable(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (!info.isFile())
        return false;
    if (info.size() > kMaxFileSize) {
        qDebug() << "macro file too large, treated as empty:" << path << info.size();
        return false;
    }
    return true;
}

bool MacroFile::takeWriteSign(const QString& name)
{
    const QString path = filePath(name);
    if (!isLoadable(path))
        return false;
    QSettings settings(path, QSettings::IniFormat);
    if (settings.value(QStringLiteral("Setting/WriteSign")).toInt() != 1)
        return false;
    settings.setValue(QStringLiteral("Setting/WriteSign"), 0);
    return true;
}
