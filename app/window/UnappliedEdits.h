#pragma once

#include "model/MouseConfig.h"

#include <QObject>
#include <QTimer>

#include <functional>

class DpiTabPages;
class ProfileActions;
class QWidget;
class StatusFollower;
class WindowCommands;
class WindowPages;

// Knows whether the window holds edits that were never applied: the values on the pages and in
// the live configuration against the state last written or loaded, and the macro page's rows
// against its file. Before anything would throw such edits away (quitting, hiding to the tray,
// another slot, another configuration) the user is asked: Apply, Discard or Cancel. Revert puts
// the last applied state back.
class UnappliedEdits : public QObject
{
    Q_OBJECT
public:
    static constexpr int kCheckDelayMs = 100;

    UnappliedEdits(QWidget* window, WindowPages* pages);

    // What Apply does in the window; false when nothing was written (the write was refused).
    void setApply(const std::function<bool()>& apply) { m_Apply = apply; }

    // What makes the window's state the applied one again: a write, records read afresh, a
    // level or rate the mouse switched to itself.
    void follow(WindowCommands* commands, ProfileActions* actions, StatusFollower* status);

    bool hasEdits();
    // True when there is nothing to lose, or the user applied or discarded it; false when the
    // user cancelled or Apply was refused.
    bool confirmLeave();
    // Saves the rows of the macro on the macro page when they differ from its file.
    void saveMacroRows();

public slots:
    // The live configuration as it is now is the applied state.
    void markAllClean();
    // The mouse switched its DPI level or rate itself: the new values are not the user's edits.
    void followMouse();
    // The pages show the live configuration afresh.
    void pagesShown();
    // Every page back to the applied state.
    void revert();
    // Looks again; `changed` tells when the answer differs from the last one.
    void check();

signals:
    void changed(bool bEdits);
    // The live configuration was put back; the pages have to show it again.
    void reverted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_pWindow;
    WindowPages* m_pPages;
    QString m_ProductName; // read once: the description is read afresh at every access
    MouseConfig m_Applied;
    // What the DPI tab gave when it last loaded the live configuration, and which tab that was.
    MouseConfig m_PageShown;
    DpiTabPages* m_pShownTab = nullptr;
    bool m_bEdits = false;
    QTimer m_Timer;
    std::function<bool()> m_Apply;
};
