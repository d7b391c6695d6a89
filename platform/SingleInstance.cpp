#include "platform/SingleInstance.h"

#include "platform/LockFileSingleInstance.h"

std::unique_ptr<SingleInstance> SingleInstance::create()
{
    return std::make_unique<LockFileSingleInstance>();
}
