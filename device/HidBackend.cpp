#include "device/HidBackend.h"

#include "device/HidBackendFactory.h"

#include <mutex>

namespace {
std::mutex& backendMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::shared_ptr<HidBackend>& installed()
{
    static std::shared_ptr<HidBackend> backend;
    return backend;
}
} // namespace

HidBackend& HidBackend::current()
{
    std::lock_guard<std::mutex> lock(backendMutex());
    if (!installed())
        installed() = HidBackendFactory::createProduction();
    return *installed();
}

void HidBackend::setCurrent(std::shared_ptr<HidBackend> backend)
{
    std::lock_guard<std::mutex> lock(backendMutex());
    installed() = std::move(backend);
}
