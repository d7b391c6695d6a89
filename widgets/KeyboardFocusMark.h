#pragma once

#include <QObject>

// Gives a check box or radio button the property "keyboardFocus" while it holds a focus that
// came from the keyboard (Tab, Backtab or a shortcut). The skin's focus ring is drawn on that
// property rather than on the focus itself: a style sheet cannot tell a click from a Tab, and a
// ring left on every box the user clicked would read as a fault, where the skin's push buttons
// and the platform styles show it only after keyboard use.
class KeyboardFocusMark : public QObject
{
    Q_OBJECT
public:
    static constexpr const char* kProperty = "keyboardFocus";

    // Watches the whole application; a second call does nothing.
    static void install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
