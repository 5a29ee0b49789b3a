#version 150 core

precision highp float;

// RGB to packed Y'CbCr 4:4:4 with alpha: each output pixel holds (Y, Cb, Cr,
// A) in its red, green, blue and alpha channels, BT.709 limited range. Read
// back as BGRA bytes the frame is FFmpeg's VUYA layout (Cr, Cb, Y, A). The
// premultiplied colour is converted as it is, i.e. as composed over black.
in vec2 textureCoordinate;
out vec4 fragColor;
uniform sampler2D Sampler;
// The output size in pixels.
uniform float width;
uniform float height;

void main()
{
    vec4 rgba = texture(Sampler, textureCoordinate);
    float y = dot(rgba.rgb, vec3(0.2126, 0.7152, 0.0722));
    float cb = (rgba.b - y) / 1.8556;
    float cr = (rgba.r - y) / 1.5748;
    fragColor = vec4(16.0 / 255.0 + y * (219.0 / 255.0), 128.0 / 255.0 + cb * (224.0 / 255.0),
                     128.0 / 255.0 + cr * (224.0 / 255.0), rgba.a);
}
