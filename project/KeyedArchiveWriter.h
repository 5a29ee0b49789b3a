#pragma once

#include "PlistReader.h"

#include <string>
#include <utility>
#include <vector>

// Writes the XML text of a keyed archive read from "project.plist" or
// "properties.plist": the archive's objects sit in its "$objects" array and
// refer to each other by position; "$top" names the root. Missing entries
// and references out of range throw std::out_of_range, entries of the wrong
// kind boost::bad_any_cast.
class KeyedArchiveWriter
{
public:
    explicit KeyedArchiveWriter(const Plist::Dictionary& archive);

    // "project.xml": the root is an array of segments with transitions.
    std::string projectXml();
    // "properties.xml": the root is a dictionary of properties.
    std::string propertiesXml();

private:
    using Attributes = std::vector<std::pair<std::string, std::string>>;

    const boost::any& _object(const boost::any& reference) const;
    const Plist::Dictionary& _dictionaryObject(const boost::any& reference) const;
    static const Plist::Array& _array(const Plist::Dictionary& dictionary, const char* key);
    const boost::any& _rootReference() const;
    // Calls visit(key text, value reference) for the "NS.keys" and
    // "NS.objects" pairs until either array ends.
    template <typename Visit>
    void _forEachPair(const Plist::Dictionary& object, Visit&& visit) const;

    void _writeSegment(const boost::any& reference);
    void _writeTransition(const boost::any& reference);
    // A state dictionary: every pair is an attribute.
    void _writeState(const char* name, const boost::any& reference);
    // Adds the pair's attribute unless its key is no XML name or its value
    // has no text. A repeated key keeps its place and takes the later value,
    // since an element cannot hold an attribute twice.
    void _addAttribute(Attributes& attributes, const std::string& key, const boost::any& valueReference);
    void _writeAttributes(const Attributes& attributes, int tabs);
    // False for values of a kind that has no text.
    bool _valueText(const std::string& key, const boost::any& valueReference, std::string* text);
    std::string _realListText(const Plist::Dictionary& list) const;
    std::string _keyText(const boost::any& keyReference) const;

    const Plist::Array* _objects;
    const Plist::Dictionary* _top;
    std::string _out;
    // Once a real attribute was written, reals are written with six
    // decimals; reals of a list before that in general notation.
    bool _fixedReals = false;
};
