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

bool IniFileCheck::isReadable(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxFileSize)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // The size is checked again on what is read: the file may have grown since.
    const QByteArray data = file.read(kMaxFileSize + 1);
    return data.size() <= kMaxFileSize && looksLikeIniText(data);
}

bool IniFileCheck::prepareForWrite(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return true;
    if (!info.isFile())
        return false;
    if (isReadable(path))
        return true;
    return QFile::remove(path);
}
