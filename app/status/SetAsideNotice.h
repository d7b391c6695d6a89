#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QWidget;

// Tells the user, once per file, that a settings file could not be read safely, where the
// original was kept and that defaults stand in for what was lost. Files set aside before it was
// made (while the window loaded the configuration) are told as soon as the event loop runs.
class SetAsideNotice : public QObject
{
    Q_OBJECT

public:
    explicit SetAsideNotice(QWidget* window, QObject* parent = nullptr);

    static QString title();
    static QString text(const QString& path, const QString& keptPath);
    static QString text2();
    // One box for all the files that could not be read or were missing.
    static QString unreadText(const QStringList& unreadable, const QStringList& missing);
    static QString unreadText2();

public slots:
    void slotShowSetAside();

private:
    QPointer<QWidget> m_pWindow;
    bool m_bShowing = false;
};
