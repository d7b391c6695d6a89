#include "buttons/ButtonMenus.h"

#include "buttons/KivoAction.h"
#include "model/FunctionCode.h"
#include "widgets/SkinStyleSheet.h"

#include <QMenu>

namespace {
using C = ButtonCatalogue;
const C::Menu kSubMenus[] = {C::BasicMenu, C::WindowsMenu, C::AdvanceMenu, C::MediaMenu,
                             C::DpiMenu,   C::ProfileMenu, C::RateMenu};
// Submenus in the order the button menu shows them; the profile menu is built but not placed.
const C::Menu kPlacedSubMenus[] = {C::BasicMenu, C::WindowsMenu, C::AdvanceMenu,
                                   C::MediaMenu, C::DpiMenu,     C::RateMenu};
} // namespace

ButtonMenus::ButtonMenus(QWidget* parent, double dScale) : QObject(parent), m_pParent(parent)
{
    m_pButtonMenu = new QMenu(parent);
    m_pButtonMenu->setObjectName("buttonMenu");
    m_pWheelMenu = new QMenu(parent);
    m_pWheelMenu->setObjectName("wheelMenu");
    for (C::Menu menu : kSubMenus) {
        QMenu* sub = new QMenu(parent);
        sub->setObjectName(QStringLiteral("subMenu%1").arg(int(menu)));
        m_SubMenus.insert(menu, sub);
    }
    for (const C::Entry& entry : C::entries()) {
        if (entry.menu == C::WheelOnly)
            continue;
        KivoAction* action = makeAction(entry.iCode, this);
        m_Actions.insert(entry.iCode, action);
        if (QMenu* sub = m_SubMenus.value(entry.menu))
            sub->addAction(action);
    }
    setScale(dScale);
}

KivoAction* ButtonMenus::makeAction(int iCode, QObject* owner)
{
    auto* action = new KivoAction(iCode, owner);
    connect(action, &QAction::triggered, this, &ButtonMenus::onTriggered);
    return action;
}

void ButtonMenus::setScale(double dScale)
{
    const QString style = SkinStyleSheet::menus(dScale, SkinStyleSheet::accent());
    m_pButtonMenu->setStyleSheet(style);
    m_pButtonMenu->setFixedWidth(qRound(160 * dScale));
    m_pWheelMenu->setStyleSheet(style);
    m_pWheelMenu->setFixedWidth(qRound(160 * dScale));
    for (QMenu* sub : qAsConst(m_SubMenus)) {
        sub->setStyleSheet(style);
        sub->setFixedWidth(qRound(147 * dScale));
    }
}

void ButtonMenus::rebuild(bool bDisableMacro, bool bLedDisable)
{
    for (auto it = m_SubMenus.begin(); it != m_SubMenus.end(); ++it)
        it.value()->setTitle(C::menuTitle(C::Menu(it.key())));
    for (KivoAction* action : qAsConst(m_Actions)) {
        const C::Entry* entry = C::find(action->code());
        action->setText(entry->label ? C::label(entry->iCode, false) : C::menuTitle(entry->menu));
    }

    m_pButtonMenu->clear();
    // "Button Off" comes last, after the model-dependent entries.
    for (const C::Entry& entry : C::menuEntries(C::TopMenu)) {
        if (entry.iCode != FunctionCode::ButtonOff)
            m_pButtonMenu->addAction(m_Actions.value(entry.iCode));
    }
    for (C::Menu menu : kPlacedSubMenus)
        m_pButtonMenu->addMenu(m_SubMenus.value(menu));
    if (!bDisableMacro)
        m_pButtonMenu->addAction(m_Actions.value(FunctionCode::Macro));
    if (!bLedDisable)
        m_pButtonMenu->addAction(m_Actions.value(FunctionCode::LedSwitch));
    m_pButtonMenu->addAction(m_Actions.value(FunctionCode::ButtonOff));

    // The wheel menu has its own entries, the click ones included, made afresh each time; the
    // menu owns them, so clearing it deletes the old ones.
    m_pWheelMenu->clear();
    m_WheelActions.clear();
    for (const C::Entry& entry : C::wheelEntries()) {
        KivoAction* action = makeAction(entry.iCode, m_pWheelMenu);
        action->setText(C::label(entry.iCode, true));
        m_WheelActions.append(action);
        m_pWheelMenu->addAction(action);
    }
}

void ButtonMenus::onTriggered()
{
    if (auto* action = qobject_cast<KivoAction*>(sender()))
        emit entryPicked(action->code());
}
