#pragma once

#include "platform/KeyboardHook.h"
#include "widgets/KivoTranslucentDialog.h"

#include <memory>

class KeyCapture;
class KivoPushButton;
class QCheckBox;
class QLabel;
class QLineEdit;
struct ButtonAssignment;

// "FireKey Setting": which button or key a fire-key button fires, how many times and with what
// delay. The keyboard key is captured only while "Keyboard Key" is the target; the capture is
// owned by the window and ends with it whichever way it closes.
class KivoFireKeyWindow : public KivoTranslucentDialog
{
    Q_OBJECT
public:
    enum Target
    {
        LeftTarget,
        RightTarget,
        MiddleTarget,
        KeyTarget
    };

    explicit KivoFireKeyWindow(QWidget* parent, double dScale = 1.0,
                               std::unique_ptr<KeyboardHook> hook = nullptr);
    ~KivoFireKeyWindow() override;

    // The values of a button that already holds a fire key.
    void prefill(const ButtonAssignment& button);

    Target target() const { return m_Target; }
    void setTarget(Target target);
    quint8 keyCode() const { return m_iKeyCode; }
    QString keyText() const;
    // Empty fields read 0.
    int times() const;
    int delay() const;
    // What the record's Res1 takes: the fired button, or the key's HID usage.
    quint8 fireCode() const;

    KeyCapture* capture() const { return m_pCapture.get(); }
    QCheckBox* targetButton(Target target) const { return m_pTargets[target]; }
    QLineEdit* timesEdit() const { return m_pTimes; }
    QLineEdit* delayEdit() const { return m_pDelay; }
    KivoPushButton* okButton() const { return m_pOk; }
    KivoPushButton* cancelButton() const { return m_pCancel; }

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void onStateChanged(int iState);
    void OnEditDataChanged(const QString& text);
    void checkbtn_clicked();
    void onEditReturn();
    void onKey(const KeyStroke& stroke);

private:
    void retranslate();
    void setKey(quint8 keyCode);
    void showKey();
    void updateCapture();
    void updateOk();

    std::unique_ptr<KeyCapture> m_pCapture;
    Target m_Target = LeftTarget;
    quint8 m_iKeyCode = 0;
    bool m_bHaveLast = false;
    quint8 m_LastCode = 0;
    quint8 m_LastFlags = 0;

    QLabel* m_pTitle = nullptr;
    QCheckBox* m_pTargets[4] = {};
    QLabel* m_pKeyName = nullptr;
    QLabel* m_pTimesLabel = nullptr;
    QLabel* m_pDelayLabel = nullptr;
    QLineEdit* m_pTimes = nullptr;
    QLineEdit* m_pDelay = nullptr;
    QLabel* m_pFocusNote = nullptr;
    KivoPushButton* m_pOk = nullptr;
    KivoPushButton* m_pCancel = nullptr;
};
