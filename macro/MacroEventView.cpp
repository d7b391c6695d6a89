#include "macro/MacroEventView.h"

#include "macro/MacroRowText.h"
#include "model/AppPaths.h"

#include <QHeaderView>
#include <QSignalBlocker>

#include <algorithm>

MacroEventView::MacroEventView(QWidget* parent) : QTreeWidget(parent)
{
    setColumnCount(3);
    setRootIsDecorated(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(true);
    retranslate();
}

void MacroEventView::retranslate()
{
    setHeaderLabels({tr("KEY"), tr("ACTION"), tr("DELAY(ms)")});
    setRows(m_Rows, m_iUnit, indexOfTopLevelItem(currentItem()));
}

void MacroEventView::setScale(double dScale)
{
    setIconSize(QSize(qRound(16 * dScale), qRound(16 * dScale)));
    header()->resizeSection(0, qRound(118 * dScale));
    header()->resizeSection(1, qRound(64 * dScale));
}

void MacroEventView::setRows(const QVector<MacroEvent>& rows, int unit, int iCurrent)
{
    const QSignalBlocker blocker(this);
    const QSignalBlocker modelBlocker(selectionModel());
    m_Rows = rows;
    m_iUnit = unit;
    clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(rows.size());
    for (const MacroEvent& row : rows) {
        const MacroRowText::Texts t = MacroRowText::texts(row, unit);
        auto* item = new QTreeWidgetItem({t.key, t.action, t.delay});
        const QString icon = MacroRowText::iconFile(row);
        if (!icon.isEmpty())
            item->setIcon(0, QIcon(AppPaths::skinDir() + "/" + icon));
        items.append(item);
    }
    addTopLevelItems(items);
    if (iCurrent >= 0 && iCurrent < items.size()) {
        setCurrentItem(items.at(iCurrent));
        scrollToItem(items.at(iCurrent));
    }
}

QVector<int> MacroEventView::selectedRows() const
{
    QVector<int> result;
    for (QTreeWidgetItem* item : selectedItems())
        result.append(indexOfTopLevelItem(item));
    std::sort(result.begin(), result.end());
    return result;
}
