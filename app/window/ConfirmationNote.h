#pragma once

#include <QLabel>
#include <QTimer>

// A short line over the bottom of the page area that says an action worked ("Settings
// applied", "Saved to …") and goes away by itself. It takes no clicks and no focus, so it never
// stands in the user's way.
class ConfirmationNote : public QLabel
{
    Q_OBJECT
public:
    static constexpr int kShownMs = 3000;

    ConfirmationNote(QWidget* window, const QColor& accent);

    void say(const QString& text);
    void layout(double dScale);

private:
    QTimer m_HideTimer;
    QColor m_Accent;
    double m_dScale = 1.0;
};
