#include "KeptXml.h"

#include <QXmlStreamWriter>

#include <algorithm>

KeptXml::Token KeptXml::_tokenAt(const QXmlStreamReader& reader)
{
    Token token;
    token.type = reader.tokenType();
    switch (token.type) {
    case QXmlStreamReader::StartElement:
        token.name = reader.qualifiedName().toString();
        token.namespaces = reader.namespaceDeclarations();
        token.attributes = reader.attributes();
        break;
    case QXmlStreamReader::Characters:
        token.text = reader.text().toString();
        token.isCData = reader.isCDATA();
        break;
    case QXmlStreamReader::Comment:
        token.text = reader.text().toString();
        break;
    case QXmlStreamReader::ProcessingInstruction:
        token.name = reader.processingInstructionTarget().toString();
        token.text = reader.processingInstructionData().toString();
        break;
    case QXmlStreamReader::EntityReference:
        token.name = reader.name().toString();
        break;
    default:
        break;
    }
    return token;
}

bool KeptXml::readElement(QXmlStreamReader& reader, int place)
{
    const int firstToken = _tokens.size();
    int depth = 0;
    while (!reader.hasError()) {
        if (reader.isStartElement())
            ++depth;
        else if (reader.isEndElement())
            --depth;
        _tokens.append(_tokenAt(reader));
        if (depth == 0) {
            _elements.append(Element{place, firstToken, _tokens.size()});
            return true;
        }
        if (reader.atEnd())
            break;
        reader.readNext();
    }
    _tokens.resize(firstToken);
    return false;
}

void KeptXml::placeAfterLast(int usedCount)
{
    for (Element& element : _elements) {
        if (element.place >= usedCount)
            element.place = kAfterLast;
    }
}

void KeptXml::write(QXmlStreamWriter& writer, int place) const
{
    const auto first = std::lower_bound(_elements.cbegin(), _elements.cend(), place,
                                        [](const Element& element, int wanted) { return element.place < wanted; });
    for (auto element = first; element != _elements.cend() && element->place == place; ++element)
        _writeElement(writer, *element);
}

void KeptXml::writeFrom(QXmlStreamWriter& writer, int place) const
{
    for (const Element& element : _elements) {
        if (element.place >= place)
            _writeElement(writer, element);
    }
}

// The element's own start tag is indented like its siblings; inside it only
// the whitespace that was read is written, so that writing it again gives
// the same bytes, and deep nesting is not indented ever further.
void KeptXml::_writeElement(QXmlStreamWriter& writer, const Element& element) const
{
    const bool autoFormatting = writer.autoFormatting();
    _writeToken(writer, _tokens[element.firstToken]);
    writer.setAutoFormatting(false);
    for (int index = element.firstToken + 1; index < element.endToken && !writer.hasError(); ++index)
        _writeToken(writer, _tokens[index]);
    writer.setAutoFormatting(autoFormatting);
}

void KeptXml::_writeToken(QXmlStreamWriter& writer, const Token& token)
{
    switch (token.type) {
    case QXmlStreamReader::StartElement:
        writer.writeStartElement(token.name);
        for (const QXmlStreamNamespaceDeclaration& declaration : token.namespaces) {
            const QString prefix = declaration.prefix().toString();
            writer.writeAttribute(prefix.isEmpty() ? QStringLiteral("xmlns") : QStringLiteral("xmlns:") + prefix,
                                  declaration.namespaceUri().toString());
        }
        for (const QXmlStreamAttribute& attribute : token.attributes)
            writer.writeAttribute(attribute.qualifiedName().toString(), attribute.value().toString());
        break;
    case QXmlStreamReader::EndElement:
        writer.writeEndElement();
        break;
    case QXmlStreamReader::Characters:
        if (token.isCData)
            writer.writeCDATA(token.text);
        else
            writer.writeCharacters(token.text);
        break;
    case QXmlStreamReader::Comment:
        writer.writeComment(token.text);
        break;
    case QXmlStreamReader::ProcessingInstruction:
        writer.writeProcessingInstruction(token.name, token.text);
        break;
    case QXmlStreamReader::EntityReference:
        writer.writeEntityReference(token.name);
        break;
    default:
        break;
    }
}
