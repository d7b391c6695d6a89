#pragma once

#include <memory>

class KeyboardHook;

// Chooses the keyboard hook for the running session.
class KeyboardHookFactory
{
public:
    // The platform's hook for this session: global where the X server speaks XInput 2, else
    // window-local.
    static std::unique_ptr<KeyboardHook> create();
};
