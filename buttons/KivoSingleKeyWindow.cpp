#include "buttons/KivoSingleKeyWindow.h"

#include "model/KeyTable.h"

KivoSingleKeyWindow::KivoSingleKeyWindow(QWidget* parent, double dScale,
                                         std::unique_ptr<KeyboardHook> hook)
    : KivoKeyWindow(parent, dScale, KeyboardHook::Observe, std::move(hook))
{
    setObjectName("KivoSingleKeyWindow");
    retranslate();
    setCaptured(false);
}

void KivoSingleKeyWindow::prefill(quint8 keyCode)
{
    m_iKeyCode = keyCode;
    showKeyText(KeyTable::keyName(keyCode));
    setCaptured(keyCode != 0);
}

QString KivoSingleKeyWindow::promptText() const
{
    return tr("Press a key");
}

QString KivoSingleKeyWindow::titleText() const
{
    return tr("Single Key");
}

void KivoSingleKeyWindow::onKey(const KeyStroke& stroke)
{
    // A held key repeats the same record; only a change counts.
    if (m_bHaveLast && stroke.scanCode == m_LastCode && stroke.flags == m_LastFlags)
        return;
    m_bHaveLast = true;
    m_LastCode = stroke.scanCode;
    m_LastFlags = stroke.flags;
    prefill(stroke.scanCode);
}
