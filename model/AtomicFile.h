#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file whole or not at all. The new content goes to a temporary file beside the
// target ("<name>.saving-XXXXXX"); every write, the flush to the disk and the size the disk
// then reports are checked before the temporary file is renamed over the target. Any failure
// removes the temporary file and leaves the target as it was, byte for byte; the reason is the
// system's own text ("No space left on device"). QSaveFile is not enough here: Qt 5.15's
// commit() reports success when only its last buffered write failed.
class AtomicFile
{
public:
    // Missing parent folders are created. A target that exists keeps its permissions; a link
    // keeps pointing at the file it names, which is what gets replaced.
    static bool write(const QString& path, const QByteArray& data, QString* error = nullptr);
    // A byte copy of `from`, read in pieces, replacing `to` the same way.
    static bool copy(const QString& from, const QString& to, QString* error = nullptr);
};
