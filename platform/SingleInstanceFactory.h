#pragma once

#include <memory>

class SingleInstance;

// Builds the single-instance lock of this operating system.
class SingleInstanceFactory
{
public:
    static std::unique_ptr<SingleInstance> create();
};
