#include "LayerSegment.h"
#include "NamespacedXml.h"
#include "SegmentKeys.h"

#include <QStringList>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Dictionaries = std::vector<std::unique_ptr<SegmentAttributes>>;

// A document of segment records, as project files hold them.
QByteArray write(const std::vector<const SegmentAttributes*>& records)
{
    QByteArray bytes;
    QXmlStreamWriter writer(&bytes);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("Segments"));
    for (const SegmentAttributes* attributes : records)
        Segment::saveToXml(*attributes, writer);
    writer.writeEndElement();
    writer.writeEndDocument();
    return bytes;
}

QByteArray write(const Dictionaries& dictionaries)
{
    std::vector<const SegmentAttributes*> records;
    for (const auto& attributes : dictionaries)
        records.push_back(attributes.get());
    return write(records);
}

// Every record of a document; the first failure's code in *error.
Dictionaries read(const QByteArray& bytes, int* error)
{
    Dictionaries dictionaries;
    QXmlStreamReader reader(bytes);
    *error = 0;
    while (!reader.atEnd() && *error == 0) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("Segment")) {
            dictionaries.push_back(std::make_unique<SegmentAttributes>());
            *error = Segment::loadFromXml(*dictionaries.back(), reader);
        }
    }
    return dictionaries;
}

// The elements of a document, their ends and its processing instructions in
// document order ("Name", "/Name", "?target data"): where each one is,
// whatever the formatting.
std::string outline(const QByteArray& bytes)
{
    QStringList parts;
    QXmlStreamReader reader(bytes);
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement)
            parts << reader.qualifiedName().toString();
        else if (token == QXmlStreamReader::EndElement)
            parts << QLatin1Char('/') + reader.qualifiedName().toString();
        else if (token == QXmlStreamReader::ProcessingInstruction)
            parts << QLatin1Char('?') + reader.processingInstructionTarget().toString() + QLatin1Char(' ')
                    + reader.processingInstructionData().toString();
    }
    EXPECT_FALSE(reader.hasError()) << qPrintable(reader.errorString());
    return parts.join(QLatin1Char(' ')).toStdString();
}

TEST(SegmentXml, ThreeSegmentsRoundTripByteForByte)
{
    LayerSegment picture(nullptr);
    picture.setType(QStringLiteral("IMAGE"));
    picture.setRangeDuration(10);
    picture.setUserTranslation(QPointF(0.1, 0.2));
    picture.rotateClockwise();
    ASSERT_EQ(picture.addTransitionAtTime(1, 3), 1);
    ASSERT_EQ(picture.addTransitionAtTime(2, 6), 2);
    picture.setTransitionUserScale(2, true, QPointF(0.5, 0.75));
    picture.setTransitionUserScale(2, false, QPointF(2, 2));
    picture.setTransitionEasingFunction(2, 9);
    Segment music(nullptr);
    music.setType(QStringLiteral("MUSIC"));
    music.setSpeed(0.25f);
    Segment::setStringAttribute(music.attributes(), QStringLiteral("File"), QStringLiteral("a \"b\" & <c>.mp3"));
    music.attributes()->resetTransitions();
    Segment empty(nullptr);

    const QByteArray first = write({picture.attributes(), music.attributes(), empty.attributes()});

    int error = -1;
    Dictionaries once = read(first, &error);
    ASSERT_EQ(error, 0);
    ASSERT_EQ(once.size(), 3u);
    const QByteArray second = write(once);
    EXPECT_EQ(second, first);
    EXPECT_EQ(write(read(second, &error)), second);

    EXPECT_EQ(Segment::stringAttribute(once[1].get(), QStringLiteral("File")), "a \"b\" & <c>.mp3");
    ASSERT_NE(once[1]->transitions(), nullptr); // an empty list stays a list
    EXPECT_EQ(Segment::transitionCountOf(once[1].get()), 0);
    EXPECT_EQ(once[2]->transitions(), nullptr);

    LayerSegment reread(std::move(once[0]), nullptr);
    EXPECT_EQ(reread.uid(), picture.uid());
    EXPECT_FALSE(reread.isUIdGenerated());
    ASSERT_EQ(reread.transitionCount(), 2);
    // Each state reads back as the one written, not only as the same bytes.
    for (int id = 1; id <= 2; ++id) {
        for (const bool begin : {true, false})
            EXPECT_EQ(reread.transitionStateAt(id, begin)->texts(), picture.transitionStateAt(id, begin)->texts())
                << id << begin;
    }
    EXPECT_EQ(reread.transitionUserScale(2, true), QPointF(0.5, 0.75));
    EXPECT_EQ(reread.transitionUserScale(2, false), QPointF(2, 2));
    EXPECT_EQ(reread.transitionEasingFunction(2), 9);
    EXPECT_EQ(reread.transitionUserTranslation(1, true), QPointF(0.1f, 0.2f)); // read in single precision
    const Segment rereadMusic(std::move(once[1]), nullptr);
    EXPECT_FLOAT_EQ(rereadMusic.speed(), 0.25f) << "the slowest speed survives a reload";
}

TEST(SegmentXml, ForgedKeysAndNestedElementsCannotConfuseTheRecord)
{
    const QByteArray document =
        "<Segments>"
        "<Segment Type=\"IMAGE\" Transition=\"forged\" RangeDuration=\"10\" UserScale=\"{2,-3}\">"
        "<Extra><Segment Type=\"inner\"/></Extra>"
        "<Transitions>"
        "<Transition TStart=\"0.5\" TBegin=\"forged\" TEnd=\"forged\">"
        "<TBegin UserVolume=\"0.25\"/>"
        "</Transition>"
        "</Transitions>"
        "<Extra/>"
        "</Segment>"
        "<Segment Type=\"TEXT\"/>"
        "</Segments>";
    int error = -1;
    const Dictionaries dictionaries = read(document, &error);
    ASSERT_EQ(error, 0);
    ASSERT_EQ(dictionaries.size(), 2u);
    const SegmentAttributes& first = *dictionaries[0];
    EXPECT_EQ(first.findText(SegmentKey::Transition), nullptr);
    EXPECT_EQ(Segment::stringAttribute(&first, SegmentKey::Type), "IMAGE");
    ASSERT_EQ(Segment::transitionCountOf(&first), 1);
    const SegmentAttributes& entry = *(*first.transitions())[0];
    EXPECT_EQ(entry.findText(SegmentKey::TBegin), nullptr);
    EXPECT_EQ(entry.texts().size(), 1);
    ASSERT_NE(entry.state(true), nullptr);
    EXPECT_EQ(entry.state(false), nullptr);
    EXPECT_FLOAT_EQ(Segment::floatAttribute(entry.state(true), SegmentKey::UserVolume, 1), 0.25f);
    EXPECT_EQ(Segment::stringAttribute(dictionaries[1].get(), SegmentKey::Type), "TEXT");
    // A project file's negative scale is a mirror, which scales by 1.
    EXPECT_EQ(Segment::scaleAttribute(&first, SegmentKey::UserScale), QPointF(2, 1));
}

// Elements this version does not use, in every place a record can hold them
// (one with a processing instruction inside), are written back in their
// places, from the record read and from a copy of it. Those after the last
// transition stay after the last when one is added or removed.
TEST(SegmentXml, UnusedElementsAreWrittenBackInTheirPlaces)
{
    const QByteArray document =
        "<Segments><Segment RangeDuration=\"10\" Type=\"IMAGE\"><First/>"
        "<Transitions><BeforeEntries/>"
        "<Transition TDuration=\"0.1\" TStart=\"0.1\"><BeforeBegin/><TBegin><InBegin/></TBegin><BetweenStates/>"
        "<TEnd><InEnd/></TEnd><AfterEnd/></Transition>"
        "<BetweenEntries><?vendor keep=\"1\"?></BetweenEntries>"
        "<Transition TDuration=\"0.1\" TStart=\"0.5\"><TBegin/><TEnd/></Transition>"
        "<AfterEntries/></Transitions>"
        "<Last/></Segment></Segments>";
    const std::string asRead = outline(document);
    ASSERT_NE(asRead.find("?vendor keep=\"1\""), std::string::npos) << asRead;
    int error = -1;
    Dictionaries records = read(document, &error);
    ASSERT_EQ(error, 0);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(outline(write(records)), asRead);
    EXPECT_EQ(outline(write({records[0]->copy().get()})), asRead) << "the copy";

    LayerSegment segment(std::move(records[0]), nullptr);
    const std::string entry = "Transition TBegin /TBegin TEnd /TEnd /Transition ";
    const size_t afterEntries = asRead.find("AfterEntries");
    ASSERT_EQ(segment.addTransitionAtTime(1, 8), 3);
    EXPECT_EQ(outline(write({segment.attributes()})), std::string(asRead).insert(afterEntries, entry));
    segment.removeTransition(3);
    EXPECT_EQ(outline(write({segment.attributes()})), asRead);
    segment.removeTransition(2);
    EXPECT_EQ(outline(write({segment.attributes()})),
              std::string(asRead).erase(afterEntries - entry.size(), entry.size()));
}

// Names in a namespace are none of the record's, whatever they are called:
// they are kept as read, with the declarations they take from the document
// around the record, so that the record written anywhere reads the same.
// A second transition list is kept whole too. A prefix declared on a kept
// child's own child binds nothing past that child's end.
TEST(SegmentXml, NamesInANamespaceAreKeptAsReadAndTravelWithTheRecordAndItsCopy)
{
    const QByteArray document =
        "<Segments xmlns:p=\"urn:p\" xmlns:k=\"urn:k\" xmlns:m=\"urn:m\">"
        "<Segment Type=\"TEXT\" Text=\"Mine\" p:Text=\"Theirs\" xml:space=\"preserve\">"
        "<!-- note --><k:Transitions><Transition TStart=\"1\" xmlns:m=\"urn:inner\" m:at=\"1\"/><m:Note/>"
        "</k:Transitions>"
        "<Transitions p:ease=\"in\"><p:Transition TStart=\"2\"/>"
        "<Transition TStart=\"3\" p:TStart=\"4\"><p:TBegin/><TEnd xmlns:q=\"urn:q\" q:Spin=\"1\" Spin=\"2\"/></Transition>"
        "</Transitions><?mark here?><Transitions><Transition TStart=\"9\"/></Transitions></Segment>"
        "</Segments>";
    int error = -1;
    const Dictionaries dictionaries = read(document, &error);
    ASSERT_EQ(error, 0);
    ASSERT_EQ(dictionaries.size(), 1u);
    const SegmentAttributes& record = *dictionaries[0];
    EXPECT_EQ(record.texts(), (SegmentAttributes::Texts{{"Text", "Mine"}, {"Type", "TEXT"}}));
    ASSERT_EQ(Segment::transitionCountOf(&record), 1);
    const SegmentAttributes& entry = *(*record.transitions())[0];
    EXPECT_EQ(entry.texts(), (SegmentAttributes::Texts{{"TStart", "3"}}));
    EXPECT_EQ(entry.state(true), nullptr);
    ASSERT_NE(entry.state(false), nullptr);
    EXPECT_EQ(entry.state(false)->texts(), (SegmentAttributes::Texts{{"Spin", "2"}}));

    const QByteArray written = write({&record});
    EXPECT_EQ(namespaceReadError(written).toStdString(), "") << written.constData();
    EXPECT_EQ(namespacedNames(written).join(' ').toStdString(), namespacedNames(document).join(' ').toStdString());
    for (const char* node : {"<!-- note -->", "<?mark here?>"})
        EXPECT_EQ(written.count(node), 1) << node;
    EXPECT_EQ(write({record.copy().get()}), written);
    EXPECT_EQ(write(read(written, &error)), written);
}

// A kept child that uses a prefix of the document only in an attribute
// takes its declaration along: the record written on its own, as an undo
// snapshot writes it, reads back whole with the attribute as read.
TEST(SegmentXml, APrefixThatAKeptChildUsesOnlyInAnAttributeTravelsWithTheRecord)
{
    int error = -1;
    const Dictionaries dictionaries = read("<Project xmlns:a=\"urn:a\"><Segment Type=\"TEXT\" Text=\"Hi\">"
                                           "<Look a:gain=\"2\"/></Segment></Project>",
                                           &error);
    ASSERT_EQ(error, 0);
    ASSERT_EQ(dictionaries.size(), 1u);
    const QByteArray written = write({dictionaries[0].get()});
    EXPECT_EQ(namespaceReadError(written).toStdString(), "") << written.constData();
    EXPECT_EQ(namespacedNames(written).join(' ').toStdString(), "@a:gain{urn:a}") << written.constData();
}

TEST(SegmentXml, CutOffDocumentReportsTheReaderError)
{
    int error = 0;
    const Dictionaries dictionaries = read("<Segments><Segment Type=\"MOVIE\"><Transitions><Transition TStart=\"0.1\">", &error);
    EXPECT_EQ(error, int(QXmlStreamReader::PrematureEndOfDocumentError));
    ASSERT_EQ(dictionaries.size(), 1u);
    EXPECT_EQ(Segment::stringAttribute(dictionaries[0].get(), SegmentKey::Type), "MOVIE");
    EXPECT_EQ(Segment::transitionCountOf(dictionaries[0].get()), 1);
}

} // namespace
