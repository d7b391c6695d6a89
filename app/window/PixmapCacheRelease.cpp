#include "app/window/PixmapCacheRelease.h"

#include <QEvent>
#include <QPixmapCache>
#include <QWidget>

PixmapCacheRelease::PixmapCacheRelease(QWidget* window, int iQuietMs)
    : QObject(window), m_pWindow(window)
{
    m_Timer.setSingleShot(true);
    m_Timer.setInterval(iQuietMs);
    connect(&m_Timer, &QTimer::timeout, this, [] { QPixmapCache::clear(); });
    window->installEventFilter(this);
    // A window started hidden never paints, yet the tray and the styling fill the cache too.
    m_Timer.start();
}

bool PixmapCacheRelease::eventFilter(QObject* watched, QEvent* event)
{
    // Every repaint of a child reaches the window as an update request; a first frame or an
    // uncovered area comes as its own paint event.
    if (watched == m_pWindow) {
        switch (event->type()) {
        case QEvent::UpdateRequest:
        case QEvent::Paint:
        case QEvent::Hide:
            m_Timer.start();
            break;
        default:
            break;
        }
    }
    return false;
}
