#include "model/IniKeySet.h"

#include "model/IniText.h"

#include <algorithm>

IniKeySet::IniKeySet(const QVector<QString>& keys)
{
    m_Keys.reserve(size_t(keys.size()));
    for (const QString& key : keys) {
        Key k;
        k.text = IniText::normalizedKey(key);
        k.slash = k.text.indexOf(QLatin1Char('/'));
        const QChar* u = k.text.constData();
        const int n = k.text.size();
        if (n > 0 && std::all_of(u, u + n, [](QChar c) { return c.unicode() <= 0xFF; }))
            k.latin1 = k.text.toLatin1();
        IniText::escapeKey(u + k.slash + 1, n - k.slash - 1, k.escapedName);
        if (!k.latin1.isEmpty() && k.slash >= 0) {
            const QByteArray section = k.latin1.left(k.slash);
            auto it = std::find(m_Sections.begin(), m_Sections.end(), section);
            if (it == m_Sections.end())
                it = m_Sections.insert(m_Sections.end(), section);
            k.section = it->constData();
        }
        m_Keys.push_back(std::move(k));
    }
}
