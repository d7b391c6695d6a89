#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <QtGlobal>

// QSettings reads any file it is pointed at, and some contents are dangerous to it: a value of
// the form @Variant(...) is deserialised as written, so a list claiming 2^31 entries makes it
// allocate gigabytes and a deeply nested one overflows the stack; lines that open a section
// without closing it make its parser rescan the rest of the file for every such line. Files of
// this system are small INI texts, so every line is checked before QSettings sees the file.
class IniFileCheck
{
public:
    // What QSettings is let to parse of one file. Its time grows with the bytes, the lines and
    // the list elements of a file, so each kind of file is bounded to well above the largest
    // the system writes, and no further: then any file within them loads in a few tens of ms.
    struct Limits
    {
        qint64 bytes;
        int lines;
        int listElements; // separators (commas) in values, all lines together
    };
    // By the file's suffix: ".conf" (five full profiles, under 2 MB and 56000 lines), ".prof"
    // (330 KB, 11000 lines), ".MSMACRO" (4096 events of three keys); anything else (Config.ini,
    // LangConfig.ini, the device description) a few hundred lines.
    static Limits limitsFor(const QString& path);
    static constexpr qint64 kMaxFileSize = 3 * 1024 * 1024; // the largest of all limits

    enum class Verdict
    {
        Missing,
        NotAFile,   // a folder, a device, a pipe: never opened
        Unopenable, // a file this user may not read
        Damaged,    // too large, or a line that is not sound
        Sound
    };

    // `content`, when given, receives what was read: of a damaged file, up to 16 MB of whole
    // lines to salvage from.
    static Verdict inspect(const QString& path, QByteArray* content = nullptr);
    static bool isReadable(const QString& path) { return inspect(path) == Verdict::Sound; }
    // Tells inspect() that the file at `path`, as it is now, needs no check: this process has
    // just written it from sound text and keys and values escaped as QSettings escapes them.
    // A file found sound is remembered the same way. Either is checked again once its size,
    // modification or change time, or identity (device and inode) differ: once anything else
    // has written to it.
    static void markSound(const QString& path);

    // True when QSettings may parse the text safely and without error, within `limits`: no NUL
    // byte or byte order mark, no line that opens a section without closing it, no line without
    // a value, no line continued onto the next, no escape QSettings itself would not write, and
    // no @Variant value other than a colour.
    static bool isSoundText(const QByteArray& data, const Limits& limits);
    // The sound lines of `data` that fit half the limits, in order: what a damaged file still
    // holds of its keys, with room left for the keys the program writes into it next.
    static QByteArray salvage(const QByteArray& data, const Limits& limits);

    // The colour a value of a sound line stands for (the text after "=", as written), read the
    // way QSettings reads it; an invalid variant when the value is no colour standing alone.
    static QVariant colourValue(const char* p, const char* end);
};
