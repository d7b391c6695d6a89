#pragma once

#include "platform/KeyboardHook.h"
#include "widgets/KivoTranslucentDialog.h"

#include <memory>

class KeyCapture;
class KivoPushButton;
class QLabel;

// Common frame of the single-key and combo-key windows: a title, the captured keys' names, a
// note where keys are seen only while the window has the focus, and the accept and "Cancel"
// buttons. The window owns its capture, which runs from construction until the window is
// hidden, closed or destroyed, whichever comes first.
class KivoKeyWindow : public KivoTranslucentDialog
{
    Q_OBJECT
public:
    KivoKeyWindow(QWidget* parent, double dScale, KeyboardHook::Mode mode,
                  std::unique_ptr<KeyboardHook> hook);
    ~KivoKeyWindow() override;

    KeyCapture* capture() const { return m_pCapture.get(); }
    QString keyText() const;
    // The key field's rich text: the key's name, or the prompt while there is none.
    static QString keyFieldText(const QString& keyText, const QString& prompt);
    KivoPushButton* okButton() const { return m_pOk; }
    KivoPushButton* cancelButton() const { return m_pCancel; }

protected:
    // Subclasses call it at the end of their constructor; a language change calls it again.
    void retranslate();
    virtual QString titleText() const = 0;
    // Shown in the key field while it holds no key.
    virtual QString promptText() const = 0;
    void showKeyText(const QString& text);
    // Without a key the accept button stays off: it would store a button that sends nothing.
    void setCaptured(bool bCaptured);
    virtual void onKey(const KeyStroke& stroke) = 0;
    void changeEvent(QEvent* event) override;

private slots:
    void checkbtn_clicked();

private:
    std::unique_ptr<KeyCapture> m_pCapture;
    QString m_KeyText;
    QLabel* m_pTitle = nullptr;
    QLabel* m_pKeys = nullptr;
    QLabel* m_pFocusNote = nullptr;
    KivoPushButton* m_pOk = nullptr;
    KivoPushButton* m_pCancel = nullptr;
};
