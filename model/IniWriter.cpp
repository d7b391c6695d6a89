#include "model/IniWriter.h"

#include <QDataStream>
#include <QDateTime>
#include <QMap>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <QTextCodec>

#include <algorithm>
#include <climits>
#include <cstring>

// The rules below follow QSettings' own reader and writer step by step, quirks included: where
// they look odd (a key that only differs in a non-ASCII capital, a section given twice) the
// odd result is the one QSettings produces, and so the one other readers of the file expect.
namespace {
const char kHexDigits[] = "0123456789ABCDEF";

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

bool isWordChar(uint c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.';
}

// Appends the key text of data[from, to) to `result`.
void unescapeKey(const char* key, int from, int to, QString& result)
{
    const char* p = key + from;
    const int n = to - from;
    if (!std::memchr(p, '%', size_t(n)) && !std::memchr(p, '\\', size_t(n))) {
        result += QLatin1String(p, n);
        return;
    }
    int i = from;
    while (i < to) {
        int ch = uchar(key[i]);
        if (ch == '\\') {
            result += QLatin1Char('/');
            ++i;
            continue;
        }
        if (ch != '%' || i == to - 1) {
            result += QLatin1Char(char(ch));
            ++i;
            continue;
        }
        int numDigits = 2;
        int firstDigitPos = i + 1;
        if (key[i + 1] == 'U') {
            ++firstDigitPos;
            numDigits = 4;
        }
        if (firstDigitPos + numDigits > to) {
            result += QLatin1Char('%');
            ++i;
            continue;
        }
        bool ok = false;
        ch = QByteArray(key + firstDigitPos, numDigits).toInt(&ok, 16);
        if (!ok) {
            result += QLatin1Char('%');
            ++i;
            continue;
        }
        result += QChar(ch);
        i = firstDigitPos + numDigits;
    }
}

void escapeKey(const QChar* u, int n, QByteArray& result)
{
    if (std::all_of(u, u + n, [](QChar c) { return isWordChar(c.unicode()); })) {
        const int at = result.size();
        result.resize(at + n);
        char* out = result.data() + at;
        for (int i = 0; i < n; ++i)
            out[i] = char(u[i].unicode());
        return;
    }
    for (int i = 0; i < n; ++i) {
        uint ch = u[i].unicode();
        if (ch == '/') {
            result += '\\';
        } else if (isWordChar(ch)) {
            result += char(ch);
        } else if (ch <= 0xFF) {
            result += '%';
            result += kHexDigits[ch / 16];
            result += kHexDigits[ch % 16];
        } else {
            result += "%U";
            char hex[4];
            for (int k = 3; k >= 0; --k) {
                hex[k] = kHexDigits[ch % 16];
                ch >>= 4;
            }
            result.append(hex, 4);
        }
    }
}

void escapeString(const QString& str, QByteArray& result, QTextCodec* codec)
{
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    const bool useCodec = codec && !str.startsWith(QLatin1String("@ByteArray(")) &&
                          !str.startsWith(QLatin1String("@Variant("));
    const int startPos = result.size();
    result.reserve(startPos + str.size() * 3 / 2);
    const QChar* unicode = str.unicode();
    for (int i = 0; i < str.size(); ++i) {
        const uint ch = unicode[i].unicode();
        if (ch == ';' || ch == ',' || ch == '=')
            needsQuotes = true;
        if (escapeNextIfDigit &&
            ((ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F'))) {
            result += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeNextIfDigit = false;
        switch (ch) {
        case '\0':
            result += "\\0";
            escapeNextIfDigit = true;
            break;
        case '\a':
            result += "\\a";
            break;
        case '\b':
            result += "\\b";
            break;
        case '\f':
            result += "\\f";
            break;
        case '\n':
            result += "\\n";
            break;
        case '\r':
            result += "\\r";
            break;
        case '\t':
            result += "\\t";
            break;
        case '\v':
            result += "\\v";
            break;
        case '"':
        case '\\':
            result += '\\';
            result += char(ch);
            break;
        default:
            if (ch <= 0x1F || (ch >= 0x7F && !useCodec)) {
                result += "\\x" + QByteArray::number(ch, 16);
                escapeNextIfDigit = true;
            } else if (useCodec) {
                result += codec->fromUnicode(&unicode[i], 1);
            } else {
                result += char(ch);
            }
        }
    }
    if (needsQuotes || (startPos < result.size() &&
                        (result.at(startPos) == ' ' || result.at(result.size() - 1) == ' '))) {
        result.insert(startPos, '"');
        result += '"';
    }
}

void escapeStringList(const QStringList& strs, QByteArray& result, QTextCodec* codec)
{
    if (strs.isEmpty()) {
        result += "@Invalid()";
        return;
    }
    for (int i = 0; i < strs.size(); ++i) {
        if (i != 0)
            result += ", ";
        escapeString(strs.at(i), result, codec);
    }
}

void chopTrailingSpaces(QString& str, int limit)
{
    int n = str.size() - 1;
    QChar ch;
    while (n >= limit && ((ch = str.at(n)) == QLatin1Char(' ') || ch == QLatin1Char('\t')))
        str.truncate(n--);
}

// A value's text: one string, or a list when an unquoted comma separates elements.
bool unescapeStringList(const char* str, int from, int to, QString& stringResult,
                        QStringList& stringListResult, QTextCodec* codec)
{
    static const char escapeCodes[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                          {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                          {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    bool isStringList = false;
    bool inQuotedString = false;
    bool currentValueIsQuoted = false;
    int escapeVal = 0;
    int i = from;
    char ch;

StSkipSpaces:
    while (i < to && ((ch = str[i]) == ' ' || ch == '\t'))
        ++i;

StNormal:
    int chopLimit = stringResult.length();
    while (i < to) {
        switch (str[i]) {
        case '\\':
            ++i;
            if (i >= to)
                goto end;
            ch = str[i++];
            for (const auto& code : escapeCodes) {
                if (ch == code[0]) {
                    stringResult += QLatin1Char(code[1]);
                    goto StNormal;
                }
            }
            if (ch == 'x') {
                escapeVal = 0;
                if (i >= to)
                    goto end;
                ch = str[i];
                if ((ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F') ||
                    (ch >= 'a' && ch <= 'f'))
                    goto StHexEscape;
            } else if (ch >= '0' && ch <= '7') {
                escapeVal = ch - '0';
                goto StOctEscape;
            } else if (ch == '\n' || ch == '\r') {
                if (i < to) {
                    const char ch2 = str[i];
                    if ((ch2 == '\n' || ch2 == '\r') && ch2 != ch)
                        ++i;
                }
            }
            chopLimit = stringResult.length();
            break;
        case '"':
            ++i;
            currentValueIsQuoted = true;
            inQuotedString = !inQuotedString;
            if (!inQuotedString)
                goto StSkipSpaces;
            break;
        case ',':
            if (!inQuotedString) {
                if (!currentValueIsQuoted)
                    chopTrailingSpaces(stringResult, chopLimit);
                if (!isStringList) {
                    isStringList = true;
                    stringListResult.clear();
                    stringResult.squeeze();
                }
                stringListResult.append(stringResult);
                stringResult.clear();
                currentValueIsQuoted = false;
                ++i;
                goto StSkipSpaces;
            }
            Q_FALLTHROUGH();
        default: {
            int j = i + 1;
            while (j < to) {
                ch = str[j];
                if (ch == '\\' || ch == '"' || ch == ',')
                    break;
                ++j;
            }
            if (codec)
                stringResult += codec->toUnicode(str + i, j - i);
            else
                stringResult += QLatin1String(str + i, j - i);
            i = j;
        }
        }
    }
    if (!currentValueIsQuoted)
        chopTrailingSpaces(stringResult, chopLimit);
    goto end;

StHexEscape:
    if (i >= to) {
        stringResult += QChar(escapeVal);
        goto end;
    }
    ch = str[i];
    if (ch >= 'a')
        ch -= 'a' - 'A';
    if ((ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F')) {
        escapeVal <<= 4;
        escapeVal += int(std::strchr(kHexDigits, ch) - kHexDigits);
        ++i;
        goto StHexEscape;
    } else {
        stringResult += QChar(escapeVal);
        goto StNormal;
    }

StOctEscape:
    if (i >= to) {
        stringResult += QChar(escapeVal);
        goto end;
    }
    ch = str[i];
    if (ch >= '0' && ch <= '7') {
        escapeVal <<= 3;
        escapeVal += ch - '0';
        ++i;
        goto StOctEscape;
    } else {
        stringResult += QChar(escapeVal);
        goto StNormal;
    }

end:
    if (isStringList)
        stringListResult.append(stringResult);
    return isStringList;
}

QStringList splitArgs(const QString& s, int idx)
{
    QStringList result;
    QString item;
    for (++idx; idx < s.length(); ++idx) {
        const QChar c = s.at(idx);
        if (c == QLatin1Char(')')) {
            result.append(item);
        } else if (c == QLatin1Char(' ')) {
            result.append(item);
            item.clear();
        } else {
            item.append(c);
        }
    }
    return result;
}

QVariant stringToVariant(const QString& s)
{
    if (s.startsWith(QLatin1Char('@'))) {
        if (s.endsWith(QLatin1Char(')'))) {
            if (s.startsWith(QLatin1String("@ByteArray("))) {
                return QVariant(s.midRef(11, s.size() - 12).toLatin1());
            } else if (s.startsWith(QLatin1String("@String("))) {
                return QVariant(s.midRef(8, s.size() - 9).toString());
            } else if (s.startsWith(QLatin1String("@Variant(")) ||
                       s.startsWith(QLatin1String("@DateTime("))) {
                const bool dateTime = s.at(1) == QLatin1Char('D');
                QByteArray a = s.midRef(dateTime ? 10 : 9).toLatin1();
                QDataStream stream(&a, QIODevice::ReadOnly);
                stream.setVersion(dateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
                QVariant result;
                stream >> result;
                return result;
            } else if (s.startsWith(QLatin1String("@Rect("))) {
                const QStringList args = splitArgs(s, 5);
                if (args.size() == 4)
                    return QVariant(
                        QRect(args[0].toInt(), args[1].toInt(), args[2].toInt(), args[3].toInt()));
            } else if (s.startsWith(QLatin1String("@Size("))) {
                const QStringList args = splitArgs(s, 5);
                if (args.size() == 2)
                    return QVariant(QSize(args[0].toInt(), args[1].toInt()));
            } else if (s.startsWith(QLatin1String("@Point("))) {
                const QStringList args = splitArgs(s, 6);
                if (args.size() == 2)
                    return QVariant(QPoint(args[0].toInt(), args[1].toInt()));
            } else if (s == QLatin1String("@Invalid()")) {
                return QVariant();
            }
        }
        if (s.startsWith(QLatin1String("@@")))
            return QVariant(s.mid(1));
    }
    return QVariant(s);
}

QVariant stringListToVariantList(const QStringList& l)
{
    QStringList out = l;
    for (int i = 0; i < out.count(); ++i) {
        const QString& str = out.at(i);
        if (!str.startsWith(QLatin1Char('@')))
            continue;
        if (str.length() >= 2 && str.at(1) == QLatin1Char('@')) {
            out[i].remove(0, 1);
        } else {
            QVariantList variants;
            variants.reserve(l.count());
            for (const QString& s : l)
                variants.append(stringToVariant(s));
            return variants;
        }
    }
    return out;
}

QString variantToString(const QVariant& v)
{
    QString result;
    switch (v.userType()) {
    case QMetaType::UnknownType:
        result = QLatin1String("@Invalid()");
        break;
    case QMetaType::QByteArray: {
        const QByteArray a = v.toByteArray();
        result = QLatin1String("@ByteArray(") + QLatin1String(a.constData(), a.size()) +
                 QLatin1Char(')');
        break;
    }
    case QMetaType::QString:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Bool:
    case QMetaType::Double:
    case QMetaType::QKeySequence:
        result = v.toString();
        if (result.contains(QChar::Null))
            result = QLatin1String("@String(") + result + QLatin1Char(')');
        else if (result.startsWith(QLatin1Char('@')))
            result.prepend(QLatin1Char('@'));
        break;
    case QMetaType::QRect: {
        const QRect r = v.toRect();
        result = QString::asprintf("@Rect(%d %d %d %d)", r.x(), r.y(), r.width(), r.height());
        break;
    }
    case QMetaType::QSize: {
        const QSize s = v.toSize();
        result = QString::asprintf("@Size(%d %d)", s.width(), s.height());
        break;
    }
    case QMetaType::QPoint: {
        const QPoint p = v.toPoint();
        result = QString::asprintf("@Point(%d %d)", p.x(), p.y());
        break;
    }
    default: {
        const bool dateTime = v.userType() == QMetaType::QDateTime;
        QByteArray a;
        {
            QDataStream s(&a, QIODevice::WriteOnly);
            s.setVersion(dateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
            s << v;
        }
        result = QLatin1String(dateTime ? "@DateTime(" : "@Variant(") +
                 QLatin1String(a.constData(), a.size()) + QLatin1Char(')');
        break;
    }
    }
    return result;
}

QStringList variantListToStringList(const QVariantList& l)
{
    QStringList result;
    result.reserve(l.count());
    for (const QVariant& v : l)
        result.append(variantToString(v));
    return result;
}

// Characters that a value keeps unchanged both ways: no escape, no quotes, no list.
bool isPlainChar(uint c)
{
    return c >= 0x20 && c <= 0x7E && c != '\\' && c != '"' && c != ',' && c != '=' && c != ';';
}

bool isPlainText(const char* p, int n)
{
    if (n == 0)
        return true;
    if (p[0] == ' ' || p[0] == '@' || p[n - 1] == ' ')
        return false;
    return std::all_of(p, p + n, [](char c) { return isPlainChar(uchar(c)); });
}

bool isPlainText(const QString& s)
{
    const int n = s.size();
    if (n == 0)
        return true;
    const QChar* u = s.unicode();
    if (u[0] == QLatin1Char(' ') || u[0] == QLatin1Char('@') || u[n - 1] == QLatin1Char(' '))
        return false;
    return std::all_of(u, u + n, [](QChar c) { return isPlainChar(c.unicode()); });
}

// Part of a key, compared as QString compares: by UTF-16 code units.
struct Text
{
    const QChar* text;
    int size;
};

int compare(const Text& a, const Text& b)
{
    const int n = qMin(a.size, b.size);
    for (int i = 0; i < n; ++i) {
        const ushort x = a.text[i].unicode();
        const ushort y = b.text[i].unicode();
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size - b.size;
}

void appendNumber(qint64 value, QByteArray& out)
{
    char digits[24];
    int at = sizeof digits;
    quint64 rest = value < 0 ? 0 - quint64(value) : quint64(value);
    do {
        digits[--at] = char('0' + rest % 10);
        rest /= 10;
    } while (rest);
    if (value < 0)
        digits[--at] = '-';
    out.append(digits + at, int(sizeof digits) - at);
}

// QSettings' spelling of a key: no slash at either end, none doubled.
QString normalizedKey(const QString& key)
{
    const QChar* u = key.constData();
    const int n = key.size();
    bool plain = n > 0 && u[0] != QLatin1Char('/') && u[n - 1] != QLatin1Char('/');
    for (int i = 1; plain && i < n; ++i)
        plain = !(u[i] == QLatin1Char('/') && u[i - 1] == QLatin1Char('/'));
    if (plain)
        return key;
    const QStringList parts = key.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    return parts.join(QLatin1Char('/'));
}
} // namespace

IniWriter::IniWriter(const QByteArray& existing)
{
    m_Chunks.append(existing);
    m_bParsed = existing.isEmpty();
}

IniWriter::~IniWriter() = default;

// The file is read once all the changes are known: a key of the file that was set again or
// removed needs no text of its own then.
void IniWriter::parse()
{
    if (m_bParsed)
        return;
    m_bParsed = true;
    const QByteArray& data = m_Chunks[0];
    const int lineCount = data.count('\n') + 1;
    m_Entries.reserve(m_Entries.size() + lineCount);
    m_Index.reserve(m_Index.size() + lineCount);
    const char* d = data.constData();
    const int len = data.size();

    QMap<QString, QVector<QPair<int, int>>> sections; // by name with its trailing slash
    QString currentSection;
    int currentSectionStart = 0;
    int dataPos = 0;
    int lineStart = 0;
    int lineLen = 0;
    int equalsPos = 0;
    if (len >= 3 && uchar(d[0]) == 0xEF && uchar(d[1]) == 0xBB && uchar(d[2]) == 0xBF) {
        m_pCodec = QTextCodec::codecForName("UTF-8");
        dataPos = 3;
    }
    const auto flush = [&] { sections[currentSection].append({currentSectionStart, lineStart}); };
    while (readIniLine(d, len, dataPos, lineStart, lineLen, equalsPos)) {
        if (d[lineStart] == '[') {
            flush();
            const int idx = data.indexOf(']', lineStart);
            QByteArray name = (idx == -1 || idx >= lineStart + lineLen)
                                  ? data.mid(lineStart + 1, lineLen - 1)
                                  : data.mid(lineStart + 1, idx - lineStart - 1);
            name = name.trimmed();
            if (name.compare("general", Qt::CaseInsensitive) == 0) {
                currentSection.clear();
            } else {
                if (name.compare("%general", Qt::CaseInsensitive) == 0) {
                    currentSection = QLatin1String(name.constData() + 1);
                } else {
                    currentSection.clear();
                    unescapeKey(name.constData(), 0, name.size(), currentSection);
                }
                currentSection += QLatin1Char('/');
            }
            currentSectionStart = dataPos;
        }
    }
    flush();

    for (auto it = sections.cbegin(); it != sections.cend(); ++it) {
        const auto& ranges = it.value();
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

void IniWriter::parseSection(const QString& section, int chunk, int from, int to)
{
    const char* d = m_Chunks[chunk].constData();
    int dataPos = from;
    int lineStart = 0;
    int lineLen = 0;
    int equalsPos = 0;
    while (readIniLine(d, to, dataPos, lineStart, lineLen, equalsPos)) {
        if (equalsPos == -1)
            continue;
        int keyEnd = equalsPos;
        while (keyEnd > lineStart && (d[keyEnd - 1] == ' ' || d[keyEnd - 1] == '\t'))
            --keyEnd;
        // Built in a buffer kept from key to key; only a key that stays is copied.
        m_Key.resize(0);
        m_Key += section;
        unescapeKey(d, lineStart, keyEnd, m_Key);
        insertOriginal(m_Key, chunk, equalsPos + 1, lineStart + lineLen);
    }
}

void IniWriter::insertOriginal(const QString& key, int chunk, int from, int to)
{
    const auto it = m_Index.constFind(key);
    if (it != m_Index.cend()) {
        // A key given twice keeps its last value; one set again takes the new value.
        Entry& e = m_Entries[*it - 1];
        m_FileOrder.append(*it - 1);
        if (e.original) {
            e.chunk = chunk;
            e.from = from;
            e.to = to;
        }
        return;
    }
    for (const QString& removed : qAsConst(m_Removed)) {
        if (removed.isEmpty() || key == removed ||
            (key.startsWith(removed) && key.at(removed.size()) == QLatin1Char('/'))) {
            m_bRemovedOriginal = true;
            return;
        }
    }
    Entry e;
    e.key = QString(key.constData(), key.size());
    e.chunk = chunk;
    e.from = from;
    e.to = to;
    e.original = true;
    m_FileOrder.append(m_Entries.size());
    m_Index.insert(e.key, m_Entries.size() + 1);
    m_Entries.append(e);
}

void IniWriter::reserve(int keys)
{
    m_Entries.reserve(m_Entries.size() + keys);
    m_Index.reserve(m_Index.size() + keys);
}

void IniWriter::setValue(const QString& key, const QVariant& value)
{
    if (key.isEmpty())
        return;
    // A key of slashes alone comes out empty, and is kept so.
    const QString k = normalizedKey(key);
    int& at = m_Index[k];
    if (at > 0) {
        Entry& e = m_Entries[at - 1];
        e.value = value;
        e.chunk = -1;
        e.added = true;
        e.original = false;
        return;
    }
    at = m_Entries.size() + 1;
    Entry e;
    e.key = k;
    e.value = value;
    e.added = true;
    m_Entries.append(e);
}

void IniWriter::remove(const QString& key)
{
    // Before the file is read, only keys set here can be dropped; the file's own keys are
    // weighed against the removals when it is read.
    const QString k = normalizedKey(key);
    const QString prefix = k + QLatin1Char('/');
    QVector<QString> dropped;
    for (auto it = m_Index.cbegin(); it != m_Index.cend(); ++it) {
        if (k.isEmpty() || it.key() == k || it.key().startsWith(prefix)) {
            Entry& e = m_Entries[it.value() - 1];
            m_bRemovedOriginal = m_bRemovedOriginal || e.original;
            e.added = false;
            e.original = false;
            dropped.append(it.key()); // set again, it counts as new
        }
    }
    for (const QString& f : dropped)
        m_Index.remove(f);
    m_Removed.append(k);
}

bool IniWriter::hasChanges()
{
    parse();
    return m_bRemovedOriginal || std::any_of(m_Entries.cbegin(), m_Entries.cend(),
                                             [](const Entry& e) { return e.added; });
}

QVariant IniWriter::decodedValue(const Entry& entry) const
{
    QString text;
    QStringList list;
    if (unescapeStringList(m_Chunks[entry.chunk].constData(), entry.from, entry.to, text, list,
                           m_pCodec))
        return stringListToVariantList(list);
    return stringToVariant(text);
}

void IniWriter::appendValue(const Entry& entry, QByteArray& out) const
{
    if (entry.chunk >= 0) {
        const char* raw = m_Chunks[entry.chunk].constData() + entry.from;
        if (!m_pCodec && isPlainText(raw, entry.to - entry.from)) {
            out.append(raw, entry.to - entry.from);
            return;
        }
    }
    const QVariant decoded = entry.chunk >= 0 ? decodedValue(entry) : QVariant();
    const QVariant& v = entry.chunk >= 0 ? decoded : entry.value;
    const int type = v.userType();
    if (type == QMetaType::Int) {
        appendNumber(v.toInt(), out);
    } else if (type == QMetaType::UInt) {
        appendNumber(v.toUInt(), out);
    } else if (type == QMetaType::QString && isPlainText(v.toString())) {
        out += v.toString().toLatin1();
    } else if (type == QMetaType::QStringList ||
               (type == QMetaType::QVariantList && v.toList().size() != 1)) {
        escapeStringList(variantListToStringList(v.toList()), out, m_pCodec);
    } else {
        escapeString(variantToString(v), out, m_pCodec);
    }
}

QByteArray IniWriter::toBytes()
{
    parse();
    struct Line
    {
        Text section; // empty: [General]
        Text name;
        int entry;
        const QString* key;
        bool sameLine(const Line& o) const
        {
            return compare(section, o.section) == 0 && compare(name, o.name) == 0;
        }
        bool operator<(const Line& o) const
        {
            const int c = compare(section, o.section);
            if (c != 0)
                return c < 0;
            const int n = compare(name, o.name);
            return n != 0 ? n < 0 : *key < *o.key;
        }
    };
    QVector<Line> lines;
    lines.reserve(m_Index.size());
    // The file's keys in the file's order, then the new ones: a file in order stays so.
    QVector<int> order;
    order.reserve(m_Entries.size());
    QVector<bool> listed(m_Entries.size());
    for (const int i : qAsConst(m_FileOrder)) {
        if (!listed[i])
            order.append(i);
        listed[i] = true;
    }
    for (int i = 0; i < m_Entries.size(); ++i) {
        if (!listed[i])
            order.append(i);
    }
    for (const int i : qAsConst(order)) {
        const Entry& e = m_Entries[i];
        if (!e.added && !e.original)
            continue;
        const int slash = e.key.indexOf(QLatin1Char('/'));
        const QChar* k = e.key.constData();
        if (slash < 0)
            lines.append({{k, 0}, {k, e.key.size()}, i, &e.key});
        else
            lines.append({{k, slash}, {k + slash + 1, e.key.size() - slash - 1}, i, &e.key});
    }
    // A file this writer or QSettings wrote, with its keys set again, is in order already.
    if (!std::is_sorted(lines.cbegin(), lines.cend()))
        std::sort(lines.begin(), lines.end());

    QByteArray out;
    out.reserve(m_Chunks[0].size() + 64 * lines.size());
    const Line* previous = nullptr;
    for (int i = 0; i < lines.size(); ++i) {
        const Line& line = lines[i];
        // Keys that differ only in a leading slash share a line; the last one's value stays.
        if (i + 1 < lines.size() && line.sameLine(lines[i + 1]))
            continue;
        if (!previous || compare(line.section, previous->section) != 0) {
            QByteArray header;
            escapeKey(line.section.text, line.section.size, header);
            if (header.isEmpty())
                header = "[General]";
            else if (header.compare("general", Qt::CaseInsensitive) == 0)
                header = "[%General]";
            else
                header = '[' + header + ']';
            if (previous)
                out += '\n';
            out += header;
            out += '\n';
        }
        escapeKey(line.name.text, line.name.size, out);
        out += '=';
        appendValue(m_Entries[line.entry], out);
        out += '\n';
        previous = &line;
    }
    return out;
}
