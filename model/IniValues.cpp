#include "model/IniValues.h"

#include "model/IniFileCheck.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace {
bool isNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '.' || c == '-';
}

// Printable ASCII that QSettings neither escapes nor quotes when it writes a text, and reads
// back as it stands.
bool isPlainValueChar(char c)
{
    return c >= ' ' && c <= '~' && !std::strchr("\\\";,=@#", c);
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t';
}
} // namespace

IniValues::IniValues(const QByteArray& soundText) : m_Text(soundText)
{
    const int lines = int(soundText.count('\n')) + 1;
    m_Entries.reserve(size_t(lines));
    m_Keys.reserve(size_t(soundText.size()) + size_t(lines) * 16);
    const char* p = m_Text.constData();
    const char* const end = p + m_Text.size();
    while (p < end && m_bComplete) {
        const char* eol = p;
        while (eol < end && *eol != '\n' && *eol != '\r')
            ++eol;
        m_bComplete = addLine(p, eol);
        p = eol;
        while (p < end && (*p == '\n' || *p == '\r'))
            ++p;
    }
    if (m_bComplete)
        m_bComplete = buildTable();
    if (!m_bComplete) {
        m_Entries.clear();
        m_Colours.clear();
        m_Table.clear();
    }
}

// Open addressing over the entries, at most half full. False when a key is given twice: which
// one QSettings keeps is its own affair.
bool IniValues::buildTable()
{
    size_t size = 16;
    while (size < m_Entries.size() * 2)
        size *= 2;
    m_Table.assign(size, -1);
    for (int i = 0; i < int(m_Entries.size()); ++i) {
        const std::string_view key = keyOf(m_Entries[size_t(i)]);
        size_t slot = std::hash<std::string_view>{}(key) & (size - 1);
        for (; m_Table[slot] >= 0; slot = (slot + 1) & (size - 1)) {
            if (keyOf(m_Entries[size_t(m_Table[slot])]) == key)
                return false;
        }
        m_Table[slot] = i;
    }
    return true;
}

std::string_view IniValues::keyOf(const Entry& entry) const
{
    return std::string_view(m_Keys.data() + entry.key, size_t(entry.keyLength));
}

bool IniValues::addLine(const char* p, const char* end)
{
    if (p == end || *p == ';')
        return true;
    if (*p == '[') {
        const QByteArray name(p + 1, int(end - p) - 2);
        if (end[-1] != ']' || name.isEmpty() || !std::all_of(name.begin(), name.end(), isNameChar))
            return false;
        // QSettings files a [General] section's keys under no group.
        if (name.compare("general", Qt::CaseInsensitive) == 0)
            return false;
        m_Group.assign(name.constData(), size_t(name.size()));
        m_Group += '/';
        // A section given twice is merged by QSettings; left to it.
        if (std::find(m_Groups.begin(), m_Groups.end(), m_Group) != m_Groups.end())
            return false;
        m_Groups.push_back(m_Group);
        return true;
    }
    const char* eq = static_cast<const char*>(std::memchr(p, '=', size_t(end - p)));
    if (!eq || eq == p || isSpace(eq[-1]))
        return false;
    if (!std::all_of(p, eq, [](char c) { return isNameChar(c) || c == '\\' || c == '/'; }))
        return false;
    Entry entry;
    entry.key = int(m_Keys.size());
    m_Keys += m_Group;
    // QSettings takes either slash as the separator of groups within a key.
    for (const char* k = p; k < eq; ++k)
        m_Keys += *k == '\\' ? '/' : *k;
    entry.keyLength = int(m_Keys.size()) - entry.key;
    const char* v = eq + 1;
    if (v < end && *v == '@') {
        const QVariant colour = IniFileCheck::colourValue(v, end);
        if (!colour.isValid())
            return false;
        entry.value = m_Colours.size();
        entry.valueLength = -1;
        m_Colours.append(colour);
    } else {
        if (v < end && (isSpace(*v) || isSpace(end[-1])))
            return false;
        if (!std::all_of(v, end, isPlainValueChar))
            return false;
        entry.value = int(v - m_Text.constData());
        entry.valueLength = int(end - v);
    }
    m_Entries.push_back(entry);
    return true;
}

QVariant IniValues::value(const QString& key, const QVariant& def) const
{
    if (m_Table.empty())
        return def;
    const QByteArray wanted = key.toLatin1();
    const std::string_view name(wanted.constData(), size_t(wanted.size()));
    const size_t mask = m_Table.size() - 1;
    for (size_t slot = std::hash<std::string_view>{}(name)&mask; m_Table[slot] >= 0;
         slot = (slot + 1) & mask) {
        const Entry& entry = m_Entries[size_t(m_Table[slot])];
        if (keyOf(entry) != name)
            continue;
        if (entry.valueLength < 0)
            return m_Colours.at(entry.value);
        return QString::fromLatin1(m_Text.constData() + entry.value, entry.valueLength);
    }
    return def;
}
