#include "model/IniReader.h"

#include "model/IniFileCheck.h"

#include <QSettings>

IniReader::IniReader(const QString& path, const QString& group)
{
    if (!IniFileCheck::isReadable(path))
        return;
    m_settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    m_settings->setIniCodec("UTF-8");
    if (!group.isEmpty())
        m_settings->beginGroup(group);
}

IniReader::~IniReader() = default;

QVariant IniReader::value(const QString& key) const
{
    return m_settings ? m_settings->value(key) : QVariant();
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
