#pragma once

#include <QObject>
#include <QTimer>

class QWidget;

// The toolkit keeps the pictures it draws controls from in a cache and, while that cache holds
// any, wakes the interface thread every 10 to 30 s to shrink it, for minutes after each repaint.
// A window that sits idle all day does not need them: once it has not painted for a short while
// they are let go at once, and the next repaint draws them afresh.
class PixmapCacheRelease : public QObject
{
    Q_OBJECT
public:
    static constexpr int kQuietMs = 2000;

    explicit PixmapCacheRelease(QWidget* window, int iQuietMs = kQuietMs);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_pWindow;
    QTimer m_Timer;
};
