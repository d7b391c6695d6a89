#pragma once

#include "model/MacroEvent.h"

#include <QTreeWidget>

// The event list as the user sees it: one line per row with the row's icon and the columns
// "KEY", "ACTION" and "DELAY(ms)".
class MacroEventView : public QTreeWidget
{
    Q_OBJECT
public:
    explicit MacroEventView(QWidget* parent = nullptr);

    // Rebuilds the lines and selects `iCurrent` (-1: none) without emitting a change.
    void setRows(const QVector<MacroEvent>& rows, int unit, int iCurrent);
    void setScale(double dScale);
    void retranslate();
    // Selected rows in list order.
    QVector<int> selectedRows() const;

private:
    QVector<MacroEvent> m_Rows;
    int m_iUnit = 1;
};
