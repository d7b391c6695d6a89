#include "model/MacroFile.h"

#include "model/AppPaths.h"
#include "model/ButtonAssignment.h"
#include "model/SafeName.h"
#include "model/SettingsFile.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
QString key(const char* pattern, int i)
{
    return QString::asprintf(pattern, i);
}
} // namespace

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

bool MacroFile::write(const QString& name, const MacroFileData& data, bool writeSign)
{
    const QString path = filePath(name);
    if (path.isEmpty()) {
        qDebug() << "macro name refused:" << name;
        return false;
    }
    QDir().mkpath(AppPaths::macroDir());
    SettingsFile settings(path, SettingsFile::Write);
    if (!settings.isOpen())
        return false;
    settings.setValue(QStringLiteral("Setting/MacroFilePath"), path);
    settings.setValue(QStringLiteral("Setting/DefaultDelay"), data.defaultDelay);
    settings.setValue(QStringLiteral("Setting/DelayType"), data.delayType);
    settings.setValue(QStringLiteral("Setting/LoopType"), data.loopType);
    settings.setValue(QStringLiteral("Setting/LoopTime"), data.loopTime);
    settings.setValue(QStringLiteral("Setting/Count"), data.events.size());
    for (int i = 0; i < data.events.size(); ++i) {
        const MacroEvent& e = data.events.at(i);
        settings.setValue(key("Setting/Map_%d", i), int(e.Map));
        settings.setValue(key("Setting/DataH_%d", i), int(e.DataH));
        settings.setValue(key("Setting/DataL_%d", i), int(e.DataL));
    }
    if (writeSign)
        settings.setValue(QStringLiteral("Setting/WriteSign"), 1);
    if (settings.save())
        return true;
    qDebug() << "macro file not saved:" << path << settings.errorString();
    return false;
}

bool MacroFile::save(const QString& name, const MacroFileData& data)
{
    return write(name, data, true);
}

bool MacroFile::saveEventList(const QString& name, const QVector<MacroEvent>& events)
{
    MacroFileData data;
    data.defaultDelay = 10;
    data.delayType = 1;
    data.loopType = 0;
    data.loopTime = 1;
    data.events = events;
    return write(name, data, false);
}

MacroFileData MacroFile::load(const QString& name)
{
    MacroFileData data;
    const QString path = filePath(name);
    if (path.isEmpty()) {
        qDebug() << "macro name refused:" << name;
        return data;
    }
    if (!isLoadable(path))
        return data;

    // The parser's status is not consulted: a byte order mark alone makes it report a format
    // error. A file that is not a macro file lacks Count or the keys of its events instead.
    const SettingsFile file(path);
    const QSettings& settings = file.settings();
    data.path = settings.value(QStringLiteral("Setting/MacroFilePath")).toString();
    data.defaultDelay = settings.value(QStringLiteral("Setting/DefaultDelay")).toInt();
    data.delayType = settings.value(QStringLiteral("Setting/DelayType")).toInt();
    data.loopType = settings.value(QStringLiteral("Setting/LoopType")).toInt();
    data.loopTime = settings.value(QStringLiteral("Setting/LoopTime")).toInt();
    data.count = settings.value(QStringLiteral("Setting/Count")).toInt();

    const int n = qBound(0, data.count, kMaxEvents);
    if (data.count > kMaxEvents)
        qDebug() << "macro file claims" << data.count << "events, reading" << n << ":" << path;
    data.events.reserve(n);
    for (int i = 0; i < n; ++i) {
        const QString map = key("Setting/Map_%d", i);
        const QString dataH = key("Setting/DataH_%d", i);
        const QString dataL = key("Setting/DataL_%d", i);
        // Every writer stores all three keys of every event; a gap means the file was cut
        // short or its count is wrong, and a partial macro must not reach a button.
        if (!settings.contains(map) || !settings.contains(dataH) || !settings.contains(dataL)) {
            qDebug() << "macro file lacks event" << i << "of" << data.count
                     << ", treated as empty:" << path;
            return MacroFileData();
        }
        MacroEvent e;
        e.Map = quint8(settings.value(map).toInt());
        e.DataH = quint8(settings.value(dataH).toInt());
        e.DataL = quint8(settings.value(dataL).toInt());
        data.events.append(e);
    }
    return data;
}

bool MacroFile::exists(const QString& name)
{
    const QString path = filePath(name);
    return !path.isEmpty() && QFileInfo::exists(path);
}

bool MacroFile::remove(const QString& name)
{
    const QString path = filePath(name);
    if (path.isEmpty()) {
        qDebug() << "macro name refused:" << name;
        return false;
    }
    if (!QFileInfo::exists(path))
        return true;
    return QFile::remove(path);
}

bool MacroFile::rename(const QString& oldName, const QString& newName)
{
    const QString oldPath = filePath(oldName);
    const QString newPath = filePath(newName);
    if (oldPath.isEmpty() || newPath.isEmpty()) {
        qDebug() << "macro name refused:" << oldName << newName;
        return false;
    }
    if (QFileInfo::exists(newPath))
        return false;
    if (!QFileInfo::exists(oldPath))
        return true;
    return QFile::rename(oldPath, newPath);
}

bool MacroFile::takeWriteSign(const QString& name)
{
    const QString path = filePath(name);
    if (!isLoadable(path))
        return false;
    SettingsFile file(path, SettingsFile::Write);
    if (!file.isOpen() || file->value(QStringLiteral("Setting/WriteSign")).toInt() != 1)
        return false;
    file.setValue(QStringLiteral("Setting/WriteSign"), 0);
    return file.save();
}

int MacroFile::copyIntoButton(const MacroFileData& data, ButtonAssignment& button)
{
    const int n = qBound(0, data.events.size(), int(ButtonAssignment::kKeyInfoCount));
    for (int i = 0; i < n; ++i) {
        const MacroEvent& e = data.events.at(i);
        button.KeyInfo[i][0] = e.Map;
        button.KeyInfo[i][1] = e.DataL;
        button.KeyInfo[i][2] = e.DataH;
    }
    button.KeyNumber = n;
    return n;
}
