#include "model/IniValues.h"

#include "model/IniFileCheck.h"

#include <algorithm>
#include <cstring>

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

IniValues::IniValues(const QByteArray& soundText)
{
    m_Values.reserve(soundText.count('\n') + 1);
    const char* p = soundText.constData();
    const char* const end = p + soundText.size();
    while (p < end && m_bComplete) {
        const char* eol = p;
        while (eol < end && *eol != '\n' && *eol != '\r')
            ++eol;
        m_bComplete = addLine(p, eol);
        p = eol;
        while (p < end && (*p == '\n' || *p == '\r'))
            ++p;
    }
    if (!m_bComplete)
        m_Values.clear();
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
        m_Group = QString::fromLatin1(name) + QLatin1Char('/');
        // A section given twice is merged by QSettings; left to it.
        const int before = m_Groups.size();
        m_Groups.insert(m_Group);
        return m_Groups.size() > before;
    }
    const char* eq = static_cast<const char*>(std::memchr(p, '=', size_t(end - p)));
    if (!eq || eq == p || isSpace(eq[-1]))
        return false;
    if (!std::all_of(p, eq, [](char c) { return isNameChar(c) || c == '\\' || c == '/'; }))
        return false;
    // QSettings takes either slash as the separator of groups within a key.
    QString key = m_Group + QLatin1String(p, int(eq - p));
    key.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const char* v = eq + 1;
    QVariant value;
    if (v < end && *v == '@') {
        value = IniFileCheck::colourValue(v, end);
        if (!value.isValid())
            return false;
    } else {
        if (v < end && (isSpace(*v) || isSpace(end[-1])))
            return false;
        if (!std::all_of(v, end, isPlainValueChar))
            return false;
        value = QString::fromLatin1(v, int(end - v));
    }
    // A key given twice: which one QSettings keeps is its own affair.
    const int before = m_Values.size();
    m_Values.insert(key, value);
    return m_Values.size() > before;
}

QVariant IniValues::value(const QString& key, const QVariant& def) const
{
    return m_Values.value(key, def);
}
