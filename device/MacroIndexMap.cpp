#include "device/MacroIndexMap.h"

int MacroIndexMap::indexFor(const QString& name)
{
    int index = 0;
    if (find(name, index))
        return index;
    index = size();
    m_Entries[index] = name;
    return index;
}

bool MacroIndexMap::find(const QString& name, int& iIndex) const
{
    for (const auto& entry : m_Entries) {
        if (entry.second == name) {
            iIndex = entry.first;
            return true;
        }
    }
    return false;
}

void MacroIndexMap::remove(const QString& name)
{
    for (auto it = m_Entries.begin(); it != m_Entries.end(); ++it) {
        if (it->second == name) {
            m_Entries.erase(it);
            return;
        }
    }
}
