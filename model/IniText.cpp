#include "model/IniText.h"

#include <QTextCodec>

#include <algorithm>
#include <cstring>

// The rules below follow QSettings' own reader and writer step by step, quirks included: where
// they look odd the odd result is the one QSettings produces, and so the one other readers of
// the file expect.
namespace {
const char kHexDigits[] = "0123456789ABCDEF";

bool isWordChar(uint c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.';
}

void chopTrailingSpaces(QString& str, int limit)
{
    int n = str.size() - 1;
    QChar ch;
    while (n >= limit && ((ch = str.at(n)) == QLatin1Char(' ') || ch == QLatin1Char('\t')))
        str.truncate(n--);
}

// Characters that a value keeps unchanged both ways: no escape, no quotes, no list.
bool isPlainChar(uint c)
{
    return c >= 0x20 && c <= 0x7E && c != '\\' && c != '"' && c != ',' && c != '=' && c != ';';
}
} // namespace

// Appends the key text of data[from, to) to `result`.
void IniText::unescapeKey(const char* key, int from, int to, QString& result)
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

void IniText::escapeKey(const QChar* u, int n, QByteArray& result)
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

void IniText::escapeKey(const char* latin1, int n, QByteArray& result)
{
    if (std::all_of(latin1, latin1 + n, [](char c) { return isWordChar(uchar(c)); })) {
        result.append(latin1, n);
        return;
    }
    const QString key = QString::fromLatin1(latin1, n);
    escapeKey(key.constData(), key.size(), result);
}

void IniText::escapeString(const QString& str, QByteArray& result, QTextCodec* codec)
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

void IniText::escapeStringList(const QStringList& strs, QByteArray& result, QTextCodec* codec)
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

// A value's text: one string, or a list when an unquoted comma separates elements.
bool IniText::unescapeStringList(const char* str, int from, int to, QString& stringResult,
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

bool IniText::isPlainText(const char* p, int n)
{
    if (n == 0)
        return true;
    if (p[0] == ' ' || p[0] == '@' || p[n - 1] == ' ')
        return false;
    return std::all_of(p, p + n, [](char c) { return isPlainChar(uchar(c)); });
}

bool IniText::isPlainText(const QString& s)
{
    const int n = s.size();
    if (n == 0)
        return true;
    const QChar* u = s.unicode();
    if (u[0] == QLatin1Char(' ') || u[0] == QLatin1Char('@') || u[n - 1] == QLatin1Char(' '))
        return false;
    return std::all_of(u, u + n, [](QChar c) { return isPlainChar(c.unicode()); });
}

void IniText::appendNumber(qint64 value, QByteArray& out)
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
QString IniText::normalizedKey(const QString& key)
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
