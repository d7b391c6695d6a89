#pragma once

#include <QObject>
#include <QString>
#include <QVector>

// Files that could not be read safely and were moved aside before a fresh one took their place.
// The model only records them; the window tells the user. Any thread may record (the writer
// thread saves the configuration); listeners connect to the one instance with a queued
// connection.
class SetAsideFiles : public QObject
{
    Q_OBJECT

public:
    struct Entry
    {
        QString path;     // the file in use again, holding what could be salvaged
        QString keptPath; // where the damaged original now lies
    };

    static SetAsideFiles* instance();
    static void record(const QString& path, const QString& keptPath);
    // Everything recorded since the last call, oldest first.
    static QVector<Entry> take();

signals:
    void fileSetAside();

private:
    SetAsideFiles() = default;
};
