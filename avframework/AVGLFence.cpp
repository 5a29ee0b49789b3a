#include "AVGLFence.h"

#include "AVGLContext.h"

#include <QOpenGLFunctions_3_2_Core>

#include <utility>

AVGLFence::~AVGLFence()
{
    _delete();
}

AVGLFence::AVGLFence(AVGLFence&& other) noexcept : _sync(std::exchange(other._sync, nullptr))
{
}

AVGLFence& AVGLFence::operator=(AVGLFence&& other) noexcept
{
    if (this != &other) {
        _delete();
        _sync = std::exchange(other._sync, nullptr);
    }
    return *this;
}

AVGLFence AVGLFence::insert()
{
    AVGLFence fence;
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions.load();
    if (!gl)
        return fence;
    fence._sync = gl->glFenceSync(GL_SYNC_GPU_COMMANDS_COMPLETE, 0);
    // A fence another context waits for must have reached the GPU.
    gl->glFlush();
    return fence;
}

void AVGLFence::waitOn(QOpenGLFunctions_3_2_Core* reader) const
{
    if (_sync && reader)
        reader->glWaitSync(_sync, 0, GL_TIMEOUT_IGNORED);
}

void AVGLFence::_delete()
{
    if (!_sync)
        return;
    if (QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions.load())
        gl->glDeleteSync(_sync);
    _sync = nullptr;
}
