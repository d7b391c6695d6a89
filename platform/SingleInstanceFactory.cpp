#include "platform/SingleInstanceFactory.h"

#include "platform/LockFileSingleInstance.h"

std::unique_ptr<SingleInstance> SingleInstanceFactory::create()
{
    return std::make_unique<LockFileSingleInstance>();
}
