#include "AVImageServices.h"

#include "TestMedia.h"

#include <QColorSpace>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

struct FreeBuffer {
    void operator()(AVPixelBuffer* buffer) const { avPixelBufferFree(buffer); }
};
using Buffer = std::unique_ptr<AVPixelBuffer, FreeBuffer>;

// BGRA bytes of a buffer's pixel.
const uint8_t* pixel(const AVPixelBuffer* buffer, uint32_t x, uint32_t y)
{
    return buffer->data + (size_t(y) * buffer->width + x) * 4;
}

bool isRed(const uint8_t* bgra)
{
    return bgra[2] > 200 && bgra[1] < 60 && bgra[0] < 60 && bgra[3] == 255;
}

bool isGreen(const uint8_t* bgra)
{
    return bgra[1] > 90 && bgra[2] < 60 && bgra[0] < 60;
}

Buffer read(const QString& name, int32_t* error, bool scaleAfterDecoding = false)
{
    int32_t rotation = -1;
    Buffer buffer(avReadImageFile(TestMedia::path(name).toUtf8().constData(), &rotation, error,
                                  scaleAfterDecoding));
    if (buffer) {
        EXPECT_EQ(rotation, 0);
    }
    return buffer;
}

class ImageServices : public ::testing::Test {
protected:
    void SetUp() override { avSetImageServicesCompositionSize(1920, 1080); }
    void TearDown() override
    {
        avSetImageServicesCompositionSize(0, 0);
        avSetImageRequestCallback(nullptr, nullptr);
    }
};

} // namespace

TEST_F(ImageServices, LargePhotoIsDecodedAtTheCompositionsLongSide)
{
    for (const bool scaleAfterDecoding : {false, true}) {
        int32_t error = -1;
        const Buffer photo = read("photo_4000x3000.jpg", &error, scaleAfterDecoding);
        ASSERT_TRUE(photo) << "error " << error;
        EXPECT_EQ(photo->width, 1920u);
        EXPECT_EQ(photo->height, 1440u);
        EXPECT_EQ(photo->format, AVPixelFormatBGRA32);
        EXPECT_TRUE(isRed(pixel(photo.get(), 10, 10)));
        EXPECT_TRUE(isGreen(pixel(photo.get(), 1910, 1430)));
    }
}

TEST_F(ImageServices, SmallPictureKeepsItsSizeAndRotatedPhotoComesUpright)
{
    int32_t error = -1;
    const Buffer small = read("picture.png", &error);
    ASSERT_TRUE(small);
    EXPECT_EQ(small->width, 320u);
    EXPECT_EQ(small->height, 240u);
    EXPECT_TRUE(isRed(pixel(small.get(), 5, 5)));

    const Buffer upright = read("exif_rotated.jpg", &error);
    ASSERT_TRUE(upright);
    EXPECT_EQ(upright->width, 320u);
    EXPECT_EQ(upright->height, 240u);
    EXPECT_TRUE(isRed(pixel(upright.get(), 10, 10)));
    EXPECT_TRUE(isGreen(pixel(upright.get(), 310, 230)));
}

TEST_F(ImageServices, UnreadableFilesReportWhy)
{
    int32_t error = 0;
    EXPECT_FALSE(read("tone440.wav", &error));
    EXPECT_EQ(error, 2) << "not a picture";
    EXPECT_FALSE(read("no-such-file.png", &error));
    EXPECT_EQ(error, 2);
    EXPECT_FALSE(read("truncated.png", &error));
    EXPECT_EQ(error, 1) << "a picture that fails to decode";
}

TEST_F(ImageServices, RequestedPicturesAdoptTheApplicationsBytes)
{
    struct Request {
        int32_t segment, time, maxWidth, maxHeight;
        int32_t width, height;  // what the application answers
    };
    static Request last;
    avSetImageRequestCallback(
        [](void* owner, int32_t segment, int32_t time, int32_t maxWidth, int32_t maxHeight, int32_t* width,
           int32_t* height) -> uint8_t* {
            auto* request = static_cast<Request*>(owner);
            *request = {segment, time, maxWidth, maxHeight, request->width, request->height};
            *width = request->width;
            *height = request->height;
            if (request->width == -1)
                return nullptr;
            auto* bytes = static_cast<uint8_t*>(std::malloc(16 * 4));
            std::memset(bytes, 0x7f, 16 * 4);
            return bytes;
        },
        &last);

    int32_t error = -1;
    last.width = 4;
    last.height = 4;
    const Buffer picture(avRequestImage(7, 1500, &error));
    ASSERT_TRUE(picture);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(picture->width, 4u);
    EXPECT_EQ(picture->data[63], 0x7f);
    EXPECT_EQ(last.segment, 7);
    EXPECT_EQ(last.time, 1500);
    EXPECT_EQ(last.maxWidth, 1920);
    EXPECT_EQ(last.maxHeight, 1080);

    last.width = 0;
    EXPECT_FALSE(Buffer(avRequestImage(7, 0, &error)));
    EXPECT_EQ(error, 1);
    last.width = -1;
    EXPECT_FALSE(Buffer(avRequestImage(7, 0, &error)));
    EXPECT_EQ(error, 2);
}

TEST_F(ImageServices, WideGamutPicturesArriveInSrgb)
{
    QTemporaryDir folder;
    QImage wide(8, 8, QImage::Format_RGB32);
    wide.fill(QColor(40, 160, 90));
    wide.setColorSpace(QColorSpace::AdobeRgb);
    const QString path = folder.filePath("adobe.png");
    ASSERT_TRUE(wide.save(path));
    if (!QImage(path).colorSpace().isValid())
        GTEST_SKIP() << "this Qt does not store colour spaces in PNG files";

    int32_t error = -1;
    const Buffer picture(avReadImageFile(path.toUtf8().constData(), nullptr, &error, false));
    ASSERT_TRUE(picture);
    const QRgb expected = wide.convertedToColorSpace(QColorSpace::SRgb).pixel(0, 0);
    const uint8_t* converted = pixel(picture.get(), 3, 3);
    EXPECT_NEAR(converted[2], qRed(expected), 1);
    EXPECT_NEAR(converted[1], qGreen(expected), 1);
    EXPECT_NEAR(converted[0], qBlue(expected), 1);
    EXPECT_NE(converted[2], 40) << "the Adobe RGB values were taken as sRGB";
}

TEST_F(ImageServices, ThinPictureWiderThanTheCompositionKeepsAtLeastOneRow)
{
    QTemporaryDir folder;
    QImage line(4000, 2, QImage::Format_RGB32);
    line.fill(QColor(255, 0, 0));
    const QString path = folder.filePath("line.png");
    ASSERT_TRUE(line.save(path));
    for (const bool scaleAfterDecoding : {false, true}) {
        int32_t error = -1;
        const Buffer picture(avReadImageFile(path.toUtf8().constData(), nullptr, &error, scaleAfterDecoding));
        ASSERT_TRUE(picture) << "error " << error;
        EXPECT_EQ(picture->width, 1920u);
        EXPECT_EQ(picture->height, 1u);
        EXPECT_TRUE(isRed(pixel(picture.get(), 1000, 0)));
    }
}

TEST_F(ImageServices, CustomPrimariesAreKeptOnlyWithAnSrgbLikeGamma)
{
    QTemporaryDir folder;
    const QPointF white(0.3127, 0.3290), red(0.66, 0.33), green(0.28, 0.62), blue(0.15, 0.07);
    // The toolkit states gammas as decoding exponents: 2.2 is sRGB-like,
    // 0.45 (the inverse curve) is not.
    for (const float gamma : {2.2f, 0.45f}) {
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(QColor(40, 160, 90));
        picture.setColorSpace(QColorSpace(white, red, green, blue, QColorSpace::TransferFunction::Gamma, gamma));
        const QString path = folder.filePath(QStringLiteral("gamma%1.png").arg(double(gamma)));
        ASSERT_TRUE(picture.save(path));
        if (QImage(path).colorSpace().primaries() != QColorSpace::Primaries::Custom)
            GTEST_SKIP() << "this Qt does not store custom colour spaces in PNG files";

        int32_t error = -1;
        const Buffer read(avReadImageFile(path.toUtf8().constData(), nullptr, &error, false));
        ASSERT_TRUE(read);
        const uint8_t* bgra = pixel(read.get(), 4, 4);
        const bool kept = bgra[2] == 40 && bgra[1] == 160 && bgra[0] == 90;
        EXPECT_EQ(kept, gamma > 1.0f) << "gamma " << gamma;
    }
}
