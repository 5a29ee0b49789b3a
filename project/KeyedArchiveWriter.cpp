#include "KeyedArchiveWriter.h"

#include <QDebug>

#include <algorithm>
#include <iomanip>
#include <iterator>
#include <locale>
#include <sstream>
#include <stdexcept>

namespace {

const std::string kTransitionKey = "Transition";
const std::string kBeginStateKey = "TBegin";
const std::string kEndStateKey = "TEnd";
const std::string kUrlKey = "URL";
const std::string kStringWrapper = "NS.string";
// Dictionaries that only wrap their value, looked for in this order.
const char* const kWrappers[] = {"NS.rectval", "NS.sizeval", "NS.string", "NS.pointval", "NS.relative"};

const char kDeclaration[] = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";

// The next code point of UTF-8 text; false for a malformed sequence.
bool nextCodePoint(const std::string& text, size_t& index, uint32_t& codePoint)
{
    const auto lead = uint8_t(text[index]);
    const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || index + size_t(length) > text.size())
        return false;
    codePoint = length == 1 ? lead : lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        const auto next = uint8_t(text[index + size_t(i)]);
        if ((next >> 6) != 0x2)
            return false;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    static const uint32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    index += size_t(length);
    return codePoint >= kShortest[length] && codePoint <= 0x10FFFF && (codePoint < 0xD800 || codePoint > 0xDFFF);
}

bool isValidUtf8(const std::string& text)
{
    uint32_t codePoint;
    for (size_t i = 0; i < text.size();)
        if (!nextCodePoint(text, i, codePoint))
            return false;
    return true;
}

bool isNameStart(uint32_t c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || (c >= 0xC0 && c <= 0xD6) ||
           (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x2FF) || (c >= 0x370 && c <= 0x37D) ||
           (c >= 0x37F && c <= 0x1FFF) || (c >= 0x200C && c <= 0x200D) || (c >= 0x2070 && c <= 0x218F) ||
           (c >= 0x2C00 && c <= 0x2FEF) || (c >= 0x3001 && c <= 0xD7FF) || (c >= 0xF900 && c <= 0xFDCF) ||
           (c >= 0xFDF0 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0xEFFFF);
}

bool isNameCharacter(uint32_t c)
{
    return isNameStart(c) || c == '-' || c == '.' || (c >= '0' && c <= '9') || c == 0xB7 ||
           (c >= 0x300 && c <= 0x36F) || (c >= 0x203F && c <= 0x2040);
}

// An XML name; colons are left out, since a reader that processes name
// spaces refuses a prefix nobody declared.
bool isXmlName(const std::string& key)
{
    uint32_t codePoint;
    for (size_t i = 0; i < key.size();) {
        const bool first = i == 0;
        if (!nextCodePoint(key, i, codePoint) || !(first ? isNameStart(codePoint) : isNameCharacter(codePoint)))
            return false;
    }
    return !key.empty();
}

// XML cannot hold the other control characters, not even escaped.
bool isXmlCharacter(int character)
{
    return character >= 0x20 || character == '\t' || character == '\n' || character == '\r';
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The byte that the two characters after a "%" stand for, read like a
// "%x" scan (leading blanks skipped, up to the first non-digit); -1 when
// no hexadecimal digit follows.
int escapedByte(char first, char second)
{
    const char digits[] = {first, second};
    int value = -1;
    for (char c : digits) {
        if (value < 0 && (c == ' ' || (c >= '\t' && c <= '\r')))
            continue;
        const int digit = hexDigit(c);
        if (digit < 0)
            break;
        value = (value < 0 ? 0 : value * 16) + digit;
    }
    return value;
}

std::string percentDecoded(const std::string& text, bool decodeNonAscii)
{
    std::string decoded;
    decoded.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const int byte = text[i] == '%' && i + 2 < text.size() ? escapedByte(text[i + 1], text[i + 2]) : -1;
        if (byte >= 0 && isXmlCharacter(byte) && (decodeNonAscii || byte < 0x80)) {
            decoded += char(byte);
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

// Escapes that would make the text malformed UTF-8 stay as they are.
std::string decodedUrl(const std::string& text)
{
    std::string decoded = percentDecoded(text, true);
    return isValidUtf8(decoded) ? decoded : percentDecoded(text, false);
}

// XML readers refuse malformed UTF-8 and the control characters that XML
// cannot hold even as references; either would leave a converted project
// that never opens, and is never converted again while it exists. Such
// controls are left out and each malformed byte becomes U+FFFD.
std::string readableText(const std::string& text)
{
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const size_t start = i;
        uint32_t codePoint;
        if (!nextCodePoint(text, i, codePoint)) {
            result += "\xEF\xBF\xBD";
            i = start + 1;
        } else if (isXmlCharacter(int(codePoint)) && codePoint != 0xFFFE && codePoint != 0xFFFF) {
            result.append(text, start, i - start);
        }
    }
    return result;
}

std::string escaped(const std::string& text)
{
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&': result += "&amp;"; break;
        case '>': result += "&gt;"; break;
        case '<': result += "&lt;"; break;
        case '"': result += "&quot;"; break;
        case '\'': result += "&apos;"; break;
        case '\n': result += "&#10;"; break;
        // A reader turns literal carriage returns and tabs of an attribute into blanks.
        case '\r': result += "&#13;"; break;
        case '\t': result += "&#9;"; break;
        default: result += c;
        }
    }
    return result;
}

std::string realText(double value, bool fixed)
{
    std::ostringstream stream;
    stream.imbue(std::locale::classic());
    if (fixed)
        stream << std::fixed;
    stream << std::setprecision(6) << value;
    return stream.str();
}

const boost::any& entry(const Plist::Dictionary& dictionary, const std::string& key)
{
    const auto found = dictionary.find(key);
    if (found == dictionary.end())
        throw std::out_of_range("invalid map<K, T> key");
    return found->second;
}

} // namespace

KeyedArchiveWriter::KeyedArchiveWriter(const Plist::Dictionary& archive)
    : _objects(&boost::any_cast<const Plist::Array&>(entry(archive, "$objects"))),
      _top(&boost::any_cast<const Plist::Dictionary&>(entry(archive, "$top")))
{
}

const boost::any& KeyedArchiveWriter::_object(const boost::any& reference) const
{
    const auto index = uint32_t(boost::any_cast<Plist::Reference>(reference));
    if (index >= _objects->size())
        throw std::out_of_range("invalid vector subscript");
    return (*_objects)[index];
}

const Plist::Dictionary& KeyedArchiveWriter::_dictionaryObject(const boost::any& reference) const
{
    return boost::any_cast<const Plist::Dictionary&>(_object(reference));
}

const Plist::Array& KeyedArchiveWriter::_array(const Plist::Dictionary& dictionary, const char* key)
{
    return boost::any_cast<const Plist::Array&>(entry(dictionary, key));
}

const boost::any& KeyedArchiveWriter::_rootReference() const
{
    const auto root = _top->find("root");
    if (root == _top->end())
        throw boost::bad_any_cast();
    return root->second;
}

std::string KeyedArchiveWriter::_keyText(const boost::any& keyReference) const
{
    return boost::any_cast<const std::string&>(_object(keyReference));
}

template <typename Visit>
void KeyedArchiveWriter::_forEachPair(const Plist::Dictionary& object, Visit&& visit) const
{
    const Plist::Array& keys = _array(object, "NS.keys");
    const Plist::Array& values = _array(object, "NS.objects");
    for (size_t i = 0; i < keys.size() && i < values.size(); ++i)
        visit(_keyText(keys[i]), values[i]);
}

std::string KeyedArchiveWriter::projectXml()
{
    const Plist::Array& segments = _array(_dictionaryObject(_rootReference()), "NS.objects");
    _out = kDeclaration;
    _out += "<Project>\n";
    for (const boost::any& segment : segments)
        _writeSegment(segment);
    _out += "</Project>\n";
    return std::move(_out);
}

std::string KeyedArchiveWriter::propertiesXml()
{
    const Plist::Dictionary& root = _dictionaryObject(_rootReference());
    Attributes attributes;
    _forEachPair(root, [&](const std::string& key, const boost::any& value) { _addAttribute(attributes, key, value); });
    _out = kDeclaration;
    _out += "<Properties\n";
    _writeAttributes(attributes, 1);
    _out += "/>\n";
    return std::move(_out);
}

void KeyedArchiveWriter::_writeSegment(const boost::any& reference)
{
    const Plist::Dictionary& segment = _dictionaryObject(reference);
    _out += "\t<Segment\n";
    const boost::any* transitions = nullptr;
    Attributes attributes;
    _forEachPair(segment, [&](const std::string& key, const boost::any& value) {
        if (key == kTransitionKey)
            transitions = &value;
        else
            _addAttribute(attributes, key, value);
    });
    _writeAttributes(attributes, 2);
    if (!transitions) {
        _out += "\t/>\n";
        return;
    }
    _out += "\t>\n\t\t<Transitions>\n";
    for (const boost::any& transition : _array(_dictionaryObject(*transitions), "NS.objects"))
        _writeTransition(transition);
    _out += "\t\t</Transitions>\n\t</Segment>\n";
}

void KeyedArchiveWriter::_writeTransition(const boost::any& reference)
{
    const boost::any* beginState = nullptr;
    const boost::any* endState = nullptr;
    Attributes attributes;
    _forEachPair(_dictionaryObject(reference), [&](const std::string& key, const boost::any& value) {
        if (key == kBeginStateKey)
            beginState = &value;
        else if (key == kEndStateKey)
            endState = &value;
        else
            _addAttribute(attributes, key, value);
    });
    _out += "\t\t\t<Transition\n";
    _writeAttributes(attributes, 4);
    _out += "\t\t\t>\n";
    if (beginState)
        _writeState("TBegin", *beginState);
    if (endState)
        _writeState("TEnd", *endState);
    _out += "\t\t\t</Transition>\n";
}

void KeyedArchiveWriter::_writeState(const char* name, const boost::any& reference)
{
    Attributes attributes;
    _forEachPair(_dictionaryObject(reference),
                 [&](const std::string& key, const boost::any& value) { _addAttribute(attributes, key, value); });
    _out += std::string("\t\t\t\t<") + name + "\n";
    _writeAttributes(attributes, 5);
    _out += "\t\t\t\t/>\n";
}

void KeyedArchiveWriter::_addAttribute(Attributes& attributes, const std::string& key,
                                       const boost::any& valueReference)
{
    if (!isXmlName(key)) {
        qWarning().noquote() << "Property-list key left out, it is no XML name:" << QByteArray::fromStdString(key);
        return;
    }
    std::string text;
    if (!_valueText(key, valueReference, &text))
        return;
    for (auto& attribute : attributes) {
        if (attribute.first == key) {
            attribute.second = std::move(text);
            return;
        }
    }
    attributes.emplace_back(key, std::move(text));
}

void KeyedArchiveWriter::_writeAttributes(const Attributes& attributes, int tabs)
{
    for (const auto& attribute : attributes) {
        _out.append(size_t(tabs), '\t');
        _out += attribute.first;
        _out += "=\"";
        _out += attribute.second;
        _out += "\"\n";
    }
}

bool KeyedArchiveWriter::_valueText(const std::string& key, const boost::any& valueReference, std::string* text)
{
    const boost::any* value = &_object(valueReference);
    // Wrappers can refer to one another; a chain longer than the archive
    // has objects runs in a circle.
    for (size_t steps = 0;; ++steps) {
        const auto* dictionary = boost::any_cast<Plist::Dictionary>(value);
        const char* const* wrapper = std::find_if(std::begin(kWrappers), std::end(kWrappers),
                                                  [&](const char* name) { return dictionary && dictionary->count(name); });
        if (wrapper == std::end(kWrappers))
            break;
        if (steps > _objects->size())
            throw std::runtime_error("Wrapped values of the archive refer to each other in a circle");
        const boost::any& inner = dictionary->at(*wrapper);
        value = *wrapper == kStringWrapper ? &inner : &_object(inner);
    }
    if (const auto* string = boost::any_cast<std::string>(value)) {
        *text = escaped(readableText(key == kUrlKey ? decodedUrl(*string) : *string));
    } else if (const auto* real = boost::any_cast<double>(value)) {
        _fixedReals = true;
        *text = realText(*real, true);
    } else if (const auto* flag = boost::any_cast<bool>(value)) {
        *text = *flag ? "1" : "0";
    } else if (const auto* integer = boost::any_cast<Plist::Integer>(value)) {
        *text = std::to_string(*integer);
    } else if (const auto* list = boost::any_cast<Plist::Dictionary>(value); list && list->count("NS.objects")) {
        *text = _realListText(*list);
    } else {
        return false;
    }
    return true;
}

std::string KeyedArchiveWriter::_realListText(const Plist::Dictionary& list) const
{
    std::string text;
    for (const boost::any& element : _array(list, "NS.objects")) {
        if (const auto* real = boost::any_cast<double>(&_object(element))) {
            if (!text.empty())
                text += ',';
            text += realText(*real, _fixedReals);
        }
    }
    return text;
}
