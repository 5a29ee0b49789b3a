// The XML record of a segment: its text keys as attributes of a "Segment"
// element, its transitions as child elements.
#include "Segment.h"

#include "SegmentKeys.h"

#include <QDebug>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

const QString kSegmentElement = QStringLiteral("Segment");
const QString kTransitionsElement = QStringLiteral("Transitions");

// Whether XML 1.0 can hold the UTF-16 unit at index, alone or (a surrogate)
// with its partner; length gets the units that the character takes.
bool holdsXmlCharacter(const QString& text, int index, int* length)
{
    const QChar unit = text.at(index);
    *length = 1;
    if (unit.isHighSurrogate() && index + 1 < text.size() && text.at(index + 1).isLowSurrogate()) {
        *length = 2;
        return true;
    }
    const ushort code = unit.unicode();
    if (code < 0x20)
        return code == '\t' || code == '\n' || code == '\r';
    return !unit.isSurrogate() && code != 0xFFFE && code != 0xFFFF;
}

// The text without the characters that XML 1.0 cannot hold even as
// references (other C0 controls, U+FFFE, U+FFFF, unpaired surrogates). They
// arrive with tags of media files and pasted text; written as they are they
// would make every later save of the project fail.
QString xmlText(const QString& text)
{
    int index = 0;
    int length = 1;
    while (index < text.size() && holdsXmlCharacter(text, index, &length))
        index += length;
    if (index == text.size())
        return text;
    QString kept = text.left(index);
    for (; index < text.size(); index += length) {
        if (holdsXmlCharacter(text, index, &length))
            kept.append(text.midRef(index, length));
    }
    return kept;
}

void writeTexts(const SegmentAttributes& attributes, QXmlStreamWriter& writer)
{
    // The texts are kept in key order, so an unchanged record writes the same bytes.
    const auto& texts = attributes.texts();
    for (auto it = texts.cbegin(); it != texts.cend(); ++it)
        writer.writeAttribute(it.key(), xmlText(it.value()));
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
