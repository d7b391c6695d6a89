#pragma once

#include <QString>
#include <QStringList>

// The per-user folder for lock files and local sockets: $XDG_RUNTIME_DIR when it is a private
// folder, otherwise one of our own that we create private to the user. Another user must not be
// able to hold our locks or answer our sockets, so a folder that is not ours alone is never
// taken, whoever made it.
class RuntimeDir
{
public:
    // Empty when no private folder could be found or created.
    static QString path();
    // True when `dir` is a real folder (not a link) owned by this user and closed to others.
    static bool isPrivate(const QString& dir);
    // The folders tried, in order, when $XDG_RUNTIME_DIR is not private: <temp>/<uid>, then
    // names that another user is less likely to have taken first, last one under $HOME.
    static QStringList fallbacks();
    // A file name that stands for `name` in such a folder: the name's harmless characters for
    // reading, followed by a hash of the whole name so that different names never meet.
    static QString fileNameFor(const QString& name, const QString& suffix);
};
