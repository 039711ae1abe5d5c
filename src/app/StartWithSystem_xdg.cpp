#include "app/XdgStartWithSystem.h"

std::unique_ptr<StartWithSystem> createStartWithSystem()
{
    return std::make_unique<XdgStartWithSystem>();
}
