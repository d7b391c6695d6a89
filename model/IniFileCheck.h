#pragma once

#include <QString>
#include <QtGlobal>

// QSettings reads any file it is pointed at, and some files make it slow beyond use: a large
// file of text lines grows its key map without bound, and lines that open a section without
// closing it make its parser rescan the rest of the file for every such line. Files of this
// system are small INI texts, so anything else is treated as missing before QSettings sees it.
class IniFileCheck
{
public:
    // Twice the largest file the system writes (a configuration export of five full profiles is
    // under 2 MB). QSettings reads a text file of this size in well under a second, but writing
    // into one merges every line it holds: four megabytes of short lines take it seconds.
    static constexpr qint64 kMaxFileSize = 4 * 1024 * 1024;

    // True when the file exists, is a regular file within kMaxFileSize and looks like INI text:
    // no NUL byte (QSettings escapes them in what it writes) and every line that opens a section
    // also closes it.
    static bool isReadable(const QString& path);
    // Before QSettings writes into `path`: a file there that is too large or no INI text is
    // removed, so the write starts afresh instead of parsing and carrying over its contents.
    // False when the path is no regular file, cannot be read, or could not be removed.
    static bool prepareForWrite(const QString& path);
};
