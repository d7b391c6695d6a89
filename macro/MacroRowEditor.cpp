#include "macro/MacroRowEditor.h"

#include "macro/MacroRows.h"

#include <algorithm>

const MacroEvent* MacroRowEditor::currentRow() const
{
    return m_iCurrent >= 0 && m_iCurrent < m_Rows.size() ? &m_Rows.at(m_iCurrent) : nullptr;
}

void MacroRowEditor::setRows(const QVector<MacroEvent>& rows)
{
    m_Rows = rows;
    m_Saved = rows;
    m_iCurrent = -1;
}

void MacroRowEditor::setCurrent(int iRow)
{
    m_iCurrent = (iRow >= 0 && iRow < m_Rows.size()) ? iRow : -1;
}

void MacroRowEditor::selectLast()
{
    m_iCurrent = m_Rows.size() - 1;
}

bool MacroRowEditor::moveCurrentTo(int iTarget)
{
    if (m_iCurrent < 0 || iTarget < 0 || iTarget >= m_Rows.size() || iTarget == m_iCurrent)
        return false;
    m_Rows.move(m_iCurrent, iTarget);
    m_iCurrent = iTarget;
    return true;
}

bool MacroRowEditor::apply(Command command)
{
    if (m_Rows.isEmpty())
        return false;
    switch (command) {
    case Clear:
        m_Rows.clear();
        m_iCurrent = -1;
        return true;
    case DeleteRow:
        if (m_iCurrent < 0)
            return false;
        m_Rows.remove(m_iCurrent);
        // The row that moved into the place, or the new last row.
        m_iCurrent = qMin(m_iCurrent, m_Rows.size() - 1);
        return true;
    case MoveUp:
        return moveCurrentTo(m_iCurrent - 1);
    case MoveDown:
        return m_iCurrent >= 0 && moveCurrentTo(m_iCurrent + 1);
    case MoveTop:
        return moveCurrentTo(0);
    case MoveBottom:
        return moveCurrentTo(m_Rows.size() - 1);
    }
    return false;
}

bool MacroRowEditor::insert(const QVector<MacroEvent>& rows)
{
    if (rows.isEmpty() || m_Rows.size() + rows.size() > MacroRows::kMaxRows)
        return false;
    int at = m_iCurrent < 0 ? m_Rows.size() : m_iCurrent + 1;
    for (const MacroEvent& row : rows)
        m_Rows.insert(at++, row);
    m_iCurrent = at - 1;
    return true;
}

bool MacroRowEditor::replaceCurrent(const MacroEvent& row)
{
    if (m_iCurrent < 0)
        return false;
    m_Rows[m_iCurrent] = row;
    return true;
}

QVector<int> MacroRowEditor::chosenRows(const QVector<int>& selected) const
{
    QVector<int> chosen;
    for (int i : selected.isEmpty() ? QVector<int>{m_iCurrent} : selected) {
        if (i >= 0 && i < m_Rows.size() && !chosen.contains(i))
            chosen.append(i);
    }
    std::sort(chosen.begin(), chosen.end());
    return chosen;
}

bool MacroRowEditor::copy(const QVector<int>& selected)
{
    const QVector<int> chosen = chosenRows(selected);
    if (chosen.isEmpty())
        return false;
    m_Clipboard.clear();
    for (int i : chosen)
        m_Clipboard.append(m_Rows.at(i));
    return true;
}

bool MacroRowEditor::cut(const QVector<int>& selected)
{
    const QVector<int> chosen = chosenRows(selected);
    if (!copy(chosen))
        return false;
    for (int k = chosen.size() - 1; k >= 0; --k)
        m_Rows.remove(chosen.at(k));
    m_iCurrent = m_Rows.isEmpty() ? -1 : qMin(chosen.first(), m_Rows.size() - 1);
    return true;
}

bool MacroRowEditor::paste()
{
    return insert(m_Clipboard);
}
