#include "KeptXml.h"

#include <QHash>
#include <QSet>
#include <QXmlStreamWriter>

#include <algorithm>

namespace {

// The prefix bound to the XML namespace by XML itself, never declared.
const QString kXmlPrefix = QStringLiteral("xml");

// The declarations that the names of kept content take from outside it:
// those whose prefix no element of the content that is open at the name
// declares. Counting the open declarations of each prefix keeps the work
// per name constant however deeply the content nests.
class OutsideDeclarations
{
public:
    void enter(const QXmlStreamNamespaceDeclarations& declarations)
    {
        for (const QXmlStreamNamespaceDeclaration& declaration : declarations)
            ++_openInside[declaration.prefix().toString()];
    }
    void leave(const QXmlStreamNamespaceDeclarations& declarations)
    {
        for (const QXmlStreamNamespaceDeclaration& declaration : declarations) {
            const auto open = _openInside.find(declaration.prefix().toString());
            if (open != _openInside.end() && --open.value() == 0)
                _openInside.erase(open);
        }
    }
    // Notes a name of the prefix that the reader bound to namespaceUri.
    void use(const QStringRef& prefix, const QStringRef& namespaceUri)
    {
        if (namespaceUri.isEmpty() || prefix == kXmlPrefix)
            return;
        const QString key = prefix.toString();
        if (_openInside.contains(key) || _taken.contains(key))
            return;
        _taken.insert(key);
        _declarations.append(QXmlStreamNamespaceDeclaration(key, namespaceUri.toString()));
    }
    void useAttributes(const QXmlStreamAttributes& attributes)
    {
        for (const QXmlStreamAttribute& attribute : attributes)
            use(attribute.prefix(), attribute.namespaceUri());
    }
    const QXmlStreamNamespaceDeclarations& declarations() const { return _declarations; }

private:
    QHash<QString, int> _openInside;
    QSet<QString> _taken;
    QXmlStreamNamespaceDeclarations _declarations;
};

} // namespace

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

void KeptXml::keepStartTag(const QXmlStreamReader& reader, const QXmlStreamAttributes& unread)
{
    _tagDeclarations.clear();
    for (const QXmlStreamNamespaceDeclaration& declaration : reader.namespaceDeclarations()) {
        if (!declaration.prefix().isEmpty() || declaration.namespaceUri().isEmpty())
            _tagDeclarations.append(declaration);
    }
    OutsideDeclarations outside;
    outside.enter(_tagDeclarations);
    outside.useAttributes(unread);
    _tagDeclarations += outside.declarations();
    _tagAttributes = unread;
}

// On the kept start tag, which every writer writes around the children,
// once for all of them, as the document read most likely had it. A default
// namespace stays on the child: the element's own children are in none.
void KeptXml::_declareForChild(const QXmlStreamNamespaceDeclarations& declarations, Token& child)
{
    for (const QXmlStreamNamespaceDeclaration& declaration : declarations) {
        const QStringRef prefix = declaration.prefix();
        if (prefix.isEmpty())
            child.namespaces.append(declaration);
        else if (std::none_of(_tagDeclarations.cbegin(), _tagDeclarations.cend(),
                              [&prefix](const QXmlStreamNamespaceDeclaration& onTag) { return onTag.prefix() == prefix; }))
            _tagDeclarations.append(declaration);
    }
}

void KeptXml::writeStartTagDeclarations(QXmlStreamWriter& writer) const
{
    _writeDeclarations(writer, _tagDeclarations);
}

void KeptXml::writeStartTagAttributes(QXmlStreamWriter& writer) const
{
    for (const QXmlStreamAttribute& attribute : _tagAttributes)
        writer.writeAttribute(attribute.qualifiedName().toString(), attribute.value().toString());
}

bool KeptXml::readElement(QXmlStreamReader& reader, int place)
{
    const int firstToken = _tokens.size();
    OutsideDeclarations outside;
    // The start tokens of the elements open inside the kept one.
    QVector<int> open;
    while (!reader.hasError()) {
        _tokens.append(_tokenAt(reader));
        const Token& token = _tokens.constLast();
        if (reader.isStartElement()) {
            open.append(_tokens.size() - 1);
            outside.enter(token.namespaces);
            outside.use(reader.prefix(), reader.namespaceUri());
            outside.useAttributes(token.attributes);
        } else if (reader.isEndElement() && !open.isEmpty()) {
            outside.leave(_tokens.at(open.takeLast()).namespaces);
        }
        if (open.isEmpty()) {
            _declareForChild(outside.declarations(), _tokens[firstToken]);
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
        _writeDeclarations(writer, token.namespaces);
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

// As attributes: the writer then keeps every prefix as read instead of
// making up its own.
void KeptXml::_writeDeclarations(QXmlStreamWriter& writer, const QXmlStreamNamespaceDeclarations& declarations)
{
    for (const QXmlStreamNamespaceDeclaration& declaration : declarations) {
        const QString prefix = declaration.prefix().toString();
        writer.writeAttribute(prefix.isEmpty() ? QStringLiteral("xmlns") : QStringLiteral("xmlns:") + prefix,
                              declaration.namespaceUri().toString());
    }
}
