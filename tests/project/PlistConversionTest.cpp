#include "PlistTestSupport.h"
#include "PlistXmlConverter.h"
#include "ProjectTestSupport.h"

#include <QFileInfo>
#include <QXmlStreamReader>

#include <array>

namespace {

// What the keyed archive of make-plists.py converts into: archive order,
// reals "%.6f" once one was written (the list before that in general
// notation), "URL" percent-decoded, escapes, values without text (a date,
// data) and the key that is no XML name left out, the second "Transition".
const char kExpectedProject[] = R"(<?xml version="1.0" encoding="utf-8"?>
<Project>
	<Segment
		CropCorners="1.5,2.5"
		Type="IMAGE"
		UId="seg-1"
		TrackId="1"
		RangeStart="0.500000"
		RangeDuration="3.000000"
		URL="file:///home/user/My Pictures/café &amp; more.png"
		Path="My%20Pictures"
		Text="Line one&#10;says &quot;hi&quot; &lt;b&gt; &amp; &apos;bye&apos;&#9;Tab&#13;CR"
		Flip="1"
		Muted="0"
		Offset="-3"
		Frame="{{0, 0}, {640, 360}}"
		Title="Ünïcode ☃ 🎬"
		Anchor="{0.5, 0.5}"
		Size="{100, 50}"
		Link="https://example.org/%41"
	>
		<Transitions>
			<Transition
				TStart="0.000000"
				TDuration="0.250000"
				TEasingFunction="4"
			>
				<TBegin
					UserScale="{1, 1}"
					UserTransparency="0.000000"
				/>
				<TEnd
					UserScale="{2, 2}"
				/>
			</Transition>
			<Transition
				TStart="0.500000"
			>
			</Transition>
		</Transitions>
	</Segment>
	<Segment
		Type="TEXT"
		FxGreenScreenSensitivity="40"
		FxGreenScreenSmooth="15"
		Colors="0.250000,2.500000"
		URL="a&#10;b%01c%2"
	/>
	<Segment
	/>
</Project>
)";

const char kExpectedProperties[] = R"(<?xml version="1.0" encoding="utf-8"?>
<Properties
	version="2.0"
	backgroundColor="#ff102030"
	frameRate="30"
	aspectRatio="1.777778"
	fixCoverImage="0"
/>
)";

struct Conversion {
    int result;
    std::string error;
};

Conversion convert(bool project, const QString& plistPath, const QString& xmlPath)
{
    std::array<char, 1024> error{};
    PlistXmlConverter converter;
    const int result = project
        ? converter.convertProject(plistPath.toStdString(), xmlPath.toStdString(), error.data(), int32_t(error.size()))
        : converter.convertProperties(plistPath.toStdString(), xmlPath.toStdString(), error.data(),
                                      int32_t(error.size()));
    return {result, error.data()};
}

QString fixture(const QString& name)
{
    return plistFixtureDir() + "/" + name;
}

TEST(PlistConversion, KeyedArchivesBecomeTheProjectFiles)
{
    REQUIRE_PLIST_FIXTURES();
    TemporaryProduct product;
    for (const QString form : {"binary", "xml"}) {
        SCOPED_TRACE(qPrintable(form));
        const QString out = product.path() + "/" + form;
        QDir().mkpath(out);
        ASSERT_EQ(convert(true, fixture(form + "/project.plist"), out + "/project.xml").result, 0);
        QByteArray expected(kExpectedProject);
        // An XML parser reads a carriage return in text as a line feed.
        if (form == "xml")
            expected.replace("Tab&#13;CR", "Tab&#10;CR");
        EXPECT_EQ(readFile(out + "/project.xml").toStdString(), expected.toStdString());
        ASSERT_EQ(convert(false, fixture(form + "/properties.plist"), out + "/properties.xml").result, 0);
        EXPECT_EQ(readFile(out + "/properties.xml").toStdString(), kExpectedProperties);
    }
    const QString empty = product.path() + "/empty.xml";
    ASSERT_EQ(convert(true, fixture("empty.plist"), empty).result, 0);
    EXPECT_EQ(readFile(empty), "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Project>\n</Project>\n");
}

// The project is converted only while "project.xml" is missing: text that
// XML readers refuse would leave a project that never opens again.
TEST(PlistConversion, TextThatXmlCannotHoldStillGivesAReadableProject)
{
    REQUIRE_PLIST_FIXTURES();
    TemporaryProduct product;
    const QString out = product.path() + "/project.xml";
    ASSERT_EQ(convert(true, fixture("controls.plist"), out).result, 0);
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader reader(&file);
    QXmlStreamAttributes attributes;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("Segment"))
            attributes = reader.attributes();
    }
    ASSERT_FALSE(reader.hasError()) << qPrintable(reader.errorString());
    EXPECT_EQ(attributes.value("Text"), QLatin1String("Pagebreak here")) << "controls are left out";
    EXPECT_EQ(attributes.value("Title"), QString::fromUtf8("caf\uFFFD!")) << "a byte that is no UTF-8 is replaced";
}

TEST(PlistConversion, FailuresSayWhyAndLeaveNoPartialFile)
{
    REQUIRE_PLIST_FIXTURES();
    TemporaryProduct product;
    const QString out = product.path() + "/project.xml";
    const auto failure = [&](const QString& plist) {
        const Conversion conversion = convert(true, plist, out);
        EXPECT_EQ(conversion.result, 1);
        EXPECT_FALSE(QFileInfo::exists(out)) << conversion.error;
        return conversion.error;
    };
    EXPECT_EQ(failure(fixture("no-top.plist")), "invalid map<K, T> key");
    // The first segment converts; the second refers past "$objects".
    EXPECT_EQ(failure(fixture("bad-reference.plist")), "invalid vector subscript");
    EXPECT_EQ(failure(fixture("binary/properties.plist")),
              "boost::bad_any_cast: failed conversion using boost::any_cast") << "values where segments belong";
    EXPECT_EQ(failure(product.path() + "/missing.plist"), "Can't open file.");
    EXPECT_NE(failure(fixture("wrapper-circle.plist")), "");
    EXPECT_EQ(convert(false, fixture("binary/project.plist"), out).error, "invalid map<K, T> key")
        << "an array has no keys";

    // A file already at the path stays as it was.
    writeFile(out, "kept");
    EXPECT_EQ(convert(true, fixture("bad-reference.plist"), out).result, 1);
    EXPECT_EQ(readFile(out), "kept");
    QFile::remove(out);
    EXPECT_EQ(convert(true, fixture("binary/project.plist"), product.path() + "/no/such/folder/project.xml").error,
              "Cannot create output file");

    // Long messages are cut to the buffer, which ends in a zero byte.
    const QString longName = product.path() + "/long.plist";
    writeFile(longName, "<plist><" + QByteArray(2000, 'a') + "/></plist>");
    std::array<char, 1100> buffer;
    buffer.fill('x');
    PlistXmlConverter converter;
    EXPECT_EQ(converter.convertProject(longName.toStdString(), out.toStdString(), buffer.data(), 1024), 1);
    const std::string expected = "Plist: XML unknown node type " + std::string(2000, 'a');
    EXPECT_EQ(std::string(buffer.data()), expected.substr(0, 1023));
    EXPECT_EQ(buffer[1024], 'x');
}

} // namespace
