#version 150 core

// Besides the texel's own coordinate, hands on the coordinates of its four
// diagonal neighbours, which the anti-aliasing compares for edges.
in vec2 position;
in vec2 texCoord;
uniform mat4 renderTransform;
uniform mat4 projectionTransform;
uniform float rt_w;
uniform float rt_h;
out vec2 textureCoordinate;
out vec2 northWest;
out vec2 northEast;
out vec2 southWest;
out vec2 southEast;

void main()
{
    vec2 texel = vec2(1.0 / rt_w, 1.0 / rt_h);
    textureCoordinate = texCoord;
    northWest = texCoord + vec2(-texel.x, texel.y);
    northEast = texCoord + texel;
    southWest = texCoord - texel;
    southEast = texCoord + vec2(texel.x, -texel.y);
    gl_Position = projectionTransform * renderTransform * vec4(position, 0.0, 1.0);
}
