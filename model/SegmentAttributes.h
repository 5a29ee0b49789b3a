#pragma once

#include "KeptXml.h"

#include <QMap>
#include <QString>

#include <memory>
#include <vector>

// The attribute dictionary of a segment, of a transition entry or of a
// transition state. Every value is text under a string key, except two kinds
// that the key fixes: the segment's transition list ("Transition") and an
// entry's begin and end states ("TBegin", "TEnd"). Those are held apart from
// the texts, and the text store refuses their keys, so a file that carries
// such a key as plain text can never make a list or state read as text or
// the other way round.
//
// Texts are kept sorted by key so that writing an unchanged dictionary gives
// the same bytes every time. Child elements of its record that this version
// does not use are kept beside the values, to be written back as read.
class SegmentAttributes
{
public:
    using TransitionList = std::vector<std::unique_ptr<SegmentAttributes>>;
    using Texts = QMap<QString, QString>;

    SegmentAttributes() = default;
    SegmentAttributes(const SegmentAttributes&) = delete;
    SegmentAttributes& operator=(const SegmentAttributes&) = delete;

    // A whole copy: texts, the transition list, the states and the kept
    // elements, each only where this dictionary has it. The texts are shared
    // until one is changed.
    std::unique_ptr<SegmentAttributes> copy() const;

    // Whether the key names a list or a state, never a text.
    static bool isStructuredKey(const QString& key);

    // The text under the key, or null when the key holds no text.
    const QString* findText(const QString& key) const;
    // Stores the text; false (nothing stored) for a structured key.
    bool setText(const QString& key, const QString& value);
    void removeText(const QString& key);
    const Texts& texts() const { return _texts; }

    // The transition list, or null when the dictionary has none.
    TransitionList* transitions() { return _transitions.get(); }
    const TransitionList* transitions() const { return _transitions.get(); }
    // Replaces any list by a new empty one and returns it.
    TransitionList& resetTransitions();

    // The begin or end state, or null when the dictionary has none.
    SegmentAttributes* state(bool begin) { return (begin ? _begin : _end).get(); }
    const SegmentAttributes* state(bool begin) const { return (begin ? _begin : _end).get(); }
    // Replaces the begin or end state by a new empty one and returns it.
    SegmentAttributes& resetState(bool begin);

    // The child elements of the dictionary's own element that are not used;
    // a place counts the used children before (Segment::saveToXml).
    KeptXml& keptElements() { return _kept; }
    const KeptXml& keptElements() const { return _kept; }
    // Those inside the element of the transition list, placed by the entries before.
    KeptXml& keptInTransitions() { return _keptInTransitions; }
    const KeptXml& keptInTransitions() const { return _keptInTransitions; }

    // Frees every value, leaving the dictionary empty.
    void clear();

private:
    Texts _texts;
    std::unique_ptr<TransitionList> _transitions;
    std::unique_ptr<SegmentAttributes> _begin;
    std::unique_ptr<SegmentAttributes> _end;
    KeptXml _kept;
    KeptXml _keptInTransitions;
};
