#pragma once

#include "app/window/MainControls.h"

#include <QObject>

class ProfileActions;
class UnappliedEdits;

// The profile area as the user works it: the five slot buttons, of which the current slot's is
// checked, the current slot's name beside its menu of stored profiles and profile operations,
// and the buttons that load, save and reset configurations. Whatever would replace what the
// pages show (another slot, another profile or configuration) first lets the user apply or
// discard the edits not yet applied, or stay.
class SlotSelector : public QObject
{
    Q_OBJECT
public:
    SlotSelector(MainControls* controls, ProfileActions* actions, UnappliedEdits* edits,
                 QObject* parent = nullptr);

    // A click on one of the profile area's buttons; false for any other button.
    bool handle(MainControls::Action action, QObject* button);
    // Slot `iSlot` chosen in the window: true when it is the current slot afterwards.
    bool choose(int iSlot);
    // A stored profile chosen from the menu, for the current slot.
    bool assign(const QString& name);

private:
    // Runs `operation` once the user let the unapplied edits go (applied or discarded).
    bool replacing(const std::function<bool()>& operation);
    int currentSlot() const;

    MainControls* m_pControls;
    ProfileActions* m_pActions;
    UnappliedEdits* m_pEdits;
};
