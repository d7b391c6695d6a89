#pragma once

#include "buttons/ButtonCatalogue.h"

#include <QHash>
#include <QObject>
#include <QVector>

class KivoAction;
class QMenu;
class QWidget;

// The button menu of the first two button sets and the wheel menu, built from the catalogue.
// Every entry is a KivoAction; picking any of them emits entryPicked with its code.
class ButtonMenus : public QObject
{
    Q_OBJECT
public:
    ButtonMenus(QWidget* parent, double dScale);

    QMenu* buttonMenu() const { return m_pButtonMenu; }
    QMenu* wheelMenu() const { return m_pWheelMenu; }
    QMenu* subMenu(ButtonCatalogue::Menu menu) const { return m_SubMenus.value(menu); }
    // The entry for a code in the button menu's set of actions (hidden ones included).
    KivoAction* action(int iCode) const { return m_Actions.value(iCode); }

    // Titles and texts in the current language, then the button menu afresh: the macro and
    // lighting entries only where the model has them. The wheel menu is rebuilt too.
    void rebuild(bool bDisableMacro, bool bLedDisable);
    void setScale(double dScale);

signals:
    void entryPicked(int iCode);

private:
    KivoAction* makeAction(int iCode, QObject* owner);
    void onTriggered();

    QWidget* m_pParent;
    QMenu* m_pButtonMenu = nullptr;
    QMenu* m_pWheelMenu = nullptr;
    QHash<int, QMenu*> m_SubMenus;     // by ButtonCatalogue::Menu
    QHash<int, KivoAction*> m_Actions; // by code
    QVector<KivoAction*> m_WheelActions;
};
