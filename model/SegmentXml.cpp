// The XML record of a segment: its text keys as attributes of a "Segment"
// element, its transitions as child elements.
#include "Segment.h"

#include "SegmentKeys.h"

#include <QDebug>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>

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

void writeState(const SegmentAttributes* state, const QString& name, QXmlStreamWriter& writer)
{
    if (!state)
        return;
    writer.writeStartElement(name);
    writeTexts(*state, writer);
    writer.writeEndElement();
}

// Keys that name a list or a state are ignored: they never hold text.
void readTexts(const QXmlStreamReader& reader, SegmentAttributes& attributes)
{
    for (const QXmlStreamAttribute& attribute : reader.attributes())
        attributes.setText(attribute.name().toString(), attribute.value().toString());
}

} // namespace

void Segment::saveToXml(const SegmentAttributes& attributes, QXmlStreamWriter& writer)
{
    writer.writeStartElement(kSegmentElement);
    writeTexts(attributes, writer);
    if (const auto* entries = attributes.transitions()) {
        writer.writeStartElement(kTransitionsElement);
        for (const auto& entry : *entries) {
            writer.writeStartElement(SegmentKey::Transition);
            writeTexts(*entry, writer);
            writeState(entry->state(true), SegmentKey::TBegin, writer);
            writeState(entry->state(false), SegmentKey::TEnd, writer);
            writer.writeEndElement();
        }
        writer.writeEndElement();
    }
    writer.writeEndElement();
}

int Segment::loadFromXml(SegmentAttributes& attributes, QXmlStreamReader& reader)
{
    readTexts(reader, attributes);
    SegmentAttributes::TransitionList* list = nullptr;
    SegmentAttributes* entry = nullptr;
    // Elements are counted so that only the end of this record ends it, not
    // the end of a nested element that happens to share its name.
    int depth = 1;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement() && --depth == 0)
            return 0;
        if (!reader.isStartElement())
            continue;
        ++depth;
        const QStringRef name = reader.name();
        if (name == kTransitionsElement) {
            list = &attributes.resetTransitions();
            entry = nullptr;
        } else if (name == SegmentKey::Transition && list) {
            list->push_back(std::make_unique<SegmentAttributes>());
            entry = list->back().get();
            readTexts(reader, *entry);
        } else if ((name == SegmentKey::TBegin || name == SegmentKey::TEnd) && entry) {
            readTexts(reader, entry->resetState(name == SegmentKey::TBegin));
        }
    }
    if (!reader.hasError())
        return 0;
    qWarning().noquote() << "Load segment from xml error: " + reader.errorString();
    return reader.error();
}
