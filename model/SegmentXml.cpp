// The XML record of a segment: its text keys as attributes of a "Segment"
// element, its transitions as child elements, and the child elements this
// version does not use as they were read.
#include "Segment.h"

#include "SegmentKeys.h"

#include <QDebug>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <functional>

namespace {

const QString kSegmentElement = QStringLiteral("Segment");
const QString kTransitionsElement = QStringLiteral("Transitions");

// The UTF-16 units that the character at unit takes when XML 1.0 can hold
// it: 1, or 2 for a surrogate pair; 0 when it cannot.
int xmlCharacterLength(const QChar* unit, const QChar* end)
{
    const ushort code = unit->unicode();
    if (code >= 0x20 && code < 0xD800)
        return 1;
    if (code < 0x20)
        return code == '\t' || code == '\n' || code == '\r' ? 1 : 0;
    if (QChar::isHighSurrogate(code))
        return unit + 1 < end && unit[1].isLowSurrogate() ? 2 : 0;
    return QChar::isLowSurrogate(code) || code == 0xFFFE || code == 0xFFFF ? 0 : 1;
}

// The number of leading UTF-16 units of the text that XML 1.0 can hold.
int xmlPrefixLength(const QString& text)
{
    const QChar* const begin = text.constData();
    const QChar* const end = begin + text.size();
    const QChar* unit = begin;
    int length = 0;
    while (unit < end && (length = xmlCharacterLength(unit, end)) > 0)
        unit += length;
    return int(unit - begin);
}

// The text without the characters that XML 1.0 cannot hold even as
// references (other C0 controls, U+FFFE, U+FFFF, unpaired surrogates), from
// the first of them at index on.
QString withoutNonXmlCharacters(const QString& text, int index)
{
    QString kept(text.constData(), index);
    const QChar* const end = text.constData() + text.size();
    int length = 0;
    for (const QChar* unit = text.constData() + index; unit < end; unit += std::max(length, 1)) {
        length = xmlCharacterLength(unit, end);
        kept.append(unit, length);
    }
    return kept;
}

// Such characters arrive with tags of media files and pasted text; written
// as they are they would make every later save of the project fail, so they
// are left out.
void writeTexts(const SegmentAttributes& attributes, QXmlStreamWriter& writer)
{
    // The texts are kept in key order, so an unchanged record writes the same bytes.
    const auto& texts = attributes.texts();
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
        const int writable = xmlPrefixLength(it.value());
        if (writable == it.value().size())
            writer.writeAttribute(it.key(), it.value());
        else
            writer.writeAttribute(it.key(), withoutNonXmlCharacters(it.value(), writable));
    }
}

// The used children, each after the kept elements of its place, then the
// kept elements placed after the last.
void writeChildren(const KeptXml& kept, QXmlStreamWriter& writer, int usedCount,
                   const std::function<void(int)>& writeUsed)
{
    for (int place = 0; place < usedCount; ++place) {
        kept.write(writer, place);
        writeUsed(place);
    }
    kept.writeFrom(writer, usedCount);
}

void writeElement(const QString& name, const SegmentAttributes& attributes, QXmlStreamWriter& writer,
                  int usedCount, const std::function<void(int)>& writeUsed)
{
    const KeptXml& kept = attributes.keptElements();
    writer.writeStartElement(name);
    kept.writeStartTagDeclarations(writer);
    writeTexts(attributes, writer);
    kept.writeStartTagAttributes(writer);
    writeChildren(kept, writer, usedCount, writeUsed);
    writer.writeEndElement();
}

void writeEntry(const SegmentAttributes& entry, QXmlStreamWriter& writer)
{
    const SegmentAttributes* begin = entry.state(true);
    const SegmentAttributes* end = entry.state(false);
    const int states = int(begin != nullptr) + int(end != nullptr);
    writeElement(SegmentKey::Transition, entry, writer, states, [begin, end, &writer](int place) {
        const bool isBegin = place == 0 && begin;
        writeElement(isBegin ? SegmentKey::TBegin : SegmentKey::TEnd, isBegin ? *begin : *end, writer, 0, {});
    });
}

void writeTransitions(const SegmentAttributes& attributes, QXmlStreamWriter& writer)
{
    const SegmentAttributes::TransitionList& entries = *attributes.transitions();
    const KeptXml& kept = attributes.keptInTransitions();
    writer.writeStartElement(kTransitionsElement);
    kept.writeStartTagDeclarations(writer);
    kept.writeStartTagAttributes(writer);
    writeChildren(kept, writer, int(entries.size()),
                  [&entries, &writer](int place) { writeEntry(*entries[size_t(place)], writer); });
    writer.writeEndElement();
}

// Only the attributes in no namespace are values; keys that name a list
// or a state are ignored among them, as they never hold text. The others,
// whatever their names, are kept with the element's declarations.
void readStartTag(const QXmlStreamReader& reader, SegmentAttributes& attributes)
{
    QXmlStreamAttributes unread;
    for (const QXmlStreamAttribute& attribute : reader.attributes()) {
        if (attribute.namespaceUri().isEmpty())
            attributes.setText(attribute.name().toString(), attribute.value().toString());
        else
            unread.append(attribute);
    }
    attributes.keptElements().keepStartTag(reader, unread);
}

// The elements a record uses, each inside the one before.
enum class Level { Record, TransitionList, Entry, State };

// Where a child element that is not used at the level is kept, and its place.
KeptXml& keptAt(Level level, SegmentAttributes& record, SegmentAttributes* entry, SegmentAttributes* state,
                int* place)
{
    switch (level) {
    case Level::Record:
        *place = record.transitions() ? 1 : 0;
        return record.keptElements();
    case Level::TransitionList:
        *place = int(record.transitions()->size());
        return record.keptInTransitions();
    case Level::Entry:
        *place = int(entry->state(true) != nullptr) + int(entry->state(false) != nullptr);
        return entry->keptElements();
    case Level::State:
        break;
    }
    *place = 0;
    return state->keptElements();
}

// Enters the used element that the start element the reader stands on
// opens at the level, if it opens one: only an element in no namespace is
// the program's own, whatever it is called. A second transition list is
// kept whole, as the kept content of the first needs the first one's tag.
bool enterUsedElement(QXmlStreamReader& reader, Level* level, SegmentAttributes& record,
                      SegmentAttributes** entry, SegmentAttributes** state)
{
    if (!reader.namespaceUri().isEmpty())
        return false;
    const QStringRef name = reader.name();
    if (*level == Level::Record && name == kTransitionsElement && !record.transitions()) {
        record.resetTransitions();
        record.keptInTransitions().keepStartTag(reader, reader.attributes());
        *level = Level::TransitionList;
    } else if (*level == Level::TransitionList && name == SegmentKey::Transition) {
        record.transitions()->push_back(std::make_unique<SegmentAttributes>());
        *entry = record.transitions()->back().get();
        readStartTag(reader, **entry);
        *level = Level::Entry;
    } else if (*level == Level::Entry && (name == SegmentKey::TBegin || name == SegmentKey::TEnd)) {
        *state = &(*entry)->resetState(name == SegmentKey::TBegin);
        readStartTag(reader, **state);
        *level = Level::State;
    } else {
        return false;
    }
    return true;
}

} // namespace

void Segment::saveToXml(const SegmentAttributes& attributes, QXmlStreamWriter& writer)
{
    writeElement(kSegmentElement, attributes, writer, attributes.transitions() ? 1 : 0,
                 [&attributes, &writer](int) { writeTransitions(attributes, writer); });
}

// Only the elements in their places are used: a transition list directly
// inside the record, its entries, their states. Every other element is kept
// whole with what it holds, so nothing inside it is taken for a used one;
// so are the comments and processing instructions among them.
int Segment::loadFromXml(SegmentAttributes& attributes, QXmlStreamReader& reader)
{
    readStartTag(reader, attributes);
    Level level = Level::Record;
    SegmentAttributes* entry = nullptr;
    SegmentAttributes* state = nullptr;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement()) {
            if (level == Level::Record)
                return 0;
            if (level == Level::TransitionList)
                attributes.keptInTransitions().placeAfterLast(int(attributes.transitions()->size()));
            level = Level(int(level) - 1);
            continue;
        }
        if (!reader.isStartElement() && !reader.isComment() && !reader.isProcessingInstruction())
            continue;
        if (reader.isStartElement() && enterUsedElement(reader, &level, attributes, &entry, &state))
            continue;
        int place = 0;
        KeptXml& kept = keptAt(level, attributes, entry, state, &place);
        if (!kept.readElement(reader, place))
            break;
    }
    if (!reader.hasError())
        return 0;
    qWarning().noquote() << "Load segment from xml error: " + reader.errorString();
    return reader.error();
}
