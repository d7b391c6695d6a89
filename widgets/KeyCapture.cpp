#include "widgets/KeyCapture.h"

#include "model/PrivateKeyCodes.h"
#include "platform/KeyboardHookFactory.h"

#include <QCoreApplication>
#include <QDebug>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

KeyCapture::KeyCapture(QWidget* window, KeyboardHook::Mode mode, std::unique_ptr<KeyboardHook> hook)
    : QObject(window), m_pWindow(window), m_Mode(mode), m_pHook(std::move(hook))
{
    qRegisterMetaType<KeyStroke>("KeyStroke");
    if (!m_pHook)
        m_pHook = KeyboardHookFactory::create();
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
    // Key events go to the focused child (a button would take Space or Enter), so they are
    // taken application-wide for every widget of the window.
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
    m_Held.clear();
    m_bStarting = true;
    const bool bStarted = m_pHook->start(m_Mode);
    m_bStarting = false;
    if (bStarted)
        return true;
    stop();
    return false;
}

void KeyCapture::stop()
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
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

bool KeyCapture::isInWindow(QObject* watched) const
{
    QWidget* widget = watched->isWidgetType() ? static_cast<QWidget*>(watched) : nullptr;
    return widget && m_pWindow && (widget == m_pWindow || m_pWindow->isAncestorOf(widget));
}

bool KeyCapture::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Hide:
    case QEvent::Close:
    case QEvent::Destroy:
        if (watched == m_pWindow)
            stop();
        break;
    case QEvent::ShortcutOverride:
        // Claimed so that no shortcut of the application fires; the key press follows.
        if (isInWindow(watched) && isRunning()) {
            event->accept();
            return true;
        }
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        // Taken as a stroke only where the hook is not global; either way the window does
        // not act on keys while it captures them (Enter must not accept the dialog).
        if (isInWindow(watched) && isRunning()) {
            m_pHook->feedKeyEvent(static_cast<QKeyEvent*>(event));
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void KeyCapture::onStroke(const KeyStroke& stroke)
{
    const int key = stroke.scanCode << 8 | (stroke.flags & KeyStroke::kExtended);
    if (!stroke.isRelease())
        m_Held.insert(key);
    else if (!m_Held.remove(key))
        return;
    KeyStroke coded = stroke;
    coded.scanCode = PrivateKeyCodes::keyCode(stroke.scanCode, stroke.flags);
    if (m_bStarting) {
        // The hook hands over keys it found queued while it started, and a window starts its
        // capture in its constructor, where its own key handler does not exist yet: they reach
        // the window from the event loop instead, unless the capture has ended by then.
        QMetaObject::invokeMethod(
            this,
            [this, coded] {
                if (isRunning())
                    deliver(coded);
            },
            Qt::QueuedConnection);
        return;
    }
    deliver(coded);
}

void KeyCapture::deliver(const KeyStroke& coded)
{
    emit keyCaptured(coded);
    // Said once the window took the key, so that a script knows when the button that needs a
    // captured key can be pressed. Only locals: a receiver may have deleted this capture.
    qDebug("key captured: code %02x flags %02x", coded.scanCode, coded.flags);
}
