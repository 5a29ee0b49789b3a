#pragma once

#include <cstddef>
#include <cstdint>

// Vertex data of a draw site: attribute 0 holds positions and attribute 1
// texture coordinates, each from a buffer of its own refilled on every draw
// (GL_DYNAMIC_DRAW). Names are created on first use and kept.

// Creates the site's vertex array and buffers when their names are 0, binds
// the vertex array and fills both buffers; the array stays bound for the
// draw. Returns the vertex array name.
uint32_t avSetupVertexArray(uint32_t* vertexArray, size_t positionBytes, const float* positions,
                            int positionComponents, size_t texCoordBytes, const float* texCoords,
                            int texCoordComponents, uint32_t* positionBuffer, uint32_t* texCoordBuffer);
// The same into the vertex array bound by the caller.
void avSetupVertexBuffers(size_t positionBytes, const float* positions, int positionComponents,
                          size_t texCoordBytes, const float* texCoords, int texCoordComponents,
                          uint32_t* positionBuffer, uint32_t* texCoordBuffer);
// Deletes whichever of the three names is not 0 and sets it to 0.
void avDeleteVertexArray(uint32_t* vertexArray, uint32_t* positionBuffer, uint32_t* texCoordBuffer);
