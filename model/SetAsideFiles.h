#pragma once

#include <QObject>
#include <QString>
#include <QVector>

// Files that could not be read safely and were moved aside before a fresh one took their place,
// and files that could not be read at all or were missing, so that factory values stood in for
// them. The model only records them; the window tells the user. Any thread may record (the writer
// thread saves the configuration); listeners connect to the one instance with a queued
// connection.
class SetAsideFiles : public QObject
{
    Q_OBJECT

public:
    enum Kind
    {
        SetAside,   // moved aside, its sound lines kept in its place
        Unreadable, // there, but no file this user can read
        Missing     // not there at all
    };

    struct Entry
    {
        QString path;     // the file in use again, holding what could be salvaged
        QString keptPath; // where the damaged original now lies; empty unless SetAside
        Kind kind = SetAside;
    };

    static SetAsideFiles* instance();
    static void record(const QString& path, const QString& keptPath);
    // Told once per file and run: a file that stays unreadable is met at every load.
    static void recordUnread(const QString& path, Kind kind);
    // How many files were recorded since the start: it only grows.
    static int count();
    // Everything recorded since the last call, oldest first.
    static QVector<Entry> take();

signals:
    void fileSetAside();

private:
    SetAsideFiles() = default;
};
