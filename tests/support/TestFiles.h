#pragma once

#include <QByteArray>
#include <QString>

// Exact bytes on disk for the file tests, and the damaged contents every reader of the
// application's INI files has to survive.
class TestFiles
{
public:
    // Creates the folder as needed; false when the file cannot be written whole.
    static bool write(const QString& path, const QByteArray& bytes);
    static QByteArray read(const QString& path);
    static QByteArray randomBytes(int size, quint32 seed);

    // Adds a QByteArray column "content" with the rows: empty, binary garbage, nul bytes, a
    // megabyte of unclosed sections (QSettings takes many seconds over it) and 50 MB of garbage.
    static void addDamagedRows();
};
