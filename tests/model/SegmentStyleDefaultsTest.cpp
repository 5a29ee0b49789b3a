#include "DrawingSegment.h"
#include "ImageSegment.h"
#include "IsolatedSettings.h"
#include "LayerSegment.h"
#include "MovieSegment.h"
#include "SegmentKeys.h"
#include "SegmentStyleDefaults.h"
#include "TextSegment.h"

#include <QFileInfo>
#include <QSettings>

#include <gtest/gtest.h>

namespace {

// Every test starts from an empty store and the defaults of the table.
class SegmentStyleDefaultsTest : public ::testing::Test
{
protected:
    void SetUp() override { SegmentStyleDefaults::reset(); }
    void TearDown() override { SegmentStyleDefaults::reset(); }

    static QVariant stored(const char* key)
    {
        QSettings store;
        return store.value(QStringLiteral("User/") + QLatin1String(key));
    }

    IsolatedSettings _settings;
};

TEST_F(SegmentStyleDefaultsTest, EmptyStoreGivesTheDefaultLook)
{
    LayerSegment image(nullptr);
    SegmentStyleDefaults::instance()->applyToImageSegment(&image);
    EXPECT_EQ(image.borderColor(), 0xFFFFFFFFu);
    EXPECT_FLOAT_EQ(image.shadowRadiusFraction(), 0.003125f);
    EXPECT_EQ(image.keyColor(), 0xFF00FF00u);
    EXPECT_EQ(Segment::stringAttribute(image.attributes(), SegmentKey::ShadowPixelOffset), "{0,0}");
}

TEST_F(SegmentStyleDefaultsTest, AbsoluteValuesStandInOnlyForAZeroFraction)
{
    {
        QSettings store;
        store.setValue("User/ImageBorderSize", 6.0);
        store.setValue("User/ImageBorderSizeFraction", 0.0);
        store.setValue("User/MovieBorderSizeFraction", 0.0);
    }
    SegmentStyleDefaults* defaults = SegmentStyleDefaults::instance();
    defaults->load();
    LayerSegment image(nullptr);
    defaults->applyToImageSegment(&image);
    EXPECT_EQ(image.borderWidth(), 6);
    // Movies have no absolute border.
    LayerSegment movie(nullptr);
    defaults->applyToMovieSegment(&movie);
    EXPECT_EQ(movie.attributes()->findText(SegmentKey::BorderWidth), nullptr);
    EXPECT_EQ(movie.attributes()->findText(SegmentKey::ShadowPixelOffset), nullptr);

    defaults->setImageBorderSizeFraction(0.02f);
    EXPECT_EQ(defaults->imageBorderSize, 6); // kept
    LayerSegment withFraction(nullptr);
    defaults->applyToImageSegment(&withFraction);
    EXPECT_FLOAT_EQ(withFraction.borderWidthFraction(), 0.02f);
    EXPECT_EQ(withFraction.attributes()->findText(SegmentKey::BorderWidth), nullptr);
    defaults->setImageBorderSizeFraction(0);
    EXPECT_EQ(defaults->imageBorderSize, 0);
}

TEST_F(SegmentStyleDefaultsTest, SaveRoundTripsThroughTheStoreOnlyWhenChanged)
{
    SegmentStyleDefaults* defaults = SegmentStyleDefaults::instance();
    defaults->save();
    EXPECT_FALSE(stored("TextSize").isValid()); // nothing changed, nothing written

    defaults->setTextSize(96, QSizeF(1920, 1080));
    defaults->setTextFont(QStringLiteral("DejaVu Sans"), QStringLiteral("Bold"));
    defaults->setTextBackColor(0x80102030);
    defaults->setDrawingBorderStroke(true);
    defaults->setMovieShadowOffsetFraction(QSizeF(0.01, -0.02));
    defaults->setChromaKeySensitivity(55);
    EXPECT_TRUE(defaults->isDirty());
    defaults->save();
    EXPECT_FALSE(defaults->isDirty());
    EXPECT_EQ(stored("TextBackColor").toUInt(), 0x80102030u);

    // What the store holds comes back into every field.
    static_cast<SegmentStyleValues&>(*defaults) = SegmentStyleValues();
    defaults->load();
    EXPECT_EQ(defaults->textSize, 96);
    EXPECT_EQ(defaults->textVideoSize, QSizeF(1920, 1080));
    EXPECT_EQ(defaults->textStyle, "Bold");
    EXPECT_EQ(defaults->textBackColor, 0x80102030u);
    EXPECT_TRUE(defaults->drawingBorderStroke);
    EXPECT_EQ(defaults->movieShadowOffsetFraction, QSizeF(0.01, -0.02));
    EXPECT_EQ(defaults->chromaKeySensitivity, 55);

    // Reset keeps the object that windows hold, with the defaults, and empties the store.
    SegmentStyleDefaults::reset();
    EXPECT_EQ(SegmentStyleDefaults::instance(), defaults);
    EXPECT_EQ(defaults->textSize, 80);
    EXPECT_EQ(defaults->chromaKeySensitivity, 40);
    EXPECT_FALSE(stored("TextSize").isValid());
}

TEST_F(SegmentStyleDefaultsTest, TextGetsItsSizeForTheRememberedVideoSize)
{
    SegmentStyleDefaults* defaults = SegmentStyleDefaults::instance();
    TextSegment plain(QStringLiteral("a"), 0, 1, nullptr, defaults);
    EXPECT_EQ(plain.attributes()->findText(SegmentKey::VideoSize), nullptr);
    EXPECT_EQ(plain.attributes()->findText(SegmentKey::BorderStrokeTolerance), nullptr);

    defaults->setTextSize(90, QSizeF(1920, 1080));
    defaults->setTextBackColorAlpha(0.5f);
    defaults->setTextShadowOffsetFraction(QSizeF(0.01, 0.01));
    TextSegment sized(QStringLiteral("b"), 0, 1, nullptr, defaults);
    EXPECT_FLOAT_EQ(sized.fontSize(QSizeF(1920, 1080)), 90);
    EXPECT_FLOAT_EQ(sized.fontSize(QSizeF(1280, 720)), 60);
    EXPECT_EQ(sized.backColor(), 0x7FFF00FFu);
    EXPECT_EQ(sized.attributes()->findText(SegmentKey::ShadowPixelOffset), nullptr);
}

TEST_F(SegmentStyleDefaultsTest, NewSegmentsFromFilesTakeTheLookOfTheirKind)
{
    SegmentStyleDefaults* defaults = SegmentStyleDefaults::instance();
    defaults->setImageBorderColor(0xFF112233);
    defaults->setDrawingBorderColor(0xFF445566);
    defaults->setMovieBorderColor(0xFF778899);
    defaults->setMovieCornerRadiusFraction(0.05f);
    defaults->setChromaKeySmoothing(12);

    ImageSegment image(QStringLiteral("/nowhere/a.png"), 0, 5, nullptr, defaults);
    EXPECT_EQ(image.borderColor(), 0xFF112233u);
    EXPECT_EQ(image.keySmoothing(), 12);
    MovieSegment movie(QStringLiteral("/nowhere/a.mp4"), 0, nullptr, defaults);
    EXPECT_EQ(movie.borderColor(), 0xFF778899u);
    EXPECT_FLOAT_EQ(movie.cornerRadiusFraction(), 0.05f);
    DrawingSegment drawing(QSizeF(64, 36), 0, 5, nullptr, defaults);
    EXPECT_EQ(drawing.borderColor(), 0xFF445566u);

    // Without defaults (a copy, a reopened project) nothing is written.
    MovieSegment plain(QStringLiteral("/nowhere/a.mp4"), 0, nullptr);
    EXPECT_EQ(plain.attributes()->findText(SegmentKey::BorderColor), nullptr);
}

TEST_F(SegmentStyleDefaultsTest, ColourWrittenAsSignedNumberKeepsItsValue)
{
    {
        // As a store file holds it: text, with the opaque colour negative.
        QSettings store;
        store.setValue("User/ImageBorderColor", QStringLiteral("-16711936"));
        store.setValue("User/TextColor", QStringLiteral("4278190335"));
    }
    SegmentStyleDefaults* defaults = SegmentStyleDefaults::instance();
    defaults->load();
    EXPECT_EQ(defaults->imageBorderColor, 0xFF00FF00u);
    EXPECT_EQ(defaults->textColor, 0xFF0000FFu);
}

} // namespace
