#pragma once

#include <QFile>
#include <QString>
#include <QtGlobal>

#include <sys/stat.h>

// What tells one version of a file from another without reading it: a write changes its change
// time, a replacement its inode.
struct FileStamp
{
    qint64 size = -1; // -1: no such file
    qint64 device = 0;
    qint64 inode = 0;
    qint64 modified = 0; // ns
    qint64 changed = 0;  // ns

    static FileStamp of(int fd)
    {
        struct stat st = {};
        return fd >= 0 && ::fstat(fd, &st) == 0 ? from(st) : FileStamp();
    }
    static FileStamp ofPath(const QString& path)
    {
        struct stat st = {};
        return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? from(st) : FileStamp();
    }
    bool operator==(const FileStamp& o) const
    {
        return size == o.size && device == o.device && inode == o.inode && modified == o.modified &&
               changed == o.changed;
    }
    bool operator!=(const FileStamp& o) const { return !(*this == o); }

private:
    static FileStamp from(const struct stat& st)
    {
        FileStamp s;
        s.size = st.st_size;
        s.device = qint64(st.st_dev);
        s.inode = qint64(st.st_ino);
        s.modified = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
        s.changed = qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
        return s;
    }
};
