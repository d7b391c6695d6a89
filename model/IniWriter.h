#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <QVector>

#include "model/IniDocument.h"
#include "model/IniKeySet.h"

#include <memory>
#include <vector>

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
//
// A profile file is saved whole before every write to the mouse, so the common case is made
// cheap: keys set in sorted order (ProfileRecordIo sets them so) over a file in sorted order
// are merged in one pass, and the file's own lines are copied where their text is plain.
class IniWriter
{
public:
    // `existing`: what the file holds now (empty for a new file).
    explicit IniWriter(const QByteArray& existing = QByteArray());
    ~IniWriter();

    // Applies the calls made so far to `existing` instead.
    void rebase(const QByteArray& existing);
    // Room for this many more keys.
    void reserve(int keys);
    // `key` as QSettings takes it: "group/name", slashes collapsed.
    void setValue(const QString& key, const QVariant& value);
    // The same for the key `i` of `keys`, which must outlive this writer.
    void setValue(const IniKeySet& keys, int i, const QVariant& value);
    // The key and every key below it as a group; an empty key removes everything.
    void remove(const QString& key);

    // False when the calls so far leave nothing to write; QSettings then leaves the file alone.
    bool hasChanges();
    QByteArray toBytes();

private:
    struct Setting
    {
        QString key;
        QVariant value;
        int slash; // the first in `key`, or -1
        bool live; // not removed since
        const IniKeySet::Key* prepared;
        IniDocument::Key sortKey; // points into `key` or `prepared`
    };
    // One key of the result: a setting, or (setting < 0) an entry of the file.
    struct Line
    {
        int setting;
        int entry;
    };

    void merge();
    bool isRemoved(const QString& key) const;
    void append(Setting setting);
    const IniDocument::Key& settingKey(int i) const { return m_Settings[size_t(i)].sortKey; }
    const IniDocument::Key& keyOf(const Line& line) const;
    void appendValue(const Line& line, QByteArray& out) const;

    QByteArray m_Existing;
    std::unique_ptr<IniDocument> m_pDocument; // read once all the changes are known
    std::vector<Setting> m_Settings;
    QVector<QString> m_Removed; // keys removed, with all below them; empty: everything
    std::vector<Line> m_Lines;  // sorted; valid while m_bMerged
    bool m_bMerged = false;
    bool m_bRemovedOriginal = false;
};
