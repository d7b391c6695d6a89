#include "model/IniFileCheck.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace {
bool isLineSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\f' || c == '\v' || c == '\r' || c == '\n';
}

bool looksLikeIniText(const QByteArray& data)
{
    const char* p = data.constData();
    const char* const end = p + data.size();
    if (std::memchr(p, '\0', static_cast<size_t>(data.size())))
        return false;
    while (p < end) {
        while (p < end && isLineSpace(*p))
            ++p;
        if (p == end)
            break;
        const char* eol = p;
        while (eol < end && *eol != '\n' && *eol != '\r')
            ++eol;
        if (*p == '[' && !std::memchr(p, ']', static_cast<size_t>(eol - p)))
            return false;
        p = eol;
    }
    return true;
}
} // namespace

namespace {
enum class Verdict
{
    Missing,
    NotAFile,
    Unopenable,
    NotIni,
    Ini
};

Verdict inspect(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return Verdict::Missing;
    if (!info.isFile())
        return Verdict::NotAFile;
    if (info.size() > IniFileCheck::kMaxFileSize)
        return Verdict::NotIni;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Verdict::Unopenable;
    // The size is checked again on what is read: the file may have grown since.
    const QByteArray data = file.read(IniFileCheck::kMaxFileSize + 1);
    if (data.size() > IniFileCheck::kMaxFileSize || !looksLikeIniText(data))
        return Verdict::NotIni;
    return Verdict::Ini;
}
} // namespace

bool IniFileCheck::isReadable(const QString& path)
{
    return inspect(path) == Verdict::Ini;
}

bool IniFileCheck::prepareForWrite(const QString& path)
{
    switch (inspect(path)) {
    case Verdict::Missing:
    case Verdict::Ini:
        return true;
    case Verdict::NotIni:
        return QFile::remove(path);
    case Verdict::NotAFile:
    case Verdict::Unopenable:
        break;
    }
    // Neither replaced nor written: a folder, a device, or a file this user may not read.
    return false;
}
