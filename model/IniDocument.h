#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

class QTextCodec;

// The keys of an INI settings file and where each one's value text lies, read the way QSettings
// (Qt 5.15, IniFormat) reads them: comments and blank lines skipped, a section given more than
// once read as its parts joined, sections taken in the order of their names. Values stay
// undecoded: most are copied back as they are. A key spelled plainly in the file (the usual
// case) is not copied either but pointed to, so reading a profile file costs few allocations.
class IniDocument
{
public:
    // Part of a key, compared as QString compares: by UTF-16 code units. Given as UTF-16 or,
    // pointing into the file, as Latin-1.
    struct Part
    {
        const void* data = nullptr;
        int size = 0;
        bool wide = false; // UTF-16, else Latin-1

        ushort at(int i) const
        {
            return wide ? static_cast<const ushort*>(data)[i] : static_cast<const uchar*>(data)[i];
        }
        static int compare(const Part& a, const Part& b);
    };

    // A key split at its first slash, as QSettings sorts the lines it writes: by section, then
    // by name, then by the whole key, which differs from the section, a slash and the name (or
    // the name alone without a section) only by a leading slash some odd files give.
    struct Key
    {
        Part section;
        Part name;
        bool leadingSlash = false;

        // `key` must outlive the result; `slash` is its first slash, or -1.
        static Key of(const QString& key) { return of(key, key.indexOf(QLatin1Char('/'))); }
        static Key of(const QString& key, int slash);
        QString toString() const;
        // What a line starts with: the section's text, then the name's.
        bool sameLine(const Key& o) const
        {
            return Part::compare(section, o.section) == 0 && Part::compare(name, o.name) == 0;
        }
        static int compare(const Key& a, const Key& b);
        bool operator<(const Key& o) const { return compare(*this, o) < 0; }
    };

    struct Entry
    {
        Key key;
        int chunk; // the value's text: chunk(chunk) from `from` to `to`
        int from;
        int to;
    };

    explicit IniDocument(const QByteArray& text);
    ~IniDocument();
    IniDocument(const IniDocument&) = delete;
    IniDocument& operator=(const IniDocument&) = delete;

    // In the order QSettings reads them; a key given twice is listed twice, the later one wins.
    const QVector<Entry>& entries() const { return m_Entries; }
    const QByteArray& chunk(int i) const { return m_Chunks[i]; }
    // UTF-8 for a file that starts with its byte order mark, else null (Latin-1).
    QTextCodec* codec() const { return m_pCodec; }

private:
    // A section's name as the keys under it point to it.
    struct SectionText
    {
        const QString* section; // with its trailing slash; outlives the parse
        bool plain;             // no slash of its own: keys may point to `part`
        Part part;
    };
    SectionText sectionText(const QString& section);
    Entry entry(const SectionText& section, int chunk, int lineStart, int lineLen, int equalsPos);
    void parseSection(const QString& section, int chunk, int from, int to);

    QVector<QByteArray> m_Chunks; // the file, then sections that were given more than once
    QVector<QString> m_Texts;     // sections and keys the entries point into
    QVector<QByteArray> m_Latin1; // sections the entries point into, in Latin-1
    QVector<Entry> m_Entries;
    QTextCodec* m_pCodec = nullptr;
};
