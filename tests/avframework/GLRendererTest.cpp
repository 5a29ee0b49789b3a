#include "GLTestContext.h"

#include "AVShaderSource.h"

#include <QFile>
#include <QResource>

#include <string>

TEST_F(GLTest, RendererBuildsEveryFixedProgram)
{
    for (int i = 0; i < kAVFixedProgramCount; ++i) {
        EXPECT_NE(renderer->programs[i].program, 0u) << "program " << i;
        EXPECT_TRUE(gl->glIsProgram(renderer->programs[i].program)) << "program " << i;
    }
    EXPECT_GE(renderer->maxTextureSize, 1024);
    EXPECT_EQ(avGLMaxTextureSize(), renderer->maxTextureSize);
    // Asked-for uniforms the shader uses are found; the slot table is shared.
    const AVGLProgram& fill = renderer->programs[AVProgramFill];
    EXPECT_GE(fill.locations[AVUniformSampler], 0);
    EXPECT_GE(fill.locations[AVUniformProjectionTransform], 0);
    EXPECT_GE(renderer->programs[AVProgramMainNV12].locations[AVUniformSamplerU], 0);
    EXPECT_GE(renderer->programs[AVProgramJfaFlood].locations[AVUniformStepSize], 0);
}
