#pragma once

// The compiled-in part of the skin (":/skin/loading.gif"). It lives in the UI library, a static
// archive, so a program registers it by calling init() once before the first use; calling it
// again does no harm.
class SkinResources
{
public:
    static void init();
};
