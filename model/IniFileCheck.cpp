#include "model/IniFileCheck.h"

#include "model/FileStamp.h"

#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>

#include <algorithm>
#include <cstring>
#include <sys/stat.h>

namespace {
// The stream QSettings writes a variant into starts with the 32-bit type id; QColor is 67. A
// colour is its colour-model byte and five 16-bit fields (alpha, three components, padding).
constexpr unsigned char kColourTypeId = 67;
constexpr int kColourBytes = 4 + 1 + 5 * 2;
// QColor::Invalid to QColor::Hsl, the colour models a stream of this version carries.
constexpr unsigned char kLastColourSpec = 4;

const QByteArray kVariantOpen = QByteArrayLiteral("@Variant(");
// A text editor's byte order mark: QSettings reads on but reports a format error.
const QByteArray kByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");
// How much of a damaged file is searched for sound lines: one poisoned line larger than the
// limits must not take the lines after it along.
constexpr qint64 kMaxSalvageScan = 16 * 1024 * 1024;

bool isLineSpace(char c)
{
    return c == ' ' || c == '\t';
}

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    return (c | 0x20) - 'a' + 10;
}

// Undoes QSettings' value escapes the way its reader does, one list element after another
// (a comma outside quotes starts the next), refusing what its writer never produces: a reader
// that guesses differently from QSettings could let a variant through. Characters beyond
// Latin-1 come out as 0xFF so that they can never spell anything.
bool unescapeValue(const char* p, const char* end, QList<QByteArray>& elements)
{
    elements = {QByteArray()};
    bool quoted = false;
    while (p < end) {
        QByteArray& out = elements.last();
        const char c = *p++;
        if (c == '"') {
            quoted = !quoted;
            continue;
        }
        if (c == ',' && !quoted) {
            elements.append(QByteArray());
            continue;
        }
        if (c != '\\') {
            out.append(c);
            continue;
        }
        if (p == end)
            return false;
        const char e = *p++;
        int value = 0;
        if (e == 'x') {
            int digits = 0;
            while (p < end && isHexDigit(*p) && digits < 5) {
                value = value * 16 + hexValue(*p++);
                ++digits;
            }
            if (digits == 0 || digits > 4)
                return false;
        } else if (e == '0') {
            value = 0;
        } else {
            static const char kNamed[] = "a\ab\bf\fn\nr\rt\tv\v\"\"'\'??\\\\";
            const char* hit = std::strchr(kNamed, e);
            if (e == '\0' || !hit || (hit - kNamed) % 2 != 0)
                return false;
            value = static_cast<unsigned char>(hit[1]);
        }
        // QSettings writes a digit after a numeric escape escaped too; its reader would take a
        // bare one as part of the number.
        if ((e == 'x' || e == '0') && p < end && isHexDigit(*p))
            return false;
        out.append(static_cast<char>(value > 0xFF ? 0xFF : value));
    }
    return true;
}

bool isColourVariant(const QByteArray& value)
{
    if (value.size() != kVariantOpen.size() + kColourBytes + 1 || !value.startsWith(kVariantOpen) ||
        !value.endsWith(')'))
        return false;
    const auto* b = reinterpret_cast<const unsigned char*>(value.constData()) + kVariantOpen.size();
    return b[0] == 0 && b[1] == 0 && b[2] == 0 && b[3] == kColourTypeId && b[4] <= kLastColourSpec;
}

bool isSoundValue(const char* p, const char* end)
{
    const auto n = static_cast<size_t>(end - p);
    // Almost every value is a plain number or name: nothing to undo, nothing to deserialise.
    if (!std::memchr(p, '\\', n) && !std::memchr(p, '@', n))
        return true;
    QList<QByteArray> elements;
    if (!unescapeValue(p, end, elements))
        return false;
    // Every list element is deserialised on its own; only a colour standing alone is let in.
    // "@@" starts a text that itself starts with "@". A variant opening anywhere else in an
    // element would be taken as text, but is refused all the same.
    for (const QByteArray& e : elements) {
        if (e.contains(kVariantOpen) && !e.startsWith("@@") &&
            !(elements.size() == 1 && isColourVariant(e)))
            return false;
    }
    return true;
}

bool isKeyWordChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '%' || c == '.' || c == '-';
}

// Keys as QSettings writes them: printable ASCII, a group separator only between two word
// characters. It writes some other keys in a form it then reads differently (a key ending in a
// separator comes back with its value glued on).
bool isSoundKey(const char* p, const char* end)
{
    while (end > p && isLineSpace(end[-1]))
        --end;
    for (const char* q = p; q < end; ++q) {
        if (*q < ' ' || *q > '~')
            return false;
        if ((*q == '\\' || *q == '/') &&
            (q == p || q + 1 == end || !isKeyWordChar(q[-1]) || !isKeyWordChar(q[1])))
            return false;
    }
    return end > p;
}

// Follows QSettings' own line reader: a backslash takes the next character with it, quotes
// hide equals signs and semicolons and would carry the line on past its end, a semicolon
// outside quotes starts a comment. Keys with quotes or without a value are format errors to it.
bool isSoundLine(const char* p, const char* end)
{
    while (p < end && isLineSpace(*p))
        ++p;
    if (p == end || *p == ';')
        return true;
    // A trailing backslash continues the line onto the next one.
    if (end[-1] == '\\')
        return false;
    // A section header as QSettings writes one: "[name]", the name in escaped word characters.
    if (*p == '[') {
        const char* close = static_cast<const char*>(std::memchr(p, ']', size_t(end - p)));
        if (!close || close == p + 1 || !std::all_of(p + 1, close, isKeyWordChar))
            return false;
        return std::all_of(close + 1, end, isLineSpace);
    }
    bool quoted = false;
    const char* eq = nullptr;
    const char* stop = end;
    for (const char* q = p; q < end && stop == end; ++q) {
        if (*q == '\\')
            ++q;
        else if (*q == '"' && !eq)
            return false;
        else if (*q == '"')
            quoted = !quoted;
        else if (!quoted && *q == '=' && !eq)
            eq = q;
        else if (!quoted && *q == ';')
            stop = q;
    }
    return eq && !quoted && isSoundKey(p, eq) && isSoundValue(eq + 1, stop);
}

// What a line may grow to when QSettings writes it back: it escapes a byte outside plain
// ASCII as %XX in a key and as \xHH in a value.
int writtenSize(const char* p, const char* end)
{
    int size = 0;
    for (; p < end; ++p)
        size += (*p >= ' ' && *p <= '~') ? 1 : 4;
    return size;
}

bool isLineEnd(char c)
{
    return c == '\n' || c == '\r';
}

// Calls `line` for every line of `data` with its bounds; stops at the first false.
template <class Line> bool forEachLine(const QByteArray& data, Line&& line)
{
    const char* p = data.constData();
    const char* const end = p + data.size();
    while (p < end) {
        const char* eol = p;
        while (eol < end && !isLineEnd(*eol))
            ++eol;
        if (!line(p, eol))
            return false;
        p = eol;
        while (p < end && isLineEnd(*p))
            ++p;
    }
    return true;
}
} // namespace

QVariant IniFileCheck::colourValue(const char* p, const char* end)
{
    QList<QByteArray> elements;
    if (!unescapeValue(p, end, elements) || elements.size() != 1 || !isColourVariant(elements[0]))
        return {};
    const QByteArray& text = elements[0];
    QByteArray bytes = text.mid(kVariantOpen.size(), text.size() - kVariantOpen.size() - 1);
    // The stream version QSettings reads its variants with.
    QDataStream stream(&bytes, QIODevice::ReadOnly);
    stream.setVersion(QDataStream::Qt_4_0);
    QVariant colour;
    stream >> colour;
    return stream.status() == QDataStream::Ok ? colour : QVariant();
}

IniFileCheck::Limits IniFileCheck::limitsFor(const QString& path)
{
    if (path.endsWith(QLatin1String(".conf"), Qt::CaseInsensitive))
        return {kMaxFileSize, 65536, 4096};
    if (path.endsWith(QLatin1String(".prof"), Qt::CaseInsensitive))
        return {1024 * 1024, 32768, 1024};
    if (path.endsWith(QLatin1String(".MSMACRO"), Qt::CaseInsensitive))
        return {512 * 1024, 32768, 1024};
    return {64 * 1024, 2048, 256};
}

namespace {
int listSeparators(const char* p, const char* end)
{
    return int(std::count(p, end, ','));
}
} // namespace

bool IniFileCheck::isSoundText(const QByteArray& data, const Limits& limits)
{
    if (data.size() > limits.bytes || std::memchr(data.constData(), '\0', size_t(data.size())) ||
        data.startsWith(kByteOrderMark))
        return false;
    int lines = 0;
    int separators = 0;
    return forEachLine(data, [&](const char* p, const char* end) {
        separators += listSeparators(p, end);
        return ++lines <= limits.lines && separators <= limits.listElements && isSoundLine(p, end);
    });
}

QByteArray IniFileCheck::salvage(const QByteArray& data, const Limits& fileLimits)
{
    // Half the limits: the program's own keys are written into the salvaged file next, and
    // together they must still pass.
    const Limits limits = {fileLimits.bytes / 2, fileLimits.lines / 2, fileLimits.listElements / 2};
    QByteArray kept;
    kept.reserve(int(qMin<qint64>(data.size(), limits.bytes)));
    int lines = 0;
    int separators = 0;
    qint64 written = 0;
    const QByteArray text =
        data.startsWith(kByteOrderMark) ? data.mid(kByteOrderMark.size()) : data;
    forEachLine(text, [&](const char* p, const char* end) {
        const int length = int(end - p);
        if (length > limits.bytes)
            return true;
        const int commas = listSeparators(p, end);
        if (!std::memchr(p, '\0', size_t(length)) && isSoundLine(p, end) &&
            separators + commas <= limits.listElements) {
            written += writtenSize(p, end) + 1;
            if (written > limits.bytes || lines == limits.lines)
                return false;
            kept.append(p, length);
            kept.append('\n');
            ++lines;
            separators += commas;
        }
        return true;
    });
    return kept;
}

namespace {
// Files known to be sound, by path, as they were when they were known so. The writer thread
// saves files too.
struct SoundFiles
{
    QMutex mutex;
    QHash<QString, FileStamp> stamps;

    bool contains(const QString& path, const FileStamp& stamp)
    {
        const QMutexLocker lock(&mutex);
        const auto it = stamps.constFind(path);
        return stamp.size >= 0 && it != stamps.cend() && *it == stamp;
    }
    void insert(const QString& path, const FileStamp& stamp)
    {
        const QMutexLocker lock(&mutex);
        if (stamp.size >= 0)
            stamps.insert(path, stamp);
        else
            stamps.remove(path);
    }
};

SoundFiles& soundFiles()
{
    static SoundFiles files;
    return files;
}

// What was read last on this thread, its memory kept for the next read once nobody holds it:
// a profile file is a few hundred KB, and fresh memory of that size costs a page fault a page.
QByteArray readInto(QFile& file, qint64 size)
{
    thread_local QByteArray spare;
    QByteArray data;
    if (spare.isDetached())
        data.swap(spare);
    data.resize(int(size));
    const qint64 n = size > 0 ? file.read(data.data(), size) : 0;
    data.resize(int(qMax<qint64>(0, n)));
    spare = data;
    return data;
}
} // namespace

void IniFileCheck::markSound(const QString& path)
{
    QFile file(path);
    soundFiles().insert(path, file.open(QIODevice::ReadOnly) ? FileStamp::of(file.handle())
                                                             : FileStamp());
}

IniFileCheck::Verdict IniFileCheck::inspect(const QString& path, QByteArray* content)
{
    const QFileInfo info(path);
    if (!info.exists())
        return Verdict::Missing;
    if (!info.isFile())
        return Verdict::NotAFile;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return Verdict::Unopenable;
    const FileStamp stamp = FileStamp::of(file.handle());
    if (!content && soundFiles().contains(path, stamp))
        return Verdict::Sound;
    // Read rather than trust the size: the file may have grown since. One byte more than it
    // says tells whether it did.
    const Limits limits = limitsFor(path);
    QByteArray data = readInto(file, qMin(limits.bytes, qMax<qint64>(0, stamp.size)) + 1);
    if (data.size() > stamp.size && data.size() <= limits.bytes)
        data += file.read(limits.bytes + 1 - data.size());
    // Unchanged since it was found sound, or since this process wrote it.
    const bool known = data.size() == stamp.size && soundFiles().contains(path, stamp);
    const bool sound = known || isSoundText(data, limits);
    if (sound && !known)
        soundFiles().insert(path, stamp);
    if (content && !sound) {
        data += file.read(kMaxSalvageScan - data.size());
        // A line cut short by the end of what was read is no line of the file.
        if (!file.atEnd())
            data.truncate(qMax(data.lastIndexOf('\n'), data.lastIndexOf('\r')) + 1);
    }
    if (content)
        *content = data;
    return sound ? Verdict::Sound : Verdict::Damaged;
}
