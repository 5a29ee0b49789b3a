#include "InspectorTestSupport.h"

#include "PopupSliderColor2SlidersWidget.h"
#include "PopupSliderColorWidget.h"
#include "SegmentedControl.h"
#include "TextAlignmentEditingWidget.h"
#include "TextAlignmentEditingWidgetController.h"
#include "TextBackEditingWidgetController.h"
#include "TextFontEditingWidget.h"
#include "TextFontEditingWidgetController.h"
#include "TextSizeEditingWidgetController.h"

#include <QDir>
#include <QFontDatabase>
#include <QMetaMethod>
#include <QPushButton>
#include <QSlider>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <numeric>

using namespace InspectorTest;

namespace {

using Spies = std::vector<std::unique_ptr<QSignalSpy>>;

// Spies on every signal the popup family declares, whatever its name, so
// that a value signal added later is watched as well.
Spies spyOnPopup(CommonSliderColorPopup* popup)
{
    qRegisterMetaType<QImage*>("QImage*");
    qRegisterMetaType<QRect*>("QRect*");
    Spies spies;
    const QMetaObject* meta = popup->metaObject();
    for (int index = CommonSliderColorPopup::staticMetaObject.methodOffset(); index < meta->methodCount(); ++index) {
        if (meta->method(index).methodType() == QMetaMethod::Signal)
            spies.emplace_back(std::make_unique<QSignalSpy>(popup, meta->method(index)));
    }
    return spies;
}

int emissions(const Spies& spies)
{
    return std::accumulate(spies.begin(), spies.end(), 0,
                           [](int sum, const std::unique_ptr<QSignalSpy>& spy) { return sum + spy->size(); });
}

class TextSections : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(320, 700);
        window.setObjectName(QStringLiteral("window"));
        window.setStyleSheet(QStringLiteral("#window { background-color: rgb(7,8,10); }"));
        new QVBoxLayout(&window);
        window.show();
        words = text();
        textSegment()->setFontSizeForVideoSize(48.0f, QSizeF(1280, 720));
        textSegment()->setColor(qRgb(250, 200, 10));
        textSegment()->setBackColor(qRgb(20, 40, 200));
        textSegment()->setBackOpacity(0.6f);
        textSegment()->setBackInset(0.025f);
        textSegment()->setBackCorner(0.12f);
    }
    TextSegment* textSegment() { return static_cast<TextSegment*>(words.get()); }
    void stack(CommonEditingWidgetController& section)
    {
        window.layout()->addWidget(section.widget());
        window.layout()->addWidget(section.separator());
    }

    QWidget window;
    std::unique_ptr<Segment> words;
};

QPoint segmentCentre(const SegmentedControl* control, int index, int count)
{
    const int width = control->width() / count;
    return QPoint(width * index + width / 2, control->height() / 2);
}

} // namespace

TEST_F(TextSections, OfferedForTextsOnly)
{
    auto photo = picture();
    auto song = music();
    EXPECT_TRUE(TextSizeEditingWidgetController::appliesTo(words.get()));
    EXPECT_TRUE(TextFontEditingWidgetController::appliesTo(words.get()));
    EXPECT_TRUE(TextAlignmentEditingWidgetController::appliesTo(words.get()));
    EXPECT_TRUE(TextBackEditingWidgetController::appliesTo(words.get()));
    for (const Segment* other : {photo.get(), song.get()}) {
        EXPECT_FALSE(TextSizeEditingWidgetController::appliesTo(other));
        EXPECT_FALSE(TextFontEditingWidgetController::appliesTo(other));
        EXPECT_FALSE(TextAlignmentEditingWidgetController::appliesTo(other));
        EXPECT_FALSE(TextBackEditingWidgetController::appliesTo(other));
    }
}

TEST_F(TextSections, StackInTheirOrderWithTheirHeights)
{
    TextSizeEditingWidgetController size(&window);
    TextFontEditingWidgetController font(&window);
    TextAlignmentEditingWidgetController alignment(&window);
    TextBackEditingWidgetController back(&window);
    for (CommonEditingWidgetController* section :
         std::initializer_list<CommonEditingWidgetController*>{&size, &font, &alignment, &back})
        stack(*section);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    EXPECT_EQ(size.displayOrder(), 30);
    EXPECT_EQ(font.displayOrder(), 40);
    EXPECT_EQ(alignment.displayOrder(), 50);
    EXPECT_EQ(back.displayOrder(), 120);
    EXPECT_EQ(size.sectionHeight(), 101);
    EXPECT_EQ(font.sectionHeight(), 66);
    EXPECT_EQ(alignment.sectionHeight(), 61);
    EXPECT_EQ(back.sectionHeight(), 255);
    EXPECT_EQ(alignment.alignmentWidget()->findChild<SegmentedControl*>()->size(), QSize(180, 30));

    size.updateValues(words.get(), kCanvas);
    font.updateValues(words.get());
    alignment.updateValues(words.get());
    back.updateValues(words.get(), kCanvas);
    QDir().mkpath(VIDORNA_ARTEFACT_DIR);
    window.grab().save(QString(VIDORNA_ARTEFACT_DIR) + "/text-sections.png");

    font.setVisible(false);
    EXPECT_FALSE(font.widget()->isVisibleTo(&window));
    EXPECT_FALSE(font.isVisible());
    font.setVisible(true);
    EXPECT_TRUE(font.widget()->isVisibleTo(&window));
}

TEST_F(TextSections, SizeAndBackgroundFillSilentlyInFramePixels)
{
    TextSizeEditingWidgetController size(&window);
    TextBackEditingWidgetController back(&window);
    const Spies sizeSignals = spyOnPopup(size.popup());
    const Spies backSignals = spyOnPopup(back.popup());
    ASSERT_GT(sizeSignals.size(), 5u);
    for (const auto& spy : backSignals)
        ASSERT_TRUE(spy->isValid());

    size.updateValues(words.get(), kCanvas);
    // The size stored for its own 1280-wide frame, whatever frame is drawn:
    // not 72, its size in the 1920-wide one.
    EXPECT_FLOAT_EQ(size.popup()->value(), 48.0f);
    size.updateValues(words.get(), QSize(960, 540));
    EXPECT_FLOAT_EQ(size.popup()->value(), 48.0f);
    EXPECT_EQ(size.popup()->color(), QColor(250, 200, 10));
    // A title larger than the slider reaches: its end, not the last text's size.
    auto title = text();
    static_cast<TextSegment*>(title.get())->setFontSizeForVideoSize(1200.0f, QSizeF(1280, 720));
    size.updateValues(title.get(), kCanvas);
    EXPECT_FLOAT_EQ(size.popup()->value(), 960.0f);

    back.updateValues(words.get(), kCanvas);
    EXPECT_NEAR(back.popup()->value(), 0.6f, 0.01f);
    EXPECT_FLOAT_EQ(back.popup()->value2(), 48.0f);
    EXPECT_FLOAT_EQ(back.popup()->value3(), 12.0f);
    // The colour button shows the colour itself; the opacity has its slider.
    EXPECT_EQ(back.popup()->color(), QColor(20, 40, 200));

    // A band wider than the slider reaches shows at its end.
    textSegment()->setBackInset(0.1f);
    back.updateValues(words.get(), kCanvas);
    EXPECT_FLOAT_EQ(back.popup()->value2(), 80.0f);

    EXPECT_EQ(emissions(sizeSignals), 0);
    EXPECT_EQ(emissions(backSignals), 0);
}

TEST_F(TextSections, BackgroundOptionsFollowItsOpacity)
{
    TextBackEditingWidgetController back(&window);
    stack(back);
    const auto spacing = back.popup()->findChildren<QSlider*>();
    ASSERT_EQ(spacing.size(), 3);

    back.updateValues(words.get(), kCanvas);
    back.setEditable(nullptr, true);
    EXPECT_TRUE(spacing[1]->isEnabled());

    // Without a band there is nothing to space or round.
    textSegment()->setBackOpacity(0.0f);
    back.updateValues(words.get(), kCanvas);
    back.setEditable(nullptr, true);
    EXPECT_TRUE(spacing[0]->isEnabled());
    EXPECT_FALSE(spacing[1]->isEnabled());
    EXPECT_FALSE(spacing[2]->isEnabled());
}

TEST_F(TextSections, RoundCornerStepButtonsLookLikeTheSpacingOnes)
{
    TextBackEditingWidgetController back(&window);
    stack(back);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // As the window shows it.
    const auto picture = [&](const char* name) {
        const auto* button = back.popup()->findChild<QPushButton*>(QString::fromLatin1(name));
        return button ? window.grab(QRect(button->mapTo(&window, QPoint(0, 0)), button->size())).toImage() : QImage();
    };
    // Without a band the two rows are disabled, with one enabled; the corner at its start and further on.
    for (const auto& [opacity, corner] : {std::pair{0.0f, 0.0f}, std::pair{0.6f, 0.0f}, std::pair{0.6f, 0.31f}}) {
        textSegment()->setBackOpacity(opacity);
        textSegment()->setBackCorner(corner);
        back.updateValues(words.get(), kCanvas);
        back.setEditable(nullptr, true);
        for (const char* side : {"valueDownButton", "valueUpButton"}) {
            const QImage spacing = picture((QByteArray(side) + "2").constData());
            ASSERT_FALSE(spacing.isNull()) << side;
            // A picture at all: the sign in the middle stands out from the corner.
            EXPECT_GT(qGray(spacing.pixel(spacing.rect().center())), qGray(spacing.pixel(2, 2)) + 40) << side;
            EXPECT_TRUE(picture((QByteArray(side) + "3").constData()) == spacing) << side << " at " << corner;
        }
    }
}

TEST_F(TextSections, FontButtonNamesTheFontAndAsksForAnother)
{
    TextFontEditingWidgetController font(&window);
    stack(font);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* nameButton = font.widget()->findChild<QPushButton*>(QStringLiteral("fontNameButton"));
    auto* triangle = font.widget()->findChild<QPushButton*>(QStringLiteral("fontNameTriangleButton"));
    ASSERT_TRUE(nameButton && triangle);

    textSegment()->setFontName(QStringLiteral("DejaVu Sans"));
    textSegment()->setFontStyle(QStringLiteral("Bold"));
    font.updateValues(words.get());
    EXPECT_EQ(nameButton->text(), QStringLiteral("DejaVu Sans - Bold"));
    EXPECT_EQ(nameButton->font().family(), QStringLiteral("DejaVu Sans"));
    EXPECT_TRUE(nameButton->font().bold());

    // A font without a style name is named by its family alone.
    font.fontWidget()->setTextFont(QFont(QStringLiteral("DejaVu Serif")));
    EXPECT_EQ(nameButton->text(), QStringLiteral("DejaVu Serif"));

    QSignalSpy asked(&font, &TextFontEditingWidgetController::fontButtonClicked);
    QTest::mouseClick(nameButton, Qt::LeftButton);
    QTest::mouseClick(triangle, Qt::LeftButton);
    EXPECT_EQ(asked.size(), 2);

    // Away from the play pointer the font cannot be changed.
    font.setEditable(nullptr, false);
    QTest::mouseClick(nameButton, Qt::LeftButton);
    EXPECT_EQ(asked.size(), 2);
    EXPECT_FALSE(nameButton->isEnabled());
}

// A caption as a project made elsewhere stores it: a family this machine
// lacks, and a size without the frame it was set for (a new project's).
TEST_F(TextSections, TheStoredFamilyAndSizeShowWhereTheFamilyIsMissing)
{
    TextFontEditingWidgetController font(&window);
    TextSizeEditingWidgetController size(&window);
    stack(font);
    stack(size);
    auto caption = std::make_unique<TextSegment>(InspectorTest::record(QStringLiteral("TEXT")), nullptr, false);
    Segment::setStringAttribute(caption->attributes(), QStringLiteral("FontName"), QStringLiteral("Arial"));
    Segment::setFloatAttribute(caption->attributes(), QStringLiteral("FontSize"), 80.0f);
    if (QFontDatabase().hasFamily(QStringLiteral("Arial")))
        GTEST_SKIP() << "Arial is installed here; the test needs a family that is missing";

    font.updateValues(caption.get());
    // The editor's preview of a 16:9 movie draws at 960 x 540.
    size.updateValues(caption.get(), QSize(960, 540));
    auto* nameButton = font.widget()->findChild<QPushButton*>(QStringLiteral("fontNameButton"));
    EXPECT_EQ(nameButton->text(), QStringLiteral("Arial"));
    EXPECT_FLOAT_EQ(size.popup()->value(), 80.0f);
    EXPECT_EQ(caption->fontName(), QStringLiteral("Arial"));

    caption->setFontStyle(QStringLiteral("Bold"));
    font.updateValues(caption.get());
    EXPECT_EQ(nameButton->text(), QStringLiteral("Arial - Bold"));
    EXPECT_EQ(caption->fontStyle(), QStringLiteral("Bold"));
}

TEST_F(TextSections, AlignmentReportsOnlyANewPick)
{
    TextAlignmentEditingWidgetController alignment(&window);
    stack(alignment);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* control = alignment.widget()->findChild<SegmentedControl*>(QStringLiteral("textAlignWidget"));
    ASSERT_TRUE(control);
    EXPECT_EQ(control->segmentTitle(1), QStringLiteral("Center"));
    QSignalSpy changed(&alignment, &TextAlignmentEditingWidgetController::textAlignmentChanged);

    textSegment()->setAlignment(2);
    alignment.updateValues(words.get());
    EXPECT_EQ(control->selectedIndex(), 2);
    EXPECT_EQ(changed.size(), 0);

    QTest::mouseClick(control, Qt::LeftButton, {}, segmentCentre(control, 1, 3));
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed.at(0).at(0).toInt(), 1);

    // The next segment is centred already: picking "Center" changes nothing.
    textSegment()->setAlignment(1);
    alignment.updateValues(words.get());
    QTest::mouseClick(control, Qt::LeftButton, {}, segmentCentre(control, 1, 3));
    EXPECT_EQ(changed.size(), 1);

    // An unknown stored alignment leaves the switch where it stands.
    textSegment()->setAlignment(7);
    alignment.updateValues(words.get());
    EXPECT_EQ(control->selectedIndex(), 1);
    QTest::mouseClick(control, Qt::LeftButton, {}, segmentCentre(control, 0, 3));
    ASSERT_EQ(changed.size(), 2);
    EXPECT_EQ(changed.at(1).at(0).toInt(), 0);

    // Back to the shown segment's alignment after another pick is a new pick.
    textSegment()->setAlignment(2);
    alignment.updateValues(words.get());
    QTest::mouseClick(control, Qt::LeftButton, {}, segmentCentre(control, 0, 3));
    QTest::mouseClick(control, Qt::LeftButton, {}, segmentCentre(control, 2, 3));
    ASSERT_EQ(changed.size(), 4);
    EXPECT_EQ(changed.at(2).at(0).toInt(), 0);
    EXPECT_EQ(changed.at(3).at(0).toInt(), 2);

    alignment.setEditable(nullptr, false);
    QTest::mouseClick(control, Qt::LeftButton, {}, segmentCentre(control, 0, 3));
    EXPECT_EQ(changed.size(), 4);
}

TEST_F(TextSections, PopupsFollowThePlayPointer)
{
    TextSizeEditingWidgetController size(&window);
    TextBackEditingWidgetController back(&window);
    back.updateValues(words.get(), kCanvas);
    for (CommonSliderColorPopup* popup : std::initializer_list<CommonSliderColorPopup*>{size.popup(), back.popup()}) {
        auto sliders = popup->findChildren<QSlider*>();
        ASSERT_FALSE(sliders.isEmpty());
        size.setEditable(nullptr, false);
        back.setEditable(nullptr, false);
        for (QSlider* slider : sliders)
            EXPECT_FALSE(slider->isEnabled());
        // The overlay plays no part: only the pointer counts.
        size.setEditable(&window, true);
        back.setEditable(&window, true);
        EXPECT_TRUE(sliders.first()->isEnabled());
        EXPECT_TRUE(popup->isValueEnabled());
    }
}
