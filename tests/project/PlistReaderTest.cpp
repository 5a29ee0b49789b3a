#include "PlistTestSupport.h"
#include "ProjectTestSupport.h"

#include <cstdlib>
#include <ctime>

namespace {

using Plist::Array;
using Plist::Dictionary;

QByteArray bytesOf(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int value : values)
        bytes += char(value);
    return bytes;
}

void putBigEndian(QByteArray& bytes, int at, int length, quint64 value)
{
    for (int i = length - 1; i >= 0; --i, value >>= 8)
        bytes[at + i] = char(value & 0xFF);
}

// A binary list: the header, the objects in order (object 0 first), an
// offset table with entries of offsetSize bytes and the trailer.
QByteArray binaryList(const QList<QByteArray>& objects, int offsetSize = 1, int referenceSize = 1)
{
    QByteArray bytes("bplist00");
    QList<int> offsets;
    for (const QByteArray& object : objects) {
        offsets << bytes.size();
        bytes += object;
    }
    const int table = bytes.size();
    for (int offset : offsets) {
        bytes += QByteArray(offsetSize, '\0');
        putBigEndian(bytes, bytes.size() - offsetSize, offsetSize, quint64(offset));
    }
    QByteArray trailer(32, '\0');
    trailer[6] = char(offsetSize);
    trailer[7] = char(referenceSize);
    putBigEndian(trailer, 8, 8, quint64(objects.size()));
    putBigEndian(trailer, 24, 8, quint64(table));
    return bytes + trailer;
}

void setTrailerField(QByteArray& list, int at, int length, quint64 value)
{
    putBigEndian(list, list.size() - 32 + at, length, value);
}

template <typename T>
T parsedAs(const QByteArray& bytes)
{
    boost::any value;
    Plist::readPlist(bytes.constData(), bytes.size(), value);
    return boost::any_cast<T>(value);
}

template <typename T>
T at(const Dictionary& dictionary, const char* key)
{
    return boost::any_cast<T>(dictionary.at(key));
}

QByteArray xmlList(const QByteArray& body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">" + body + "</plist>";
}

// Dates are read in a zone with daylight saving, around its change.
class BerlinTime
{
public:
    BerlinTime() : _previous(qgetenv("TZ"))
    {
        qputenv("TZ", "Europe/Berlin");
        tzset();
    }
    ~BerlinTime()
    {
        if (_previous.isNull())
            qunsetenv("TZ");
        else
            qputenv("TZ", _previous);
        tzset();
    }

private:
    QByteArray _previous;
};

TEST(PlistReader, ValuesWrittenByPlistlibReadAlikeInBothForms)
{
    REQUIRE_PLIST_FIXTURES();
    BerlinTime zone;
    for (const char* name : {"values.plist", "values.xml.plist"}) {
        SCOPED_TRACE(name);
        Dictionary values;
        Plist::readPlist((plistFixtureDir() + "/" + name).toStdString(), values);
        EXPECT_EQ(at<Plist::Integer>(values, "int255"), 255);
        EXPECT_EQ(at<Plist::Integer>(values, "minus1"), -1);
        EXPECT_EQ(at<Plist::Integer>(values, "big"), INT64_MAX);
        EXPECT_EQ(at<double>(values, "real"), 1.25);
        EXPECT_EQ(at<Plist::Date>(values, "date").secondsSince1970(), 978307200);
        // 2021-03-28T01:30:15Z, half an hour after Berlin put its clocks forward.
        EXPECT_EQ(at<Plist::Date>(values, "later").secondsSince1970(), 1616895015);
        EXPECT_EQ(at<Plist::Data>(values, "data"), Plist::Data({'A', 'B', 'C'}));
        EXPECT_EQ(at<std::string>(values, "utf16"), "snow \u2603 \U0001F3AC");
        EXPECT_EQ(at<std::string>(values, "ascii"), "plain");
        const auto array = at<Array>(values, "array");
        ASSERT_EQ(array.size(), 5u);
        EXPECT_EQ(boost::any_cast<Plist::Integer>(array[0]), 1);
        EXPECT_EQ(boost::any_cast<std::string>(array[1]), "two");
        EXPECT_EQ(boost::any_cast<double>(array[2]), 3.0);
        EXPECT_TRUE(boost::any_cast<bool>(array[3]));
        EXPECT_FALSE(boost::any_cast<bool>(array[4]));
        const auto nested = at<Dictionary>(at<Dictionary>(values, "nested"), "a");
        EXPECT_TRUE(at<Array>(nested, "b").empty());
    }
    Dictionary binary;
    Plist::readPlist((plistFixtureDir() + "/values.plist").toStdString(), binary);
    EXPECT_EQ(at<Plist::Reference>(binary, "uid"), 7);
}

TEST(PlistReader, BinaryObjectsFollowTheirMarkers)
{
    EXPECT_EQ(parsedAs<double>(binaryList({bytesOf({0x22, 0x3F, 0xC0, 0x00, 0x00})})), 1.5);
    EXPECT_EQ(parsedAs<double>(binaryList({bytesOf({0x21, 0x3C, 0x00})})), 0.0);
    EXPECT_EQ(parsedAs<Plist::Date>(binaryList({bytesOf({0x33, 0, 0, 0, 0, 0, 0, 0, 0})})).secondsSince1970(),
              978307200);
    // -0.5 s: 978307199.5 truncated toward zero.
    EXPECT_EQ(parsedAs<Plist::Date>(binaryList({bytesOf({0x33, 0xBF, 0xE0, 0, 0, 0, 0, 0, 0})})).secondsSince1970(),
              978307199);
    EXPECT_EQ(parsedAs<std::string>(binaryList({bytesOf({0x5F, 0x10, 0x14}) + QByteArray(20, 'x')})),
              std::string(20, 'x'));
    EXPECT_EQ(parsedAs<std::string>(binaryList({bytesOf({0x62, 0xD8, 0x3C, 0xDF, 0xAC})})), "\U0001F3AC");
    EXPECT_EQ(parsedAs<Plist::Reference>(binaryList({bytesOf({0x81, 0x01, 0x02})})), 258);

    // A dictionary {"k": [true, false]} with two-byte offsets; the trailer
    // names object 2 as the top, which plays no part.
    QByteArray list = binaryList({bytesOf({0xD1, 1, 2}), bytesOf({0x51, 'k'}), bytesOf({0xA2, 3, 4}), bytesOf({0x09}),
                                  bytesOf({0x08})}, 2);
    setTrailerField(list, 16, 8, 2);
    const auto dictionary = parsedAs<Dictionary>(list);
    const auto array = at<Array>(dictionary, "k");
    ASSERT_EQ(array.size(), 2u);
    EXPECT_TRUE(boost::any_cast<bool>(array[0]));
    EXPECT_FALSE(boost::any_cast<bool>(array[1]));

    EXPECT_EQ(plistFailure(binaryList({bytesOf({0xD1, 1, 1}), bytesOf({0x10, 0x05})})),
              "boost::bad_any_cast: failed conversion using boost::any_cast");
    EXPECT_EQ(plistFailure(binaryList({bytesOf({0x00})})), "Plist: null byte encountered, unsure how to parse");
    EXPECT_EQ(plistFailure(binaryList({bytesOf({0x0C})})), "Plist: unknown header \x0C");
    EXPECT_EQ(plistFailure(binaryList({bytesOf({0x70})})), "This type is not supported");
    EXPECT_EQ(plistFailure(binaryList({bytesOf({0x62, 0xD8, 0x3C, 0x00, 0x41})})), "Conversion failed");
}

TEST(PlistReader, XmlElementsAndTheirFaults)
{
    BerlinTime zone;
    EXPECT_EQ(parsedAs<Plist::Data>(xmlList("<data>QQ==</data>")), Plist::Data({'A'}));
    EXPECT_EQ(parsedAs<Plist::Data>(xmlList("<data>QU\nJD</data>")), Plist::Data({'A', 'B', 'C'}));
    EXPECT_EQ(parsedAs<Plist::Integer>(xmlList("<integer>12abc</integer>")), 12);
    EXPECT_EQ(parsedAs<double>(xmlList("<real> -2.5e1x</real>")), -25.0);
    EXPECT_EQ(parsedAs<Plist::Date>(xmlList("<date>2001-01-01T00:00:00Z</date>")).secondsSince1970(), 978307200);
    EXPECT_EQ(parsedAs<Plist::Reference>(xmlList("<dict><key>CF$UID</key><integer>9</integer></dict>")), 9);
    const auto repeated = parsedAs<Dictionary>(xmlList("<dict><key>a</key><true/><key>a</key><string>x</string></dict>"));
    EXPECT_EQ(at<std::string>(repeated, "a"), "x");

    EXPECT_EQ(plistFailure("<?xml version=\"1.0\"?><other/>"), "Plist: XML unknown node type ");
    EXPECT_EQ(plistFailure(xmlList("<set/>")), "Plist: XML unknown node type set");
    EXPECT_EQ(plistFailure(xmlList("<dict><string>a</string></dict>")), "Plist: XML dictionary key expected but not found");
    EXPECT_EQ(plistFailure(xmlList("<dict><key>a</key></dict>")),
              "Plist: XML dictionary value expected for key abut not found");
    EXPECT_EQ(plistFailure(xmlList("<dict><key>a</key><key>b</key><true/></dict>")),
              "Plist: XML dictionary value expected for key abut found another key node");
    EXPECT_EQ(plistFailure(xmlList("<dict><key>a</key>")), "Plist: XML parsed with error Start-end tags mismatch");
    EXPECT_EQ(plistFailure(QByteArray()), "Plist: Empty plist data");
    QByteArray deep;
    for (int i = 0; i < 2000; ++i)
        deep = "<array>" + deep + "</array>";
    EXPECT_NE(plistFailure(xmlList(deep)), "") << "nesting is bounded";
}

// Each of these would read outside the data, never end or take exponential work.
TEST(PlistReader, MalformedBinaryListsAreRefused)
{
    const QByteArray valid = binaryList({bytesOf({0xA1, 1}), bytesOf({0x09})});
    ASSERT_EQ(plistFailure(valid), "");
    const auto modified = [&valid](int at, int length, quint64 value) {
        QByteArray list = valid;
        setTrailerField(list, at, length, value);
        return plistFailure(list);
    };
    EXPECT_EQ(plistFailure(QByteArray("bplist00") + QByteArray(31, '\0')),
              "Plist: binary data shorter than its header and trailer");
    EXPECT_EQ(modified(6, 1, 0), "Plist: offset entries of size 0");
    EXPECT_EQ(modified(7, 1, 0), "Plist: object references of size 0");
    EXPECT_EQ(modified(24, 8, quint64(valid.size() - 32 + 1)), "Plist: offset table beyond the data");
    EXPECT_EQ(modified(6, 1, 3), "Out of bounds getRange") << "an entry running past the offset table";
    EXPECT_EQ(plistFailure(binaryList({bytesOf({0xA1, 2}), bytesOf({0x09})})),
              "Plist: object reference beyond the offset table");
    QByteArray outside = valid;
    outside[outside.size() - 33] = char(outside.size() - 34);
    EXPECT_EQ(plistFailure(outside), "Plist: object offset outside the object table");
    EXPECT_EQ(plistFailure(binaryList({bytesOf({0xA1, 0})})), "Plist: an array contains itself");
    EXPECT_EQ(plistFailure(binaryList({bytesOf({0xA1, 1}), bytesOf({0xD1, 2, 0}), bytesOf({0x51, 'k'})})),
              "Plist: an array contains itself");
    EXPECT_EQ(plistFailure(binaryList({bytesOf({0xD1, 1, 0}), bytesOf({0x51, 'k'})})),
              "Plist: a dictionary contains itself");
    // Counts that would overflow a 64-bit range computation.
    EXPECT_EQ(plistFailure(binaryList({bytesOf({0x6F, 0x13, 0x80, 0, 0, 0, 0, 0, 0, 1})})), "Out of bounds getRange");
    EXPECT_EQ(plistFailure(binaryList({bytesOf({0xDF, 0x13, 0x7F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})})),
              "Out of bounds getRange");
    EXPECT_EQ(plistFailure(binaryList({bytesOf({0x1F, 0xFF})})), "Out of bounds getRange");
    EXPECT_EQ(plistFailure(binaryList({bytesOf({0x33, 0x7F, 0xF8, 0, 0, 0, 0, 0, 0})})), "Plist: date out of range");

    // 600 arrays, each holding the next: too deep.
    QList<QByteArray> chain;
    for (int i = 0; i < 600; ++i)
        chain << (i + 1 < 600 ? bytesOf({0xA1, (i + 1) >> 8, (i + 1) & 0xFF}) : bytesOf({0x09}));
    EXPECT_EQ(plistFailure(binaryList(chain, 2, 2)), "Plist: objects nested too deeply");
    // 60 arrays, each holding the next twice: 2^60 objects from 200 bytes.
    QList<QByteArray> doubling;
    for (int i = 0; i < 60; ++i)
        doubling << bytesOf({0xA2, i + 1, i + 1});
    doubling << bytesOf({0x09});
    EXPECT_EQ(plistFailure(binaryList(doubling)), "Plist: the list refers to more objects than it can hold");

    // Writers share equal keys and values: 300 arrays each referring 60 times
    // to one value are a plain list of 18,301 objects, not an attack.
    QList<QByteArray> sharing;
    QByteArray segments = bytesOf({0xAF, 0x11, 0x01, 0x2C});
    for (int i = 1; i <= 300; ++i)
        segments += bytesOf({i >> 8, i & 0xFF});
    sharing << segments;
    for (int i = 1; i <= 300; ++i) {
        QByteArray values = bytesOf({0xAF, 0x10, 60});
        for (int k = 0; k < 60; ++k)
            values += bytesOf({0x01, 0x2D});
        sharing << values;
    }
    sharing << bytesOf({0x09});
    ASSERT_EQ(plistFailure(binaryList(sharing, 2, 2)), "");
    const Array lists = parsedAs<Array>(binaryList(sharing, 2, 2));
    ASSERT_EQ(lists.size(), 300u);
    EXPECT_EQ(boost::any_cast<const Array&>(lists.back()).size(), 60u);
}

TEST(PlistReader, FilesAndStreams)
{
    TemporaryProduct product;
    Dictionary root{{"kept", boost::any(true)}};
    const QString empty = product.path() + "/empty.plist";
    writeFile(empty, QByteArray());
    const auto failure = [&root](const QString& path) -> std::string {
        try {
            Plist::readPlist(path.toStdString(), root);
        } catch (const std::exception& error) {
            return error.what();
        }
        return std::string();
    };
    EXPECT_EQ(failure(empty), "Can't read zero length data");
    EXPECT_EQ(failure(product.path() + "/missing.plist"), "Can't open file.");
    const QString array = product.path() + "/array.plist";
    writeFile(array, xmlList("<array/>"));
    EXPECT_EQ(failure(array), "boost::bad_any_cast: failed conversion using boost::any_cast");
    EXPECT_EQ(root.size(), 1u) << "a failed read leaves the dictionary as it was";
    const QString dictionary = product.path() + "/dictionary.plist";
    writeFile(dictionary, xmlList("<dict><key>a</key><string>b</string></dict>"));
    EXPECT_EQ(failure(dictionary), "");
    EXPECT_EQ(at<std::string>(root, "a"), "b");
    EXPECT_EQ(root.count("kept"), 0u);
}

} // namespace
