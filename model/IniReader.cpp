#include "model/IniReader.h"

#include "model/SettingsFile.h"

IniReader::IniReader(const QString& path, const QString& group)
    : m_file(std::make_unique<SettingsFile>(path))
{
    (*m_file)->setIniCodec("UTF-8");
    if (!group.isEmpty())
        (*m_file)->beginGroup(group);
}

IniReader::~IniReader() = default;

bool IniReader::isOpen() const
{
    return m_file->isOpen();
}

QVariant IniReader::value(const QString& key) const
{
    return m_file->settings().value(key);
}

int IniReader::toInt(const QString& key, int def) const
{
    const QVariant v = value(key);
    if (!v.isValid())
        return def;
    bool ok = false;
    const int result = v.toInt(&ok);
    return ok ? result : def;
}

QColor IniReader::toColour(const QString& key) const
{
    const QVariant v = value(key);
    return v.canConvert<QColor>() ? v.value<QColor>() : QColor();
}
