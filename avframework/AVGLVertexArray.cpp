#include "AVGLVertexArray.h"

#include "AVGLContext.h"

#include <QOpenGLFunctions_3_2_Core>

namespace {

void fillAttribute(QOpenGLFunctions_3_2_Core* gl, GLuint index, GLuint* buffer, size_t bytes, const float* data,
                   int components)
{
    if (*buffer == 0)
        gl->glGenBuffers(1, buffer);
    gl->glBindBuffer(GL_ARRAY_BUFFER, *buffer);
    gl->glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(bytes), data, GL_DYNAMIC_DRAW);
    gl->glVertexAttribPointer(index, components, GL_FLOAT, GL_FALSE, 0, nullptr);
    gl->glEnableVertexAttribArray(index);
}

} // namespace

uint32_t avSetupVertexArray(uint32_t* vertexArray, size_t positionBytes, const float* positions,
                            int positionComponents, size_t texCoordBytes, const float* texCoords,
                            int texCoordComponents, uint32_t* positionBuffer, uint32_t* texCoordBuffer)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    if (!gl)
        return 0;
    if (*vertexArray == 0)
        gl->glGenVertexArrays(1, vertexArray);
    gl->glBindVertexArray(*vertexArray);
    avSetupVertexBuffers(positionBytes, positions, positionComponents, texCoordBytes, texCoords,
                         texCoordComponents, positionBuffer, texCoordBuffer);
    return *vertexArray;
}

void avSetupVertexBuffers(size_t positionBytes, const float* positions, int positionComponents,
                          size_t texCoordBytes, const float* texCoords, int texCoordComponents,
                          uint32_t* positionBuffer, uint32_t* texCoordBuffer)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    if (!gl)
        return;
    fillAttribute(gl, 0, positionBuffer, positionBytes, positions, positionComponents);
    fillAttribute(gl, 1, texCoordBuffer, texCoordBytes, texCoords, texCoordComponents);
    gl->glBindBuffer(GL_ARRAY_BUFFER, 0);
}

void avDeleteVertexArray(uint32_t* vertexArray, uint32_t* positionBuffer, uint32_t* texCoordBuffer)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    if (!gl)
        return;
    if (*vertexArray != 0)
        gl->glDeleteVertexArrays(1, vertexArray);
    if (*positionBuffer != 0)
        gl->glDeleteBuffers(1, positionBuffer);
    if (*texCoordBuffer != 0)
        gl->glDeleteBuffers(1, texCoordBuffer);
    *vertexArray = *positionBuffer = *texCoordBuffer = 0;
}
