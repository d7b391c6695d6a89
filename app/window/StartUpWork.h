#pragma once

#include <QList>
#include <QObject>

#include <functional>

class QWidget;

// Start-up work the first frame does not need (the other slots' files, the factory profile):
// it runs once the window has painted that frame, at once when the window starts hidden, and
// earlier when something needs its result (finish()). A user sees the window sooner and can do
// nothing before the frame is up that would miss the work.
class StartUpWork : public QObject
{
public:
    explicit StartUpWork(QWidget* window);

    void add(const std::function<void()>& job);
    // Runs what is left, now; later calls do nothing.
    void finish();
    bool isFinished() const { return m_Jobs.isEmpty(); }

    // A window that never gets painted (minimised by the window manager at once) still gets
    // the work done after this long.
    static constexpr int kLatestMs = 1500;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_pWindow;
    QList<std::function<void()>> m_Jobs;
    bool m_bPainted = false;
};
