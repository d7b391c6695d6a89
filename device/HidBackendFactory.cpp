#include "device/HidBackendFactory.h"

#include "device/CompositeHidBackend.h"
#include "device/HidapiBackend.h"
#include "device/SocketHidBackend.h"

std::shared_ptr<HidBackend> HidBackendFactory::createProduction()
{
    auto composite = std::make_shared<CompositeHidBackend>();
    composite->addBackend(std::make_shared<HidapiBackend>());
    composite->addBackend(std::make_shared<SocketHidBackend>());
    return composite;
}
