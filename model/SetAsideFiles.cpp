#include "model/SetAsideFiles.h"

#include <QMutex>
#include <QMutexLocker>

namespace {
QMutex& mutex()
{
    static QMutex m;
    return m;
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
        entries().append({path, keptPath});
    }
    emit instance()->fileSetAside();
}

QVector<SetAsideFiles::Entry> SetAsideFiles::take()
{
    const QMutexLocker lock(&mutex());
    QVector<Entry> result;
    result.swap(entries());
    return result;
}
