#include "app/profiles/SlotSelector.h"

#include "app/profiles/ProfileActions.h"
#include "app/window/UnappliedEdits.h"
#include "model/GlobalRecords.h"

#include <QLineEdit>

SlotSelector::SlotSelector(MainControls* controls, ProfileActions* actions, UnappliedEdits* edits,
                           QObject* parent)
    : QObject(parent), m_pControls(controls), m_pActions(actions), m_pEdits(edits)
{
    connect(controls, &MainControls::slotChosen, this, &SlotSelector::choose);
    connect(controls, &MainControls::profileChosen, this, &SlotSelector::assign);
    connect(controls->profileName(), &QLineEdit::returnPressed, this,
            [this] { m_pActions->renameProfile(m_pControls->profileName()->text()); });
}

int SlotSelector::currentSlot() const
{
    return GlobalRecords::live().ProfileID % MouseConfig::kProfileCount;
}

bool SlotSelector::replacing(const std::function<bool()>& operation)
{
    return m_pEdits->confirmLeave() && operation();
}

bool SlotSelector::choose(int iSlot)
{
    if (iSlot < 0 || iSlot >= MainControls::kSlotCount)
        return false;
    // A click checks the clicked button itself; the mark belongs to the current slot, also
    // while the user is asked.
    m_pControls->checkSlot(currentSlot());
    bool bDone;
    if (iSlot == currentSlot() && m_pEdits->hasEdits()) {
        // The slot is already there; showing it again would only drop the edits.
        bDone = true;
    } else {
        bDone = replacing([this, iSlot] { return m_pActions->selectSlot(iSlot); });
    }
    m_pControls->checkSlot(currentSlot());
    return bDone && currentSlot() == iSlot;
}

bool SlotSelector::assign(const QString& name)
{
    return replacing([this, name] { return m_pActions->assignProfile(name); });
}

bool SlotSelector::handle(MainControls::Action action, QObject* button)
{
    ProfileActions* a = m_pActions;
    const QString field = m_pControls->profileName()->text();
    switch (action) {
    case MainControls::SlotAction:
        choose(m_pControls->slotIndex(button));
        return true;
    case MainControls::ResetAllAction:
        a->resetAll();
        return true;
    case MainControls::LoadAction:
        replacing([a] { return a->loadConfiguration(); });
        return true;
    case MainControls::SaveAction:
        a->saveConfiguration();
        return true;
    case MainControls::AddAction:
        replacing([a] { return a->addProfile(); });
        return true;
    case MainControls::CopyAction:
        a->copyProfile();
        return true;
    case MainControls::DeleteAction:
        replacing([a, field] { return a->deleteProfile(field); });
        return true;
    case MainControls::ResetAction:
        a->resetProfile();
        return true;
    case MainControls::ImportAction:
        replacing([a] { return a->importProfile(); });
        return true;
    case MainControls::ExportAction:
        a->exportProfile();
        return true;
    default:
        return false;
    }
}
