#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QTextCodec;

// Keys and text values of an INI settings file in the form Qt 5.15's QSettings in IniFormat gives
// them on disk, both ways. Keys escape every character but letters, digits, "_", "-" and "." as
// %XX or %UXXXX (a slash as a backslash); values escape control characters and quotes with
// backslashes and are quoted when they hold a list separator or a space at either end.
// `codec` is the file's text codec (a file that starts with a UTF-8 byte order mark), or null.
class IniText
{
public:
    // Appends the key text of key[from, to) to `result`.
    static void unescapeKey(const char* key, int from, int to, QString& result);
    static void escapeKey(const QChar* u, int n, QByteArray& result);
    static void escapeKey(const char* latin1, int n, QByteArray& result);

    static void escapeString(const QString& str, QByteArray& result, QTextCodec* codec);
    // An empty list is "@Invalid()", as QSettings writes it.
    static void escapeStringList(const QStringList& strs, QByteArray& result, QTextCodec* codec);
    // A value's text str[from, to): one string, or (true) a list when an unquoted comma
    // separates elements.
    static bool unescapeStringList(const char* str, int from, int to, QString& stringResult,
                                   QStringList& stringListResult, QTextCodec* codec);

    // True when the text reads back as itself with no escape, quote or list: it can be copied.
    static bool isPlainText(const char* p, int n);
    static bool isPlainText(const QString& s);

    static void appendNumber(qint64 value, QByteArray& out);
    // QSettings' spelling of a key: no slash at either end, none doubled.
    static QString normalizedKey(const QString& key);
};
