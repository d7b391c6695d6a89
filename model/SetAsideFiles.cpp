#include "model/SetAsideFiles.h"

#include <QMutex>
#include <QMutexLocker>
#include <QSet>

namespace {
QMutex& mutex()
{
    static QMutex m;
    return m;
}

int& recorded()
{
    static int n = 0;
    return n;
}

QVector<SetAsideFiles::Entry>& entries()
{
    static QVector<SetAsideFiles::Entry> list;
    return list;
}
} // namespace

SetAsideFiles* SetAsideFiles::instance()
{
    static SetAsideFiles* const files = new SetAsideFiles;
    return files;
}

void SetAsideFiles::record(const QString& path, const QString& keptPath)
{
    {
        const QMutexLocker lock(&mutex());
        entries().append({path, keptPath, SetAside});
        ++recorded();
    }
    emit instance()->fileSetAside();
}

void SetAsideFiles::recordUnread(const QString& path, Kind kind)
{
    {
        const QMutexLocker lock(&mutex());
        static QSet<QString> told;
        if (told.contains(path))
            return;
        told.insert(path);
        entries().append({path, QString(), kind});
        ++recorded();
    }
    emit instance()->fileSetAside();
}

int SetAsideFiles::count()
{
    const QMutexLocker lock(&mutex());
    return recorded();
}

QVector<SetAsideFiles::Entry> SetAsideFiles::take()
{
    const QMutexLocker lock(&mutex());
    QVector<Entry> result;
    result.swap(entries());
    return result;
}
