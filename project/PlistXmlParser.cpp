// The XML form of property lists, parsed with pugixml.

#include "PlistParsers.h"
#include "PlistReader.h"

#include <pugixml.hpp>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>

namespace Plist {

namespace {

// The text of an element: the value of its first child, empty without one.
const char* elementText(const pugi::xml_node& node)
{
    return node.first_child().value();
}

// Reals are written with a point whatever the process locale says.
double parseReal(const char* text)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return cLocale ? strtod_l(text, nullptr, cLocale) : std::strtod(text, nullptr);
}

int base64Value(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

// Line breaks and other characters outside the alphabet are skipped; the
// first "=" ends the data, and an unpadded partial group gives nothing.
Data decodeBase64(const char* text)
{
    Data bytes;
    uint32_t group = 0;
    int filled = 0;
    for (const char* c = text; *c; ++c) {
        if (*c == '=') {
            if (filled >= 2)
                bytes.push_back(uint8_t(group >> (6 * filled - 8)));
            if (filled == 3)
                bytes.push_back(uint8_t(group >> 2));
            break;
        }
        const int value = base64Value(*c);
        if (value < 0)
            continue;
        group = (group << 6) | uint32_t(value);
        if (++filled == 4) {
            bytes.push_back(uint8_t(group >> 16));
            bytes.push_back(uint8_t(group >> 8));
            bytes.push_back(uint8_t(group));
            group = 0;
            filled = 0;
        }
    }
    return bytes;
}

// "2001-01-01T00:00:00Z" in UTC. Fields the text leaves out keep the
// values of 1970-01-01T00:00:00.
Date parseDate(const char* text)
{
    int year = 1970, month = 1, day = 1, hour = 0, minute = 0, second = 0;
    std::sscanf(text, "%4d-%2d-%2dT%2d:%2d:%2dZ", &year, &month, &day, &hour, &minute, &second);
    Date date;
    date.set(month, day, year, hour, minute, second, true);
    return date;
}

boost::any parseNode(const pugi::xml_node& node, int depth);

Dictionary parseDictionary(const pugi::xml_node& node, int depth)
{
    Dictionary dictionary;
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (std::strcmp(child.name(), "key") != 0)
            throw Error("Plist: XML dictionary key expected but not found");
        const std::string key = elementText(child);
        child = child.next_sibling();
        if (!child)
            throw Error("Plist: XML dictionary value expected for key " + key + "but not found");
        if (std::strcmp(child.name(), "key") == 0)
            throw Error("Plist: XML dictionary value expected for key " + key + "but found another key node");
        dictionary[key] = parseNode(child, depth + 1);
    }
    return dictionary;
}

boost::any parseNode(const pugi::xml_node& node, int depth)
{
    if (depth > kMaxNesting)
        throw Error("Plist: XML nested too deeply");
    const std::string name = node.name();
    if (name == "dict") {
        Dictionary dictionary = parseDictionary(node, depth);
        // XML has no reference kind: keyed archives write their references
        // as dictionaries of the one key "CF$UID".
        const auto uid = dictionary.find("CF$UID");
        if (dictionary.size() == 1 && uid != dictionary.end() && uid->second.type() == typeid(Integer))
            return Reference(uint32_t(boost::any_cast<Integer>(uid->second)));
        return dictionary;
    }
    if (name == "array") {
        Array array;
        for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling())
            array.push_back(parseNode(child, depth + 1));
        return array;
    }
    if (name == "string")
        return std::string(elementText(node));
    if (name == "integer")
        return Integer(std::strtoll(elementText(node), nullptr, 10));
    if (name == "real")
        return parseReal(elementText(node));
    if (name == "true" || name == "false")
        return name == "true";
    if (name == "data")
        return decodeBase64(elementText(node));
    if (name == "date")
        return parseDate(elementText(node));
    throw Error("Plist: XML unknown node type " + name);
}

} // namespace

boost::any parseXmlPlist(const char* data, size_t size)
{
    pugi::xml_document document;
    const pugi::xml_parse_result result =
        document.load_buffer(data, size, pugi::parse_default, pugi::encoding_auto);
    if (!result)
        throw Error(std::string("Plist: XML parsed with error ") + result.description());
    return parseNode(document.child("plist").first_child(), 0);
}

} // namespace Plist
