#pragma once

#include <qopengl.h>

class QOpenGLFunctions_3_2_Core;

// A fence after the commands issued so far on the current engine context:
// another context of the share group waits for them on the GPU before it
// reads what they drew. Flushing alone hands the commands over but does not
// order them with the reader's. Move-only; the sync object is deleted where
// an engine context is current, or goes with the share group otherwise.
class AVGLFence {
public:
    AVGLFence() = default;
    ~AVGLFence();
    AVGLFence(AVGLFence&& other) noexcept;
    AVGLFence& operator=(AVGLFence&& other) noexcept;
    AVGLFence(const AVGLFence&) = delete;
    AVGLFence& operator=(const AVGLFence&) = delete;

    // Inserts a fence on the current engine context and flushes it, so that
    // a wait on another context ends; empty without a context.
    static AVGLFence insert();
    // The reader's context waits until the fenced commands are done; nothing
    // when empty.
    void waitOn(QOpenGLFunctions_3_2_Core* reader) const;

private:
    void _delete();

    GLsync _sync = nullptr;
};
