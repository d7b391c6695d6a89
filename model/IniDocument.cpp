#include "model/IniDocument.h"

#include "model/IniText.h"
#include "model/ThreadSpare.h"

#include <QMap>
#include <QTextCodec>

#include <algorithm>
#include <cstring>

namespace {
enum CharTraits
{
    Space = 1,
    Special = 2
};

struct TraitTable
{
    unsigned char of[256] = {};
    TraitTable()
    {
        of[uchar(' ')] = of[uchar('\t')] = Space;
        of[uchar('\n')] = of[uchar('\r')] = Space | Special;
        of[uchar('"')] = of[uchar(';')] = of[uchar('=')] = of[uchar('\\')] = Special;
    }
};
const TraitTable kTraits;

inline int traits(char c)
{
    return kTraits.of[uchar(c)];
}

// One logical line: comments skipped, quotes and escaped line ends followed.
bool readIniLine(const char* data, int dataLen, int& dataPos, int& lineStart, int& lineLen,
                 int& equalsPos)
{
    bool inQuotes = false;
    equalsPos = -1;
    lineStart = dataPos;
    while (lineStart < dataLen && (traits(data[lineStart]) & Space))
        ++lineStart;
    int i = lineStart;
    while (i < dataLen) {
        char ch = data[i];
        while (!(traits(ch) & Special)) {
            if (++i == dataLen)
                goto done;
            ch = data[i];
        }
        ++i;
        if (ch == '=') {
            if (!inQuotes && equalsPos == -1)
                equalsPos = i - 1;
        } else if (ch == '\n' || ch == '\r') {
            if (i == lineStart + 1) {
                ++lineStart;
            } else if (!inQuotes) {
                --i;
                goto done;
            }
        } else if (ch == '\\') {
            if (i < dataLen) {
                const char c = data[i++];
                if (i < dataLen) {
                    const char c2 = data[i];
                    if ((c == '\n' && c2 == '\r') || (c == '\r' && c2 == '\n'))
                        ++i;
                }
            }
        } else if (ch == '"') {
            inQuotes = !inQuotes;
        } else { // ';'
            if (i == lineStart + 1) {
                while (i < dataLen && data[i] != '\n' && data[i] != '\r')
                    ++i;
                while (i < dataLen && (traits(data[i]) & Space))
                    ++i;
                lineStart = i;
            } else if (!inQuotes) {
                --i;
                goto done;
            }
        }
    }
done:
    dataPos = i;
    lineLen = i - lineStart;
    return lineLen > 0;
}

template <class A, class B> int compareUnits(const A* a, const B* b, int n)
{
    for (int i = 0; i < n; ++i) {
        const ushort x = ushort(a[i]);
        const ushort y = ushort(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

// A key of the file that is its section, a slash and the name as written.
bool isPlainKey(const char* p, int n)
{
    for (int i = 0; i < n; ++i) {
        const char c = p[i];
        if (c == '%' || c == '\\' || c == '/')
            return false;
    }
    return true;
}
} // namespace

int IniDocument::Part::compare(const Part& a, const Part& b)
{
    // The keys of one section point to one text of its name.
    if (a.data == b.data && a.size == b.size && a.wide == b.wide)
        return 0;
    const int n = qMin(a.size, b.size);
    const auto* a8 = static_cast<const uchar*>(a.data);
    const auto* b8 = static_cast<const uchar*>(b.data);
    const auto* a16 = static_cast<const ushort*>(a.data);
    const auto* b16 = static_cast<const ushort*>(b.data);
    int c;
    if (!a.wide && !b.wide)
        c = n > 0 ? std::memcmp(a8, b8, size_t(n)) : 0;
    else if (!a.wide)
        c = compareUnits(a8, b16, n);
    else if (!b.wide)
        c = compareUnits(a16, b8, n);
    else
        c = compareUnits(a16, b16, n);
    return c != 0 ? c : a.size - b.size;
}

IniDocument::Key IniDocument::Key::of(const QString& key, int slash)
{
    Key k;
    const QChar* u = key.constData();
    if (slash < 0) {
        k.name = {u, key.size(), true};
        return k;
    }
    k.section = {u, slash, true};
    k.name = {u + slash + 1, key.size() - slash - 1, true};
    k.leadingSlash = slash == 0;
    return k;
}

QString IniDocument::Key::toString() const
{
    const auto text = [](const Part& p) {
        return p.wide ? QString(static_cast<const QChar*>(p.data), p.size)
                      : QString::fromLatin1(static_cast<const char*>(p.data), p.size);
    };
    if (leadingSlash)
        return QLatin1Char('/') + text(name);
    if (section.size == 0)
        return text(name);
    return text(section) + QLatin1Char('/') + text(name);
}

int IniDocument::Key::compare(const Key& a, const Key& b)
{
    int c = Part::compare(a.section, b.section);
    if (c == 0)
        c = Part::compare(a.name, b.name);
    // Keys that differ only in a leading slash share section and name.
    if (c == 0 && a.leadingSlash != b.leadingSlash) {
        const QString x = a.toString();
        const QString y = b.toString();
        c = x < y ? -1 : 1;
    }
    return c;
}

namespace {
using SpareEntries = ThreadSpare<QVector<IniDocument::Entry>>;

// One section as the file gives it: where its parts lie, and the keys read from them.
struct SectionParts
{
    QVector<QPair<int, int>> ranges;
    QVector<IniDocument::Entry> entries;
    // Read again from its text: given more than once, or (the general section of a file with a
    // byte order mark) starting before the first line that was read.
    bool reparse = false;
};
} // namespace

IniDocument::IniDocument(const QByteArray& data)
{
    m_Chunks.append(data);
    const char* d = data.constData();
    const int len = data.size();
    // By name with its trailing slash, the order QSettings takes sections in.
    QMap<QString, SectionParts> sections;
    int dataPos = 0;
    int lineStart = 0;
    int lineLen = 0;
    int equalsPos = 0;
    const bool byteOrderMark =
        len >= 3 && uchar(d[0]) == 0xEF && uchar(d[1]) == 0xBB && uchar(d[2]) == 0xBF;
    if (byteOrderMark) {
        m_pCodec = QTextCodec::codecForName("UTF-8");
        dataPos = 3;
    }
    // The file is read once: each line goes to the section it stands in as it is met.
    auto current = sections.insert(QString(), SectionParts());
    current->reparse = byteOrderMark;
    bool reserved = false;
    SectionText text = sectionText(current.key());
    int currentSectionStart = 0;
    const auto flush = [&] { current->ranges.append({currentSectionStart, lineStart}); };
    while (readIniLine(d, len, dataPos, lineStart, lineLen, equalsPos)) {
        if (d[lineStart] != '[') {
            if (equalsPos == -1)
                continue;
            // Most files keep nearly all their keys in one section, of lines of some 30 bytes.
            if (!reserved) {
                SpareEntries::take(current->entries);
                current->entries.reserve((len - lineStart) / 24 + 1);
                reserved = true;
            }
            current->entries.append(entry(text, 0, lineStart, lineLen, equalsPos));
            continue;
        }
        flush();
        const int idx = data.indexOf(']', lineStart);
        QByteArray name = (idx == -1 || idx >= lineStart + lineLen)
                              ? data.mid(lineStart + 1, lineLen - 1)
                              : data.mid(lineStart + 1, idx - lineStart - 1);
        name = name.trimmed();
        QString section;
        if (name.compare("general", Qt::CaseInsensitive) != 0) {
            if (name.compare("%general", Qt::CaseInsensitive) == 0)
                section = QLatin1String(name.constData() + 1);
            else
                IniText::unescapeKey(name.constData(), 0, name.size(), section);
            section += QLatin1Char('/');
        }
        current = sections.find(section);
        if (current == sections.end())
            current = sections.insert(section, SectionParts());
        else
            current->reparse = true;
        text = sectionText(current.key());
        currentSectionStart = dataPos;
    }
    flush();

    for (auto it = sections.begin(); it != sections.end(); ++it) {
        if (!it->reparse) {
            if (m_Entries.isEmpty())
                m_Entries.swap(it->entries);
            else
                m_Entries += it->entries;
            continue;
        }
        const auto& ranges = it->ranges;
        if (ranges.size() == 1) {
            parseSection(it.key(), 0, ranges[0].first, ranges[0].second);
            continue;
        }
        // A section given more than once is read as its parts joined by line ends.
        QByteArray joined;
        for (const auto& r : ranges) {
            if (!joined.isEmpty())
                joined += '\n';
            joined += data.mid(r.first, r.second - r.first);
        }
        m_Chunks.append(joined);
        parseSection(it.key(), m_Chunks.size() - 1, 0, joined.size());
    }
}

IniDocument::~IniDocument()
{
    SpareEntries::giveBack(m_Entries);
}

IniDocument::SectionText IniDocument::sectionText(const QString& section)
{
    SectionText t;
    // The section's text without its slash, unless the name itself holds a slash.
    t.section = &section;
    t.plain = section.indexOf(QLatin1Char('/')) >= section.size() - 1;
    if (!t.plain)
        return t;
    m_Texts.append(section);
    const int n = qMax(0, section.size() - 1);
    const QChar* u = section.constData();
    // Spelled in Latin-1 where it can be, as the keys of the file are: compared byte for byte.
    if (std::all_of(u, u + n, [](QChar c) { return c.unicode() <= 0xFF; })) {
        m_Latin1.append(section.left(n).toLatin1());
        t.part = {m_Latin1.last().constData(), n, false};
    } else {
        t.part = {m_Texts.last().constData(), n, true};
    }
    return t;
}

IniDocument::Entry IniDocument::entry(const SectionText& section, int chunk, int lineStart,
                                      int lineLen, int equalsPos)
{
    const char* d = m_Chunks[chunk].constData();
    int keyEnd = equalsPos;
    while (keyEnd > lineStart && (d[keyEnd - 1] == ' ' || d[keyEnd - 1] == '\t'))
        --keyEnd;
    Entry e{{}, chunk, equalsPos + 1, lineStart + lineLen};
    if (section.plain && isPlainKey(d + lineStart, keyEnd - lineStart)) {
        e.key.section = section.part;
        e.key.name = {d + lineStart, keyEnd - lineStart, false};
    } else {
        QString key = *section.section;
        IniText::unescapeKey(d, lineStart, keyEnd, key);
        m_Texts.append(key);
        e.key = Key::of(m_Texts.last());
    }
    return e;
}

void IniDocument::parseSection(const QString& section, int chunk, int from, int to)
{
    const SectionText text = sectionText(section);
    const char* d = m_Chunks[chunk].constData();
    int dataPos = from;
    int lineStart = 0;
    int lineLen = 0;
    int equalsPos = 0;
    while (readIniLine(d, to, dataPos, lineStart, lineLen, equalsPos)) {
        if (equalsPos != -1)
            m_Entries.append(entry(text, chunk, lineStart, lineLen, equalsPos));
    }
}
