#pragma once

#include <cstdint>

// What shows the renderer's output on screen (the preview surface). When a
// pass binds no framebuffer record, the renderer draws into the owner's
// default framebuffer.
class AVGLOutputOwner {
public:
    virtual ~AVGLOutputOwner() = default;
    virtual uint32_t defaultFramebufferObject() const = 0;
};

// The owner's default framebuffer name; 0 without an owner.
uint32_t avGLWidgetFramebuffer(const AVGLOutputOwner* owner);
