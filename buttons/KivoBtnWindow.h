#pragma once

#include "platform/KeyboardHook.h"

#include <QWidget>

#include <functional>
#include <memory>

class ButtonMenus;
class KivoPushButton;
struct ButtonAssignment;
struct ProfileData;

// The button list of the customise page: one labelled button per mouse button of the current
// profile, each opening the function menu. A pick writes the button's record in the live
// profile at once (the main window sends it on Apply); some picks first ask for details in a
// dialog and write nothing when it is cancelled.
class KivoBtnWindow : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kSetSize = 20;
    static constexpr int kWheelCount = 2;
    static constexpr quint8 kNone = 0xFF;
    using HookFactory = std::function<std::unique_ptr<KeyboardHook>()>;

    KivoBtnWindow(ProfileData* profile, QWidget* parent, double dScale);

    void setProfile(ProfileData* profile);
    ProfileData* profile() const { return m_pProfileData; }
    // Makes (set, index) current, shows that set's buttons and refreshes the labels.
    void showSet(quint8 iSet, quint8 iIndex);
    // The mouse picture chose a button: make it current and mark it.
    void selectButton(quint8 iSet, quint8 iIndex);
    void retranslate();
    void setScale(double dScale);

    // The function chosen for the current button, as if picked from its menu.
    void pick(int iCode);

    quint8 currentSet() const { return m_iSet; }
    quint8 currentIndex() const { return m_iIndex; }
    KivoPushButton* button(int iSet, int iIndex) const;
    // The function text shown on the button of record iRecord (without its number).
    QString label(int iRecord) const;
    ButtonMenus* menus() const { return m_pMenus; }
    // Where the capture windows get their keyboard hook; none means the platform's.
    void setHookFactory(HookFactory factory) { m_HookFactory = std::move(factory); }

signals:
    void SelBtnControl(KivoPushButton* btn, bool bType);
    void GotoMacroTab(quint8 iBtn);
    void PopOneClickBox();

public slots:
    void slotMouseOver(KivoPushButton* btn, bool bOver);
    void slotMouseEnter(KivoPushButton* btn);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    KivoPushButton* makeButton(int iSet, int iIndex);
    void layoutButtons();
    void refreshLabels();
    void refreshLabel(int iRecord);
    // The listed labels of the first set on the debug stream.
    void logLabels() const;
    int recordIndex(int iSet, int iIndex) const;
    KivoPushButton* currentButton() const;
    void finishPick(KivoPushButton* btn);
    std::unique_ptr<KeyboardHook> makeHook() const;

    // The dialogs; each returns true when it was accepted and the record was written.
    bool pickSingleKey(ButtonAssignment& button);
    bool pickComboKey(ButtonAssignment& button);
    bool pickFireKey(ButtonAssignment& button);
    bool pickMacro(ButtonAssignment& button, int iRecord, int iCode);

    ProfileData* m_pProfileData;
    double m_dScale;
    quint8 m_iSet = kNone;
    quint8 m_iIndex = kNone;
    int m_iShownSet = 0;
    KivoPushButton* m_pSet0[kSetSize] = {};
    KivoPushButton* m_pSet1[kSetSize] = {};
    KivoPushButton* m_pWheel[kWheelCount] = {};
    KivoPushButton* m_pMarked = nullptr;
    QString m_Numbers[kSetSize * 2 + kWheelCount]; // by record; empty: not listed
    ButtonMenus* m_pMenus = nullptr;
    HookFactory m_HookFactory;
};
