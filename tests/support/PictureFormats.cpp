#include "PictureFormats.h"

#include "TestMedia.h"

#include <QColor>
#include <QFileInfo>

#include <cstdlib>

namespace PictureFormats {

namespace {

// Lossy formats (JPEG, WebP, HEIC) and scaling shift colours a little; a
// picture read wrongly, flipped or not at all is off by far more.
constexpr int kTolerance = 48;

struct Marks {
    QColor topLeft;
    QColor bottomRight;
    QColor background;
};

Marks marksOf(const std::string& extension)
{
    if (extension == "pbm" || extension == "xbm")
        return {Qt::black, Qt::white, Qt::white};
    if (extension == "pgm")
        return {Qt::black, Qt::white, QColor(128, 128, 128)};
    return {Qt::red, QColor(0, 128, 0), Qt::blue};
}

bool near(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) <= kTolerance && std::abs(a.green() - b.green()) <= kTolerance
        && std::abs(a.blue() - b.blue()) <= kTolerance;
}

} // namespace

const std::vector<std::string>& extensions()
{
    static const std::vector<std::string> all = {"png", "gif", "jpg", "jpeg", "bmp", "dib", "pbm", "pgm",
                                                 "ppm", "xbm", "xpm", "svg", "tiff", "tif", "webp", "heic"};
    return all;
}

QString fixture(const std::string& extension)
{
    return TestMedia::path(QStringLiteral("formats/marks.") + QString::fromStdString(extension));
}

QString missingReason(const std::string& extension)
{
    if (QFileInfo::exists(fixture(extension)))
        return QString();
    const QString tool = extension == "heic" ? QStringLiteral("heif-enc (libheif-examples)")
                                             : QStringLiteral("its tool");
    return QStringLiteral("no %1: %2 was missing when the fixtures were made").arg(fixture(extension), tool);
}

::testing::AssertionResult showsMarks(const QImage& image, const QRectF& area, const std::string& extension)
{
    if (image.isNull())
        return ::testing::AssertionFailure() << "no picture";
    const Marks marks = marksOf(extension);
    // The middle of each mark, and the middle of the picture.
    const struct {
        const char* where;
        QPointF at;
        QColor expected;
    } samples[] = {{"top left", {0.125, 0.125}, marks.topLeft},
                   {"bottom right", {0.875, 0.875}, marks.bottomRight},
                   {"middle", {0.5, 0.5}, marks.background}};
    for (const auto& sample : samples) {
        const QPoint pixel(int(area.x() + sample.at.x() * area.width()), int(area.y() + sample.at.y() * area.height()));
        const QColor actual = image.pixelColor(pixel);
        if (!near(actual, sample.expected))
            return ::testing::AssertionFailure()
                << sample.where << " at (" << pixel.x() << ", " << pixel.y() << ") is "
                << actual.name().toStdString() << ", expected " << sample.expected.name().toStdString();
    }
    return ::testing::AssertionSuccess();
}

std::string testName(const ::testing::TestParamInfo<std::string>& info)
{
    return info.param;
}

} // namespace PictureFormats
