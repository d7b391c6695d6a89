#include "platform/KeyboardHook.h"

#include "platform/LocalKeyboardHook.h"

#include <QDebug>

std::unique_ptr<KeyboardHook> KeyboardHook::create()
{
    static const bool logged = [] {
        qDebug(
            "keyboard hook: window-local (keys are seen while the capture window has the focus)");
        return true;
    }();
    Q_UNUSED(logged);
    return std::make_unique<LocalKeyboardHook>();
}
