#include "AVEngine.h"

#include <atomic>

namespace {
std::atomic<uint8_t> g_codecFlag{0};
}

uint8_t AVEngine::codecFlag()
{
    return g_codecFlag.load();
}

void AVEngine::setCodecFlag(uint8_t flag)
{
    g_codecFlag.store(flag);
}
