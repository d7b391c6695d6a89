#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVariant>
#include <QVector>

class QTextCodec;

// The bytes of an INI settings file after some keys were set or removed, exactly as QSettings
// (Qt 5.15, IniFormat, on this platform) writes them for the same file and the same calls: keys
// compare with regard to case, sections and the keys within each come sorted by name, a file's
// keys not set again keep their values, and every key and value is escaped the way QSettings
// escapes it. Other programs of an installation read these files, and
// the files the system shipped with were written by QSettings; a byte-for-byte match keeps both
// working. The bytes are produced here so that the caller decides how they reach the disk.
//
// Values may be of the types the system stores (integers, texts, text lists, colours) and the
// other plain types QSettings writes in text form; anything else goes through QDataStream as
// QSettings does it.
class IniWriter
{
public:
    // `existing`: what the file holds now (empty for a new file).
    explicit IniWriter(const QByteArray& existing = QByteArray());
    ~IniWriter();

    // Room for this many more keys.
    void reserve(int keys);
    // `key` as QSettings takes it: "group/name", slashes collapsed.
    void setValue(const QString& key, const QVariant& value);
    // The key and every key below it as a group; an empty key removes everything.
    void remove(const QString& key);

    // False when the calls so far leave nothing to write; QSettings then leaves the file alone.
    bool hasChanges();
    QByteArray toBytes();

private:
    struct Entry
    {
        QString key;    // full key: "section/name"
        QVariant value; // when set
        int chunk = -1; // the file's undecoded value: m_Chunks[chunk] from `from` to `to`
        int from = 0;
        int to = 0;
        bool original = false; // read from the file, neither set nor removed here
        bool added = false;    // set here and not removed since
    };

    void parse();
    void parseSection(const QString& section, int chunk, int from, int to);
    void insertOriginal(const QString& key, int chunk, int from, int to);
    void appendValue(const Entry& entry, QByteArray& out) const;
    QVariant decodedValue(const Entry& entry) const;

    QVector<QByteArray> m_Chunks; // the file, then sections that were given more than once
    QTextCodec* m_pCodec = nullptr;
    QVector<Entry> m_Entries;
    QHash<QString, int> m_Index; // key -> live entry + 1
    QVector<int> m_FileOrder;    // entries in the order the file gives their keys
    QVector<QString> m_Removed;  // keys removed, with all below them; empty: everything
    QString m_Key;               // the file's key being read
    bool m_bParsed = false;
    bool m_bRemovedOriginal = false;
};
