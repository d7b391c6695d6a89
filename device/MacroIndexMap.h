#pragma once

#include <QString>

#include <map>

// Which macro the mouse stores at which index. Indexes are handed out in the order the button
// encoding meets the macros, so two buttons with the same macro share one index and one block.
class MacroIndexMap
{
public:
    void clear() { m_Entries.clear(); }
    int size() const { return int(m_Entries.size()); }
    bool isEmpty() const { return m_Entries.empty(); }

    // The name's index, assigning the next free one when the name is not yet present.
    int indexFor(const QString& name);
    // False when the name is absent.
    bool find(const QString& name, int& iIndex) const;
    void remove(const QString& name);
    const std::map<int, QString>& entries() const { return m_Entries; }

private:
    std::map<int, QString> m_Entries;
};
