#include "app/window/StartUpWork.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

StartUpWork::StartUpWork(QWidget* window) : QObject(window), m_pWindow(window)
{
    window->installEventFilter(this);
    // By the first turn of the event loop the window is shown, or it starts hidden.
    QTimer::singleShot(0, this, [this] {
        if (!m_pWindow->isVisible())
            finish();
    });
    QTimer::singleShot(kLatestMs, this, &StartUpWork::finish);
}

void StartUpWork::add(const std::function<void()>& job)
{
    m_Jobs.append(job);
}

void StartUpWork::finish()
{
    // A job may call back into finish(): each runs once, in the order given.
    while (!m_Jobs.isEmpty())
        m_Jobs.takeFirst()();
}

bool StartUpWork::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pWindow && event->type() == QEvent::Paint && !m_bPainted) {
        m_bPainted = true;
        // Posted behind this paint: it runs once the frame has gone to the display.
        QTimer::singleShot(0, this, [this] {
            qDebug("main window painted");
            finish();
        });
    }
    return false;
}
