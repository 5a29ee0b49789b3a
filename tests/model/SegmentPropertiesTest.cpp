#include "RecordingListener.h"
#include "Segment.h"
#include "SegmentKeys.h"
#include "TestMedia.h"

#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QVector>

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

QString textOf(const Segment& segment, const QString& key)
{
    return Segment::stringAttribute(segment.attributes(), key, QStringLiteral("<absent>"));
}

TEST(SegmentValueText, PointsSizesAndColoursParseByTheirRules)
{
    SegmentAttributes attributes;
    const QString key = QStringLiteral("V");
    const auto point = [&](const QString& text) { attributes.setText(key, text); return Segment::pointAttribute(&attributes, key, {9, 9}); };
    const auto size = [&](const QString& text) { attributes.setText(key, text); return Segment::sizeAttribute(&attributes, key, {9, 9}); };
    const auto color = [&](const QString& text) { attributes.setText(key, text); return Segment::colorAttribute(&attributes, key, 0x12345678); };
    EXPECT_EQ(point("{1.5,2}"), QPointF(1.5, 2));
    EXPECT_EQ(point("{1.5}"), QPointF(1.5, 0));
    EXPECT_EQ(point("{ 1.5 , 2 }"), QPointF(1.5, 2));
    EXPECT_EQ(point("1.5,2"), QPointF(0, 0));
    EXPECT_EQ(size("1.5,2"), QSizeF(-1, -1));
    EXPECT_EQ(size("{1.5,2}"), QSizeF(1.5, 2));
    EXPECT_EQ(color("{1,0,0,1}"), qRgba(255, 0, 0, 255));
    EXPECT_EQ(color("{0.5,0.5,0.5,1}"), qRgba(127, 127, 127, 255));
    EXPECT_EQ(color("#80ff0000"), qRgba(255, 0, 0, 128));
    EXPECT_EQ(color("not a colour"), qRgba(0, 0, 0, 255));
    EXPECT_EQ(color(""), 0x12345678u);
    EXPECT_EQ(Segment::pointAttribute(&attributes, QStringLiteral("Absent"), QPointF(9, 9)), QPointF(9, 9));

    Segment segment(nullptr);
    segment.setBorderColor(qRgba(0, 255, 0, 255));
    EXPECT_EQ(textOf(segment, SegmentKey::BorderColor), "#ff00ff00");
    segment.setPitch(0.1f);
    EXPECT_EQ(textOf(segment, SegmentKey::Pitch), "0.1");
    segment.setPitch(1234567.0f);
    EXPECT_EQ(textOf(segment, SegmentKey::Pitch), "1.23457e+06");
    segment.setShadowOffsetFraction(QSizeF(0.25, -0.5));
    EXPECT_EQ(textOf(segment, SegmentKey::ShadowOffsetFraction), "{0.25,-0.5}");
}

// Switches the C library and Qt's default locale to German for one test.
class GermanLocale
{
public:
    GermanLocale() : _previous(setlocale(LC_ALL, nullptr))
    {
        qputenv("LOCPATH", QFile::encodeName(TestMedia::path(QStringLiteral("locale"))));
        active = setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    ~GermanLocale()
    {
        setlocale(LC_ALL, _previous.c_str());
        QLocale::setDefault(_previousDefault);
    }
    bool active = false;

private:
    std::string _previous;
    QLocale _previousDefault;
};

TEST(SegmentValueText, NumbersAreCLocaleTextUnderAGermanLocale)
{
    GermanLocale german;
    if (!german.active)
        GTEST_SKIP() << "the German locale made by make-fixtures.sh (localedef) is missing";
    char printed[16];
    std::snprintf(printed, sizeof printed, "%.1f", 1.5);
    ASSERT_STREQ(printed, "1,5");
    ASSERT_EQ(QLocale().toString(1.5), "1,5");

    Segment segment(nullptr);
    segment.setUserScale(QPointF(1.5, 2.25));
    segment.setPitch(0.75f);
    segment.setUserRotation(1.25);
    EXPECT_EQ(textOf(segment, SegmentKey::UserScale), "{1.5,2.25}");
    EXPECT_EQ(textOf(segment, SegmentKey::Pitch), "0.75");
    EXPECT_EQ(textOf(segment, SegmentKey::UserRotation), "1.25");
    EXPECT_EQ(segment.userScale(), QPointF(1.5, 2.25));
    EXPECT_FLOAT_EQ(segment.pitch(), 0.75f);
}

TEST(SegmentProperties, NewSegmentReadsDefaults)
{
    Segment segment(nullptr);
    EXPECT_EQ(QVector<float>({segment.speed(), segment.userVolume(), segment.pitch(), segment.shadowRadiusFraction()}),
              QVector<float>({1, 1, 1, 0.003125f}));
    EXPECT_EQ(QVector<QPointF>({segment.userScale(), segment.userAnchorPoint(), segment.cropTopLeft(), segment.cropBottomRight()}),
              QVector<QPointF>({{1, 1}, {0.5, 0.5}, {0, 0}, {1, 1}}));
    EXPECT_EQ(QVector<QRgb>({segment.borderColor(), segment.keyColor(), segment.shadowColor()}),
              QVector<QRgb>({0xFFFFFFFF, 0xFF00FF00, 0xFF000000}));
    EXPECT_EQ(QVector<int>({segment.borderStrokeStrength(), segment.borderStrokeTolerance(), segment.keySensitivity(),
                            segment.keySmoothing(), segment.userFlip(), segment.clrHue()}),
              QVector<int>({100, 100, 40, 10, 0, 0}));
    EXPECT_FALSE(segment.perspective() || segment.borderStroke() || segment.keyEnabled());
    EXPECT_FALSE(segment.hasShadowOffsetFraction());
    EXPECT_EQ(segment.shadowOffsetFraction(), QSizeF(-1, -1));
    EXPECT_EQ(segment.rangeStart() + segment.duration() + segment.transitionCount(), 0);
}

TEST(SegmentProperties, SpeedRangeAndStoredRules)
{
    Segment segment(nullptr);
    segment.setSpeed(10);
    EXPECT_EQ(textOf(segment, SegmentKey::Speed), "4");
    EXPECT_FLOAT_EQ(segment.speed(), 4);
    segment.setSpeed(0.1f);
    EXPECT_EQ(textOf(segment, SegmentKey::Speed), "0.25");
    EXPECT_FLOAT_EQ(segment.speed(), 0.25f) << "the slowest speed reads as itself";
    segment.setSpeed(2);
    segment.setRangeDuration(3);
    EXPECT_EQ(textOf(segment, SegmentKey::RangeDuration), "6");
    EXPECT_FLOAT_EQ(segment.duration(), 3);

    segment.setRangeStart(4);
    segment.setStartTime(5);
    EXPECT_FLOAT_EQ(segment.rangeStart(), 5);
    EXPECT_FLOAT_EQ(segment.duration(), 2);
    segment.setEndTime(10);
    EXPECT_FLOAT_EQ(segment.duration(), 5);

    SegmentAttributes* attributes = segment.attributes();
    attributes->setText(SegmentKey::Speed, QStringLiteral("8"));
    EXPECT_FLOAT_EQ(segment.speed(), 1);
    attributes->setText(SegmentKey::RangeStart, QStringLiteral("-2"));
    EXPECT_FLOAT_EQ(segment.rangeStart(), 0);
    segment.setRangeStart(-3.94881e-07f);
    EXPECT_EQ(textOf(segment, SegmentKey::RangeStart), "0") << "a start a hair below zero is stored as the 0 it reads as";
    attributes->setText(SegmentKey::UserScale, QStringLiteral("{-1,0.5}"));
    EXPECT_EQ(segment.userScale(), QPointF(1, 0.5));
    attributes->setText(SegmentKey::UserScale, QStringLiteral("{0.5,-2}"));
    EXPECT_EQ(segment.userScale(), QPointF(0.5, 1)) << "a mirror in y is no scale either";
    attributes->setText(SegmentKey::KeyEnabled, QStringLiteral("2"));
    EXPECT_FALSE(segment.keyEnabled());
    attributes->setText(SegmentKey::UserFlip, QStringLiteral("3"));
    EXPECT_TRUE(segment.isFlippedHorizontally() && segment.isFlippedVertically());
    segment.setFlippedHorizontally(false);
    EXPECT_EQ(textOf(segment, SegmentKey::UserFlip), "2");

    segment.setShadowRadius(2, 0);
    EXPECT_EQ(textOf(segment, SegmentKey::ShadowRadiusFraction), "0");
}

TEST(SegmentProperties, OnlyRangeSettersAndStateReportToTheOwner)
{
    RecordingListener listener;
    Segment segment(&listener);
    segment.setRangeStart(1);
    EXPECT_EQ(listener.rangeReports, 1);
    segment.setRangeDuration(2);
    EXPECT_EQ(listener.rangeReports, 2);
    segment.setSpeed(2);
    segment.setUserVolume(0.5f);
    segment.setUserRotation(1);
    segment.setKeyColor(0xFF112233);
    segment.setTrackId(3);
    EXPECT_EQ(listener.rangeReports, 2);
    EXPECT_EQ(listener.stateReports, 0);
    segment.setState(1);
    EXPECT_EQ(listener.stateReports, 1);
    EXPECT_EQ(listener.lastState, 1);
}

TEST(SegmentIdentity, CopiesAreDeepAndKeepTheirOwnStart)
{
    RecordingListener listener;
    Segment source(&listener);
    source.setRangeStart(1);
    source.setRangeDuration(10);
    source.setUserVolume(0.5f);
    ASSERT_EQ(source.addTransitionAtTime(1, 3), 1);

    Segment copy(&source, 7, &listener);
    EXPECT_EQ(copy.serialNumber(), source.serialNumber() + 1);
    EXPECT_NE(copy.uid(), source.uid());
    EXPECT_TRUE(copy.uid().startsWith('{') && copy.uid().endsWith('}'));
    EXPECT_TRUE(copy.isNewlyCreated() && copy.isUIdGenerated());
    EXPECT_FLOAT_EQ(copy.rangeStart(), 7);
    EXPECT_FLOAT_EQ(source.rangeStart(), 1);
    EXPECT_FLOAT_EQ(copy.userVolume(), 0.5f);
    ASSERT_EQ(copy.transitionCount(), 1);
    copy.setTransitionUserVolume(1, false, 0.1f);
    EXPECT_FLOAT_EQ(source.transitionUserVolume(1, false), 0.5f);

    // The time stamp is written with every digit: it tells media changes apart.
    const QString stamp = textOf(copy, SegmentKey::TimeStamp);
    EXPECT_EQ(stamp.toLongLong(), qint64(copy.timeStamp()));
    EXPECT_LE(std::abs(copy.timeStamp() - double(QDateTime::currentMSecsSinceEpoch())), 5000.0);

    const QString copyUId = copy.uid();
    copy.copyAttributesFrom(&copy);
    EXPECT_NE(copy.uid(), copyUId);
    EXPECT_FLOAT_EQ(copy.userVolume(), 0.5f);
    EXPECT_EQ(copy.transitionCount(), 1);

    auto read = std::make_unique<SegmentAttributes>();
    read->setText(SegmentKey::UId, QString());
    Segment adopted(std::move(read), nullptr);
    EXPECT_FALSE(adopted.uid().isEmpty());
    EXPECT_TRUE(adopted.isUIdGenerated());
    EXPECT_FALSE(adopted.isNewlyCreated());
}

TEST(SegmentAttributesStore, ListAndStateKeysNeverHoldText)
{
    Segment segment(nullptr);
    segment.setRangeDuration(10);
    ASSERT_EQ(segment.addTransitionAtTime(1, 3), 1);
    Segment::setStringAttribute(segment.attributes(), SegmentKey::Transition, QStringLiteral("x"));
    Segment::setStringAttribute(segment.transitionAt(1), SegmentKey::TBegin, QStringLiteral("x"));
    EXPECT_EQ(textOf(segment, SegmentKey::Transition), "<absent>");
    EXPECT_EQ(segment.transitionCount(), 1);
    EXPECT_NE(segment.transitionStateAt(1, true), nullptr);
}


// Loading tasks may create segments off the GUI thread: numbers stay unique.
TEST(SegmentIdentity, SerialNumbersAreUniqueAcrossThreads)
{
    constexpr int kPerThread = 2000;
    std::vector<std::vector<int32_t>> numbers(4);
    std::vector<std::thread> threads;
    for (auto& list : numbers)
        threads.emplace_back([&list] {
            for (int i = 0; i < kPerThread; ++i)
                list.push_back(Segment(nullptr).serialNumber());
        });
    for (auto& thread : threads)
        thread.join();
    std::set<int32_t> unique;
    for (const auto& list : numbers)
        unique.insert(list.begin(), list.end());
    EXPECT_EQ(unique.size(), numbers.size() * kPerThread);
}

} // namespace
