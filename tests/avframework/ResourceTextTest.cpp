#include "AVResourceText.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

const uint8_t kZeroKey[4] = {0, 0, 0, 0};

std::string decode(const std::string& text, const uint8_t* key)
{
    const int32_t size = base64XorDecode(text.data(), int(text.size()), nullptr, key);
    // Guard bytes after the sized area catch any write past the returned size.
    std::vector<uint8_t> out(size_t(size) + 8, 0xee);
    const int32_t written = base64XorDecode(text.data(), int(text.size()), out.data(), key);
    EXPECT_EQ(written, size) << "sizing and decoding disagree for \"" << text << "\"";
    for (size_t i = size_t(size); i < out.size(); ++i)
        EXPECT_EQ(out[i], 0xee) << "write past the sized result for \"" << text << "\"";
    return std::string(out.begin(), out.begin() + written);
}

TEST(ResourceText, ZeroKeyIsPlainBase64)
{
    // The test vectors of RFC 4648, section 10.
    const std::pair<const char*, const char*> vectors[] = {
        {"", ""},
        {"Zg==", "f"},
        {"Zm8=", "fo"},
        {"Zm9v", "foo"},
        {"Zm9vYg==", "foob"},
        {"Zm9vYmE=", "fooba"},
        {"Zm9vYmFy", "foobar"},
    };
    for (const auto& [encoded, plain] : vectors)
        EXPECT_EQ(decode(encoded, kZeroKey), plain) << encoded;
}

TEST(ResourceText, GroupSizes)
{
    EXPECT_EQ(base64XorDecode("QUJD", 4, nullptr, kZeroKey), 3);
    EXPECT_EQ(base64XorDecode("QUI=", 4, nullptr, kZeroKey), 2);
    EXPECT_EQ(decode("QUI=", kZeroKey), "AB");
    EXPECT_EQ(decode("=QUJD", kZeroKey), "");
}

TEST(ResourceText, UnpaddedTailsSizeWhatTheyDecode)
{
    // "Zm9vYg" and "Zm9vYmE" lack their padding: the sized result must
    // cover every byte written (the decode helper checks the guard bytes).
    EXPECT_EQ(decode("Zm9vYg", kZeroKey), "foob");
    EXPECT_EQ(decode("Zm9vYmE", kZeroKey), "fooba");
    EXPECT_EQ(decode("Zm9vY", kZeroKey), "foo"); // a lone sextet carries no byte
}

TEST(ResourceText, TrailingNulAndEndCharacters)
{
    const char withNul[] = "Zm9v"; // sizeof includes the NUL
    EXPECT_EQ(base64XorDecode(withNul, int(sizeof(withNul)), nullptr, kZeroKey), 3);
    // A character of code 123 or more ends the input.
    EXPECT_EQ(decode("Zm9v{Zm9v", kZeroKey), "foo");
    // Other foreign characters count as 0 and are not skipped.
    EXPECT_EQ(decode("Zm9v\nAAA", kZeroKey), std::string("foo") + std::string(3, '\0'));
}

TEST(ResourceText, KeyPositionRunsAcrossGroups)
{
    const uint8_t key[4] = {1, 2, 3, 4};
    // "AAAAAAAA" is six zero bytes: they decode to the key repeated.
    const std::string bytes = decode("AAAAAAAA", key);
    ASSERT_EQ(bytes.size(), 6u);
    const uint8_t expected[6] = {1, 2, 3, 4, 1, 2};
    EXPECT_EQ(std::memcmp(bytes.data(), expected, 6), 0);
}

TEST(ResourceText, EncodeRoundTripsWithTheDefaultKey)
{
    for (size_t length : {0u, 1u, 2u, 3u, 4u, 5u, 31u, 1000u}) {
        std::string data;
        for (size_t i = 0; i < length; ++i)
            data += char((i * 37 + 11) & 0xff);
        const std::string text = base64XorEncode(reinterpret_cast<const uint8_t*>(data.data()), data.size(), nullptr);
        EXPECT_EQ(text.size() % 4, 0u);
        EXPECT_EQ(text.find('\n'), std::string::npos);
        EXPECT_EQ(decode(text, nullptr), data) << "length " << length;
    }
    // With a zero key the encoder is plain base64.
    const std::string foobar = "foobar";
    EXPECT_EQ(base64XorEncode(reinterpret_cast<const uint8_t*>(foobar.data()), 5, kZeroKey), "Zm9vYmE=");
}

TEST(ResourceText, CompiledInShaderDescramblesToItsSource)
{
    const QString name = "vertex_fullscreen_quad.glsl";
    QFile stored(":/shaders/shaders/" + name);
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly)) << "the scrambled shader is not among the resources";
    const QByteArray text = stored.readAll();
    ASSERT_FALSE(text.contains("gl_Position")) << "the shader is stored in plain text";

    QFile source(QStringLiteral(VIDORNA_SHADER_SOURCE_DIR "/") + name);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const std::string decoded = decode(text.toStdString(), nullptr);
    EXPECT_EQ(decoded, source.readAll().toStdString());
}

} // namespace
