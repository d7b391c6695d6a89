#pragma once

#include "macro/MouseCommandRows.h"

#include <QTreeWidget>

class QLineEdit;

// The "MOUSE COMMAND" tree: five click entries with "PRESS DOWN" and "BOUNCE UP" under each,
// and four movement entries with a distance field each. It only tells what an item stands for;
// the macro page decides what a click on it does.
class MouseCommandTree : public QTreeWidget
{
    Q_OBJECT
public:
    enum EntryKind
    {
        NoEntry,
        ClickEntry,
        ClickPartEntry,
        MoveEntry
    };
    struct Entry
    {
        EntryKind kind = NoEntry;
        quint8 mask = 0; // click entries and their children
        MouseCommandRows::ClickPart part = MouseCommandRows::WholeClick;
        MacroRows::Direction direction = MacroRows::MoveLeft; // movement entries
    };

    explicit MouseCommandTree(QWidget* parent = nullptr);

    Entry entry(const QTreeWidgetItem* item) const;
    // The distance typed into a movement entry's field; 0 when it holds none.
    int distance(MacroRows::Direction direction) const;
    QLineEdit* distanceField(MacroRows::Direction direction) const;
    QTreeWidgetItem* clickItem(quint8 mask) const;
    QTreeWidgetItem* moveItem(MacroRows::Direction direction) const;

    // A collapsed click entry opens and the others close.
    void expandOnly(QTreeWidgetItem* item);
    // Sizes the rows for the tree's font at `dScale`; set the font first.
    void setScale(double dScale);
    // The height that shows every entry with one click entry open.
    int fullHeight() const;
    void retranslate();

private:
    QVector<QTreeWidgetItem*> m_Clicks;
    QVector<QTreeWidgetItem*> m_Moves;
    QVector<QLineEdit*> m_Distances;
    static constexpr int kRowHeight = 18; // at scale 1.0
    static constexpr int kTypeSize = 12;  // pixels at scale 1.0, as the rest of the page
    int m_iRowHeight = kRowHeight;
};
