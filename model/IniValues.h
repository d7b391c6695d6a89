#pragma once

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QVariant>

// The values of a checked INI text (see IniFileCheck), read in one pass. A profile file holds
// eleven thousand keys, and QSettings takes several times longer to parse them than this does;
// the window waits for the active profile before it shows. Only the lines QSettings itself
// writes for plain numbers and names, and colours, are taken: a text with anything else
// (quotes, escapes, lists, spaces around a key or value, a key twice) is left to QSettings,
// so that both always read the same.
class IniValues
{
public:
    explicit IniValues(const QByteArray& soundText);

    // False when the text holds a line this reader leaves to QSettings; no value is kept then.
    bool isComplete() const { return m_bComplete; }
    // `key` as QSettings takes it: "GROUP/name"; keys of a [General] section or of no section
    // have no group.
    QVariant value(const QString& key, const QVariant& def = QVariant()) const;

private:
    bool addLine(const char* p, const char* end);

    QHash<QString, QVariant> m_Values;
    QString m_Group;
    QSet<QString> m_Groups;
    bool m_bComplete = true;
};
