#pragma once

#include <QColor>
#include <QString>
#include <QVariant>

#include <memory>

class SettingsFile;

// One read-only look at an INI file, dropped (and the file closed) at the end of each read.
// Reads accept hand-written UTF-8. Only the sound lines of a damaged file are read (see
// SettingsFile); a key on any other line reads as absent, so the callers' defaults apply.
class IniReader
{
public:
    // group: read keys below this group (empty: from the top).
    explicit IniReader(const QString& path, const QString& group = QString());
    ~IniReader();

    bool isOpen() const;
    QVariant value(const QString& key) const;
    // Absent or not a number: def.
    int toInt(const QString& key, int def = 0) const;
    quint8 toByte(const QString& key, int def = 0) const
    {
        return static_cast<quint8>(toInt(key, def) & 0xFF);
    }
    QString toText(const QString& key) const { return value(key).toString(); }
    // Absent or not a colour: an invalid colour.
    QColor toColour(const QString& key) const;

private:
    std::unique_ptr<SettingsFile> m_file;
};
