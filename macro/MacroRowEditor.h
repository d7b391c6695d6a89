#pragma once

#include "model/MacroEvent.h"

#include <QVector>

// The event list being edited and its current row, with the editor's row commands. Inserted
// rows go right after the current row and the last of them becomes current. No command lets
// the list grow beyond MacroRows::kMaxRows; a command that would is refused whole.
class MacroRowEditor
{
public:
    enum Command
    {
        DeleteRow,
        MoveUp,
        MoveDown,
        MoveTop,
        MoveBottom,
        Clear
    };

    const QVector<MacroEvent>& rows() const { return m_Rows; }
    QVector<MacroEvent>& rows() { return m_Rows; }
    int count() const { return m_Rows.size(); }
    // -1 when the list is empty or nothing is selected.
    int current() const { return m_iCurrent; }
    const MacroEvent* currentRow() const;

    // The rows as loaded or saved: edits since then make the list modified.
    void setRows(const QVector<MacroEvent>& rows);
    bool isModified() const { return m_Rows != m_Saved; }
    void markSaved() { m_Saved = m_Rows; }
    // Bounded to the list; -1 selects nothing.
    void setCurrent(int iRow);
    // The last row becomes current (after a recorded row was appended).
    void selectLast();

    // False when the command changed nothing (empty list, already at the edge).
    bool apply(Command command);
    // False, nothing inserted, when the rows would not fit.
    bool insert(const QVector<MacroEvent>& rows);
    bool replaceCurrent(const MacroEvent& row);

    // The row clipboard. Copy and cut take the selected rows in list order (the current row
    // when none is given); paste inserts them after the current row.
    bool copy(const QVector<int>& selected = {});
    bool cut(const QVector<int>& selected = {});
    bool paste();

private:
    QVector<int> chosenRows(const QVector<int>& selected) const;
    bool moveCurrentTo(int iTarget);

    QVector<MacroEvent> m_Rows;
    QVector<MacroEvent> m_Saved;
    QVector<MacroEvent> m_Clipboard;
    int m_iCurrent = -1;
};
