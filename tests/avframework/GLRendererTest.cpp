#include "GLTestContext.h"
#include "ShaderSet.h"

#include "AVGLOutputOwner.h"
#include "AVShaderSource.h"

#include <QFile>

#include <map>
#include <string>

namespace {

// Program names the context knows, among the first few thousand.
int livePrograms(QOpenGLFunctions_3_2_Core* gl)
{
    int count = 0;
    for (GLuint name = 1; name < 4096; ++name)
        count += gl->glIsProgram(name) ? 1 : 0;
    return count;
}

QByteArray storedShader(const char* name)
{
    QFile file(QStringLiteral(":/shaders/shaders/%1").arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

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

TEST_F(GLTest, MissingShaderFailsCreationWithoutLeakingPrograms)
{
    const int before = livePrograms(gl);
    EXPECT_EQ(before, kAVFixedProgramCount);
    // A set that lacks the last program's shader.
    useShaderSet(QStringLiteral(VIDORNA_INCOMPLETE_SHADERS_RCC));
    AVGLRenderer* incomplete = AVGLRenderer::create(nullptr);
    restoreShaderSet(QStringLiteral(VIDORNA_INCOMPLETE_SHADERS_RCC));
    EXPECT_EQ(incomplete, nullptr);
    EXPECT_EQ(livePrograms(gl), before) << "the 22 programs built before the failure were left behind";
    AVGLRenderer::destroy(incomplete);
}

TEST_F(GLTest, ShaderRefusedAtHighPrecisionIsRetriedAtMediumPrecision)
{
    // "highp_scale" is undeclared until the retry turns it into "mediump_scale".
    const char* source = "#version 150 core\nout vec4 colour;\nconst float mediump_scale = 0.5;\n"
                         "void main() { colour = vec4(highp_scale); }\n";
    GLuint shader = 0;
    ASSERT_TRUE(avCompileShader(&shader, GL_FRAGMENT_SHADER, source));
    EXPECT_TRUE(gl->glIsShader(shader));
    gl->glDeleteShader(shader);
    EXPECT_FALSE(avCompileShader(&shader, GL_FRAGMENT_SHADER, "#version 150 core\nvoid main() { nonsense; }\n"));
    EXPECT_EQ(shader, 0u);
    EXPECT_FALSE(avCompileShader(&shader, GL_VERTEX_SHADER, nullptr));
}

TEST(ShaderSource, DecodesTheSourceAndRefusesAStoredTextAsLongAsTheBuffer)
{
    const QByteArray stored = storedShader("fragment_fill.glsl");
    ASSERT_FALSE(stored.isEmpty());
    QFile source(QStringLiteral(VIDORNA_SHADER_SOURCE_DIR "/fragment_fill.glsl"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray plain = source.readAll();

    std::string buffer(size_t(stored.size()) + 1, '\x7f');
    EXPECT_EQ(avLoadShaderSource(nullptr, "fragment_fill.glsl", buffer.data(), stored.size()), 0);
    const int32_t length = avLoadShaderSource(nullptr, "fragment_fill.glsl", buffer.data(), stored.size() + 1);
    ASSERT_EQ(length, plain.size());
    EXPECT_EQ(QByteArray(buffer.c_str()), plain);
    EXPECT_EQ(avLoadShaderSource(nullptr, "no_such_shader.glsl", buffer.data(), int32_t(buffer.size())), 0);
}

TEST_F(GLTest, WithoutARecordTheOwnersFramebufferIsBound)
{
    AVGLFramebuffer* preview = avFramebufferCreate(32, 32, false);
    struct Preview : AVGLOutputOwner {
        uint32_t name = 0;
        uint32_t defaultFramebufferObject() const override { return name; }
    } owner;
    owner.name = preview->framebuffer;
    renderer->owner = &owner;
    gl->glBindFramebuffer(GL_FRAMEBUFFER, 0);
    EXPECT_EQ(AVGLRenderer::bindFramebuffer(renderer, nullptr), 1u);
    GLint bound = 0;
    gl->glGetIntegerv(GL_FRAMEBUFFER_BINDING, &bound);
    EXPECT_EQ(GLuint(bound), preview->framebuffer);
    EXPECT_EQ(AVGLRenderer::outputFramebuffer(renderer), nullptr);
    renderer->owner = nullptr;
    avFramebufferFree(preview);
}

TEST_F(GLTest, NoSlotOfAFixedProgramPointsAtAnotherUniform)
{
    // Drawing code sets a slot on whatever program is in use; a slot the
    // program did not ask for must not alias one of its real uniforms.
    for (int i = 0; i < kAVFixedProgramCount; ++i) {
        const AVGLProgram& program = renderer->programs[i];
        GLint count = 0;
        gl->glGetProgramiv(program.program, GL_ACTIVE_UNIFORMS, &count);
        std::map<GLint, std::string> nameAt;
        for (GLint u = 0; u < count; ++u) {
            char name[64];
            GLint size = 0;
            GLenum type = 0;
            gl->glGetActiveUniform(program.program, GLuint(u), sizeof name, nullptr, &size, &type, name);
            nameAt[gl->glGetUniformLocation(program.program, name)] = name;
        }
        for (int slot = 0; slot < kAVUniformSlotCount; ++slot) {
            const GLint location = program.locations[slot];
            if (location < 0)
                continue;
            const char* expected = slot == AVUniformSamplerU && nameAt[location] == "SamplerUV"
                ? "SamplerUV" : avUniformName(slot);
            EXPECT_STREQ(nameAt[location].c_str(), expected) << "program " << i << ", slot " << slot;
        }
    }
}
