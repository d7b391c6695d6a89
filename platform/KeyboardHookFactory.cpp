#include "platform/KeyboardHook.h"

// Until the platform hooks exist no keys are captured: callers get no hook and say so.
std::unique_ptr<KeyboardHook> KeyboardHook::create()
{
    return nullptr;
}
