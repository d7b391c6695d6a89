#include "device/HidBackend.h"

#include "device/CompositeHidBackend.h"
#include "device/HidapiBackend.h"
#include "device/SocketHidBackend.h"

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

// Every source of HID devices the program talks to in production.
std::shared_ptr<HidBackend> createProductionBackend()
{
    auto composite = std::make_shared<CompositeHidBackend>();
    composite->addBackend(std::make_shared<HidapiBackend>());
    composite->addBackend(std::make_shared<SocketHidBackend>());
    return composite;
}
} // namespace

HidBackend& HidBackend::current()
{
    std::lock_guard<std::mutex> lock(backendMutex());
    if (!installed())
        installed() = createProductionBackend();
    return *installed();
}

void HidBackend::setCurrent(std::shared_ptr<HidBackend> backend)
{
    std::lock_guard<std::mutex> lock(backendMutex());
    installed() = std::move(backend);
}
