#include "buttons/KivoComboKeyWindow.h"

KivoComboKeyWindow::KivoComboKeyWindow(QWidget* parent, double dScale,
                                       std::unique_ptr<KeyboardHook> hook)
    : KivoKeyWindow(parent, dScale, KeyboardHook::Swallow, std::move(hook))
{
    setObjectName("KivoComboKeyWindow");
    retranslate();
    setCaptured(false);
}

void KivoComboKeyWindow::prefill(const QVector<quint8>& keyCodes)
{
    m_State.prefill(keyCodes);
    showKeyText(m_State.text());
    setCaptured(!keyCodes.isEmpty());
}

QString KivoComboKeyWindow::promptText() const
{
    return tr("Press a key combination");
}

QString KivoComboKeyWindow::titleText() const
{
    return tr("Combo Key");
}

void KivoComboKeyWindow::onKey(const KeyStroke& stroke)
{
    if (!m_State.key(stroke.scanCode, stroke.isRelease(), stroke.flags))
        return;
    // A release changes neither the text nor the combination.
    if (!stroke.isRelease()) {
        showKeyText(m_State.text());
        setCaptured(true);
    }
}
