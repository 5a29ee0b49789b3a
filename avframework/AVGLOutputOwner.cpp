#include "AVGLOutputOwner.h"

uint32_t avGLWidgetFramebuffer(const AVGLOutputOwner* owner)
{
    return owner ? owner->defaultFramebufferObject() : 0;
}
