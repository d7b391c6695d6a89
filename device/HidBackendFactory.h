#pragma once

#include <memory>

class HidBackend;

// Builds the backend the program uses when no other one is installed.
class HidBackendFactory
{
public:
    // Every source of HID devices the program talks to in production: hidapi for the real
    // mice and the socket for the virtual mice running on this machine.
    static std::shared_ptr<HidBackend> createProduction();
};
