#pragma once

#include "app/window/MainLayout.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>

class KivoPushButton;
class QLabel;
class QAction;
class QLineEdit;
class QMenu;
class QWidget;

// The main window's own controls: page tabs and page widgets, the window, device and language
// buttons, the action buttons, the profile controls and the labels. Built onto the window,
// placed by the layout table, and named by the action each button stands for, so that the
// window's one click handler can tell them apart.
class MainControls : public QObject
{
    Q_OBJECT
public:
    static constexpr int kPageCount = 4;
    static constexpr int kSlotCount = 5;

    enum Action
    {
        CloseAction,
        MinimiseAction,
        FirmwareAction,
        TabAction,
        FrontAction,
        SideAction,
        OkAction,
        CancelAction,
        ApplyAction,
        DeviceAction,
        ResetAllAction,
        LoadAction,
        SaveAction,
        AddAction,
        CopyAction,
        DeleteAction,
        ResetAction,
        ImportAction,
        ExportAction,
        SlotAction,
        RevertAction
    };

    MainControls(QWidget* window, double dScale);

    // Buttons that stand for an action (their clicks go to the window's handler).
    QList<KivoPushButton*> actionButtons() const { return m_Actions.keys(); }
    // Every push button of the window itself: the ones the macro editor switches off.
    const QList<KivoPushButton*>& allButtons() const { return m_Buttons; }
    bool actionOf(const QObject* button, Action* action) const;
    int tabIndex(const QObject* button) const;  // -1 for anything but a tab
    int slotIndex(const QObject* button) const; // -1 for anything but a slot button

    void retranslate(const QString& languageName, const QString& version);
    void layout(double dScale, const MainLayout::Flags& flags);
    // One entry per stored profile, 152 × scale wide.
    void rebuildProfileMenu(const QStringList& names, double dScale);
    // The check mark on the button of slot `iSlot` alone.
    void checkSlot(int iSlot);
    // The mark of unapplied changes and the revert button shown or hidden; Apply stands out
    // while there is something to apply.
    void showUnapplied(bool bEdits);

    KivoPushButton* tab(int iPage) const { return m_pTabs[iPage]; }
    QWidget* page(int iPage) const { return m_pPages[iPage]; }
    KivoPushButton* slotButton(int iSlot) const { return m_pSlotButtons[iSlot]; }
    KivoPushButton* languageButton() const { return m_pLanguageButton; }
    KivoPushButton* frontButton() const { return m_pFrontButton; }
    KivoPushButton* sideButton() const { return m_pSideButton; }
    KivoPushButton* applyButton() const { return m_pApplyButton; }
    KivoPushButton* revertButton() const { return m_pRevertButton; }
    QLabel* unappliedMark() const { return m_pUnapplied; }
    QLabel* logo() const { return m_pLogo; }
    QLineEdit* profileName() const { return m_pProfileName; }
    QMenu* languageMenu() const { return m_pLanguageMenu; }
    QMenu* slotMenu() const { return m_pSlotMenu; }

signals:
    void slotChosen(int iSlot);              // slot menu
    void profileChosen(const QString& name); // stored-profile menu

private:
    KivoPushButton* button(const QStringList& faces, MainLayout::Control place, const char* name);
    KivoPushButton* actionButton(const QStringList& faces, MainLayout::Control place, Action action,
                                 const char* name);
    void buildProfileControls();

    QWidget* m_pWindow;
    double m_dScale;
    QHash<QWidget*, MainLayout::Control> m_Places;
    QHash<KivoPushButton*, Action> m_Actions;
    QList<KivoPushButton*> m_Buttons;

    KivoPushButton* m_pTabs[kPageCount] = {};
    QWidget* m_pPages[kPageCount] = {};
    KivoPushButton* m_pSlotButtons[kSlotCount] = {};
    KivoPushButton* m_pDeviceButton = nullptr;
    KivoPushButton* m_pLanguageButton = nullptr;
    KivoPushButton* m_pFrontButton = nullptr;
    KivoPushButton* m_pSideButton = nullptr;
    KivoPushButton* m_pResetAllButton = nullptr;
    KivoPushButton* m_pLoadButton = nullptr;
    KivoPushButton* m_pSaveButton = nullptr;
    KivoPushButton* m_pApplyButton = nullptr;
    KivoPushButton* m_pFirmwareButton = nullptr;
    KivoPushButton* m_pOkButton = nullptr;
    KivoPushButton* m_pCancelButton = nullptr;
    KivoPushButton* m_pAddButton = nullptr;
    KivoPushButton* m_pCopyButton = nullptr;
    KivoPushButton* m_pDeleteButton = nullptr;
    KivoPushButton* m_pResetButton = nullptr;
    KivoPushButton* m_pImportButton = nullptr;
    KivoPushButton* m_pExportButton = nullptr;
    KivoPushButton* m_pRevertButton = nullptr;
    QLabel* m_pUnapplied = nullptr;
    // The profile menu's operations after the stored profiles: each clicks its button.
    QList<QAction*> m_Operations;
    QLabel* m_pLogo = nullptr;
    QLabel* m_pVersion = nullptr;
    QLabel* m_pNameLabel = nullptr;
    QLineEdit* m_pProfileName = nullptr;
    QMenu* m_pLanguageMenu = nullptr;
    QMenu* m_pSlotMenu = nullptr;
    QMenu* m_pProfileMenu = nullptr;
};
