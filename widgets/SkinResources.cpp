#include "widgets/SkinResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace and names the resource file (skin.qrc).
static void initSkinResource()
{
    Q_INIT_RESOURCE(skin);
}

void SkinResources::init()
{
    static const bool done = [] {
        initSkinResource();
        return true;
    }();
    Q_UNUSED(done);
}
