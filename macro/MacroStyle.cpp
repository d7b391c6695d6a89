#include "macro/MacroStyle.h"

#include "model/AppSettings.h"

#include <QWidget>

QString MacroStyle::sheet(double dScale)
{
    const QString accent = AppSettings::accentColor(AppSettings::accentColorId()).name();
    const int r = qMax(1, qRound(2 * dScale));
    const int box = qMax(10, qRound(12 * dScale));
    return QStringLiteral(
               "QLabel, QCheckBox, QRadioButton { color: #d6dbe2; background: transparent; }"
               "QLabel#caption { color: #8d96a2; }"
               "QLabel#hint { color: #c9a86a; font-size: %6px; }"
               "QLineEdit, QSpinBox, QComboBox { color: #e8ecf1; background: #15181c;"
               " border: 1px solid #3b414a; border-radius: %2px; padding: 0 %2px; }"
               "QLineEdit:disabled, QCheckBox:disabled, QRadioButton:disabled { color: #5a626d; }"
               "QComboBox QAbstractItemView { color: #e8ecf1; background: #15181c;"
               " selection-background-color: %1; }"
               "QListWidget, QTreeWidget { color: #d6dbe2; background: #15181c;"
               " border: 1px solid #3b414a; outline: 0; }"
               "QListWidget::item:selected, QTreeWidget::item:selected { background: %1;"
               " color: #ffffff; }"
               "QHeaderView::section { color: #8d96a2; background: #1f2329; border: 0;"
               " border-right: 1px solid #3b414a; padding: 0 %2px; }"
               "QCheckBox::indicator, QRadioButton::indicator, QListWidget::indicator {"
               " width: %3px; height: %3px; border: 1px solid #8d96a2; background: #15181c; }"
               "QRadioButton::indicator { border-radius: %5px; }"
               "QCheckBox::indicator:checked, QRadioButton::indicator:checked,"
               " QListWidget::indicator:checked { background: %1; border-color: #ffffff; }"
               "QScrollBar:vertical { background: #15181c; width: %4px; }"
               "QScrollBar::handle:vertical { background: #3b414a; min-height: %4px; }"
               "QScrollBar::add-line, QScrollBar::sub-line { height: 0; }")
        .arg(accent)
        .arg(r)
        .arg(box)
        .arg(qRound(8 * dScale))
        .arg(box / 2)
        .arg(qRound(11 * dScale));
}

void MacroStyle::placeScaled(QWidget* widget, int x, int y, int w, int h, double dScale)
{
    widget->setGeometry(qRound(x * dScale), qRound(y * dScale), qRound(w * dScale),
                        qRound(h * dScale));
}
