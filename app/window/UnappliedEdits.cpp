#include "app/window/UnappliedEdits.h"

#include "app/profiles/ProfileActions.h"
#include "app/status/StatusFollower.h"
#include "app/window/WindowCommands.h"
#include "app/window/WindowPages.h"
#include "macro/MacroDialog.h"
#include "model/DeviceDescription.h"
#include "model/GlobalRecords.h"
#include "pages/DpiTabPages.h"
#include "pages/KivoColorWindow.h"
#include "widgets/UserPrompts.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {
// What the window edits: the device-wide values, the current slot and the slot whose lighting
// the lighting page shows. Names and the slot itself are chosen, not edited.
void takeEdited(MouseConfig& target, const MouseConfig& from, const QString& productName)
{
    const int slot = target.ProfileID % MouseConfig::kProfileCount;
    const int lighting = KivoColorWindow::lightingSlot(productName, slot);
    for (int i : {slot, lighting}) {
        ProfileData& profile = target.Profile[i];
        const QString name = profile.ProfileName;
        const QString path = profile.ProfilePath;
        profile = from.Profile[i];
        profile.ProfileName = name;
        profile.ProfilePath = path;
    }
    target.AngleValue = from.AngleValue;
    target.LiftHigh = from.LiftHigh;
    target.Sync = from.Sync;
    target.Count = from.Count;
    target.Jitter = from.Jitter;
    target.Debounce = from.Debounce;
    target.Wake = from.Wake;
    target.SensorMode = from.SensorMode;
}
} // namespace

UnappliedEdits::UnappliedEdits(QWidget* window, WindowPages* pages)
    : QObject(window), m_pWindow(window), m_pPages(pages),
      m_ProductName(DeviceDescription::productName())
{
    markAllClean();
    // Edits come from the user's clicks, keys and wheel: a look shortly after each, and no
    // wake-ups while nobody works the window.
    m_Timer.setSingleShot(true);
    m_Timer.setInterval(kCheckDelayMs);
    connect(&m_Timer, &QTimer::timeout, this, &UnappliedEdits::check);
    qApp->installEventFilter(this);
}

void UnappliedEdits::follow(WindowCommands* commands, ProfileActions* actions,
                            StatusFollower* status)
{
    connect(commands, &WindowCommands::written, this, &UnappliedEdits::markAllClean);
    // Cancel read the slot back from its file.
    connect(commands, &WindowCommands::profileReloaded, this, &UnappliedEdits::markAllClean);
    connect(actions, &ProfileActions::recordsReplaced, this, &UnappliedEdits::markAllClean);
    connect(status, &StatusFollower::dpiStageChanged, this, &UnappliedEdits::followMouse);
    connect(status, &StatusFollower::rateChanged, this, &UnappliedEdits::followMouse);
    connect(m_pPages, &WindowPages::refreshed, this, &UnappliedEdits::pagesShown);
}

bool UnappliedEdits::hasEdits()
{
    const MouseConfig& live = GlobalRecords::live();
    MouseConfig applied = live;
    takeEdited(applied, m_Applied, m_ProductName);
    if (live != applied)
        return true;
    // The DPI tab keeps its own copy until Apply takes it, as it showed it: its values are
    // compared with what it gave when it last loaded them. One never built holds nothing new.
    if (DpiTabPages* dpi = m_pPages->builtDpiTab()) {
        if (dpi != m_pShownTab)
            pagesShown();
        MouseConfig paged = live;
        dpi->takeValues(paged);
        if (paged != m_PageShown)
            return true;
    }
    const MacroDialog* macro = m_pPages->builtMacroPage();
    return macro && macro->hasUnsavedRows();
}

bool UnappliedEdits::confirmLeave()
{
    if (!hasEdits())
        return true;
    const int answer = UserPrompts::choice(m_pWindow, tr("Unapplied changes"),
                                           tr("The window holds changes that are not applied."),
                                           tr("Apply them to the mouse, or discard them?"),
                                           {tr("Apply"), tr("Discard"), tr("Cancel")});
    if (answer == 0) {
        saveMacroRows();
        if (m_Apply && !m_Apply())
            return false;
    } else if (answer == 1) {
        revert();
    }
    check();
    return answer != 2;
}

void UnappliedEdits::saveMacroRows()
{
    MacroDialog* macro = m_pPages->builtMacroPage();
    if (macro && macro->hasUnsavedRows())
        macro->runCommand(MacroDialog::Save);
}

void UnappliedEdits::markAllClean()
{
    m_Applied = GlobalRecords::live();
    pagesShown();
    check();
}

void UnappliedEdits::pagesShown()
{
    m_pShownTab = m_pPages->builtDpiTab();
    m_PageShown = GlobalRecords::live();
    if (m_pShownTab)
        m_pShownTab->takeValues(m_PageShown);
}

void UnappliedEdits::followMouse()
{
    const ProfileData& live = GlobalRecords::live().activeProfile();
    ProfileData& applied =
        m_Applied.Profile[GlobalRecords::live().ProfileID % MouseConfig::kProfileCount];
    ProfileData& paged =
        m_PageShown.Profile[GlobalRecords::live().ProfileID % MouseConfig::kProfileCount];
    applied.dpi = paged.dpi = live.dpi;
    applied.pollrate = paged.pollrate = live.pollrate;
    check();
}

void UnappliedEdits::revert()
{
    takeEdited(GlobalRecords::live(), m_Applied, m_ProductName);
    if (MacroDialog* macro = m_pPages->builtMacroPage(); macro && macro->hasUnsavedRows())
        macro->runCommand(MacroDialog::Cancel);
    emit reverted();
    check();
}

bool UnappliedEdits::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonRelease || type == QEvent::KeyRelease || type == QEvent::Wheel)
        m_Timer.start();
    return QObject::eventFilter(watched, event);
}

void UnappliedEdits::check()
{
    const bool bEdits = hasEdits();
    if (bEdits == m_bEdits)
        return;
    m_bEdits = bEdits;
    emit changed(bEdits);
}
