#pragma once

#include <QString>

// Profile and macro names become file names inside one folder. A name that could reach outside
// that folder, or that no file system would take, is refused before any path is formed from it.
class SafeName
{
public:
    // False for an empty or blank name, ".", "..", a name containing a path separator ('/' or
    // '\\'), a control character, or longer than 200 characters.
    static bool isValid(const QString& name);
    // The file `folder + "/" + name + suffix`, or an empty string when the name is refused.
    static QString filePath(const QString& folder, const QString& name, const QString& suffix);
};
