#include "widgets/KeyCapture.h"

#include "model/PrivateKeyCodes.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

KeyCapture::KeyCapture(QWidget* window, KeyboardHook::Mode mode,
                       std::unique_ptr<KeyboardHook> hook)
    : QObject(window), m_pWindow(window), m_Mode(mode), m_pHook(std::move(hook))
{
    qRegisterMetaType<KeyStroke>("KeyStroke");
    if (!m_pHook)
        m_pHook = KeyboardHook::create();
    if (m_pHook)
        connect(m_pHook.get(), &KeyboardHook::keyStroke, this, &KeyCapture::onStroke);
}

KeyCapture::~KeyCapture()
{
    stop();
}

bool KeyCapture::start()
{
    if (!m_pHook || !m_pWindow)
        return false;
    if (m_pHook->isRunning())
        return true;
    m_pWindow->installEventFilter(this);
    return m_pHook->start(m_Mode);
}

void KeyCapture::stop()
{
    if (m_pWindow)
        m_pWindow->removeEventFilter(this);
    if (m_pHook)
        m_pHook->stop();
}

bool KeyCapture::isRunning() const
{
    return m_pHook && m_pHook->isRunning();
}

bool KeyCapture::isGlobal() const
{
    return m_pHook && m_pHook->isGlobal();
}

bool KeyCapture::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pWindow) {
        switch (event->type()) {
        case QEvent::Hide:
        case QEvent::Close:
        case QEvent::Destroy:
            stop();
            break;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            // Taken as a stroke only where the hook is not global; either way the window does
            // not act on keys while it captures them (Enter must not accept the dialog).
            if (m_pHook && m_pHook->isRunning()) {
                m_pHook->feedKeyEvent(static_cast<QKeyEvent*>(event));
                return true;
            }
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void KeyCapture::onStroke(const KeyStroke& stroke)
{
    KeyStroke coded = stroke;
    coded.scanCode = PrivateKeyCodes::keyCode(stroke.scanCode, stroke.flags);
    emit keyCaptured(coded);
}
