#pragma once

#include <QString>
#include <QVector>
#include <QXmlStreamAttributes>
#include <QXmlStreamNamespaceDeclaration>
#include <QXmlStreamReader>

#include <limits>

class QXmlStreamWriter;

// What this version reads of an element of a document but does not use
// (written by a newer version, an extension or a hand), kept whole so that
// writing the document again gives it back as it was read, in its place:
// the element's attributes that are not its values and its namespace
// declarations, and its child elements, comments and processing
// instructions that it does not use.
//
// A kept child's place is the number of used siblings that came before it;
// the writer of the element writes the kept children of each place just
// before the used sibling of that number. The content is held as a flat
// list of tokens, so neither reading nor writing nor freeing recurses,
// however deeply the elements nest. Copies share the tokens.
//
// What is kept carries the namespace declarations it uses from outside the
// element: the kept start tag declares, besides its own declarations, those
// that its kept attributes and children take from further out (a child
// declares a default namespace itself). So the element reads the same
// wherever it is written (a snapshot, an archive, a copied record), and the
// prefix of every name stays as read.
class KeptXml
{
public:
    bool isEmpty() const { return _elements.isEmpty(); }
    // The kept children: elements, comments and processing instructions.
    int elementCount() const { return _elements.size(); }

    // Keeps, of the start tag the reader stands on, the attributes given
    // (those the element does not read) and its namespace declarations,
    // with those the attributes take from outside it. A declaration of a
    // default namespace other than none is left out: the element's own
    // children are in no namespace, and those that are not declare it.
    // Read the tag before the children.
    void keepStartTag(const QXmlStreamReader& reader, const QXmlStreamAttributes& unread);
    // Write what keepStartTag kept, right after the element's start:
    // the declarations first, the attributes after the element's own.
    void writeStartTagDeclarations(QXmlStreamWriter& writer) const;
    void writeStartTagAttributes(QXmlStreamWriter& writer) const;

    // Reads, from the start element the reader stands on to its end, the
    // whole element as one kept at place; or the comment or processing
    // instruction it stands on. False, keeping nothing, when the document
    // ends or breaks inside it.
    bool readElement(QXmlStreamReader& reader, int place);
    // Keeps the elements read after the last of usedCount used siblings
    // after the last, however many there are when they are written.
    void placeAfterLast(int usedCount);
    // Writes the kept elements of the place.
    void write(QXmlStreamWriter& writer, int place) const;
    // Writes the kept elements of the place and of every later place.
    void writeFrom(QXmlStreamWriter& writer, int place) const;

private:
    static constexpr int kAfterLast = std::numeric_limits<int>::max();

    struct Token {
        QXmlStreamReader::TokenType type = QXmlStreamReader::NoToken;
        // The element's qualified name, a processing instruction's target,
        // an entity's name.
        QString name;
        // Characters, a comment, a processing instruction's data.
        QString text;
        bool isCData = false;
        QXmlStreamNamespaceDeclarations namespaces;
        QXmlStreamAttributes attributes;
    };
    struct Element {
        int place = 0;
        int firstToken = 0;
        int endToken = 0;
    };

    static Token _tokenAt(const QXmlStreamReader& reader);
    void _writeElement(QXmlStreamWriter& writer, const Element& element) const;
    static void _writeToken(QXmlStreamWriter& writer, const Token& token);
    static void _writeDeclarations(QXmlStreamWriter& writer, const QXmlStreamNamespaceDeclarations& declarations);
    // Gives the declarations that a kept child takes from outside itself a place.
    void _declareForChild(const QXmlStreamNamespaceDeclarations& declarations, Token& child);

    QVector<Token> _tokens;
    // In place order, as read.
    QVector<Element> _elements;
    QXmlStreamNamespaceDeclarations _tagDeclarations;
    QXmlStreamAttributes _tagAttributes;
};
