#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <QVector>

#include <string>
#include <string_view>
#include <vector>

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
    // Offsets, not pointers: the keys and the text are only read once the parse is over. The
    // window waits for the active profile's eleven thousand lines before its first frame, and
    // one allocation per key is what took the time there.
    struct Entry
    {
        int key; // into m_Keys, m_Keys[key + keyLength] ends it
        int keyLength;
        int value; // into m_Text; a colour's index into m_Colours when valueLength < 0
        int valueLength;
    };

    bool addLine(const char* p, const char* end);
    bool buildTable();
    std::string_view keyOf(const Entry& entry) const;

    QByteArray m_Text;
    std::string m_Keys; // every key in full, "GROUP/name", one after the other
    std::string m_Group;
    std::vector<std::string> m_Groups;
    std::vector<Entry> m_Entries;
    std::vector<int> m_Table; // indices into m_Entries by the hash of their key; -1: free
    QVector<QVariant> m_Colours;
    bool m_bComplete = true;
};
