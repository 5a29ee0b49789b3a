#pragma once

#include <QString>
#include <QVector>
#include <QXmlStreamAttributes>
#include <QXmlStreamNamespaceDeclaration>
#include <QXmlStreamReader>

#include <limits>

class QXmlStreamWriter;

// Elements of a document that this version reads but does not use (written
// by a newer version, an extension or a hand), kept whole so that writing
// the document again gives them back as they were read, in their places.
//
// An element's place is the number of used siblings that came before it;
// the writer of the parent element writes the kept elements of each place
// just before the used sibling of that number. The content is held as a
// flat list of tokens, so neither reading nor writing nor freeing recurses,
// however deeply the elements nest. Copies share the tokens.
class KeptXml
{
public:
    bool isEmpty() const { return _elements.isEmpty(); }
    int elementCount() const { return _elements.size(); }

    // Reads, from the start element the reader stands on to its end, the
    // whole element as one kept at place. False, keeping nothing, when the
    // document ends or breaks inside it.
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

    QVector<Token> _tokens;
    // In place order, as read.
    QVector<Element> _elements;
};
