#pragma once

#include "LayerTransform.h"
#include "SegmentAttributes.h"

#include <QPointF>
#include <QRectF>
#include <QRgb>
#include <QSizeF>
#include <QString>
#include <QTransform>

#include <atomic>
#include <cstdint>
#include <memory>

class QPainter;
class QRunnable;
class QRect;
class QXmlStreamReader;
class QXmlStreamWriter;
class SegmentListener;

// One item of the timeline and the base of every segment class. Everything a
// segment knows, apart from a few run-time fields, is text in its attribute
// dictionary: typed getters parse it on every call and setters write it back,
// so the dictionary travels to project files, undo snapshots and copies as
// it is. Numbers are always written in the C locale.
//
// The static dictionary operations work on any dictionary (a segment's, a
// transition entry's or a state's) and accept null: getters then answer
// their default and setters do nothing. That is also what every transition
// accessor does for an id without an entry.
//
// A segment has no lock; callers serialise access to one segment.
class Segment
{
public:
    // --- Dictionary operations -------------------------------------------
    static void setIntAttribute(SegmentAttributes* attributes, const QString& key, int value);
    static void setFloatAttribute(SegmentAttributes* attributes, const QString& key, float value);
    static void setDoubleAttribute(SegmentAttributes* attributes, const QString& key, double value);
    static void setColorAttribute(SegmentAttributes* attributes, const QString& key, QRgb value);
    static void setPointAttribute(SegmentAttributes* attributes, const QString& key, const QPointF& value);
    static void setSizeAttribute(SegmentAttributes* attributes, const QString& key, const QSizeF& value);
    static void setStringAttribute(SegmentAttributes* attributes, const QString& key, const QString& value);
    static int intAttribute(const SegmentAttributes* attributes, const QString& key, int defaultValue);
    static float floatAttribute(const SegmentAttributes* attributes, const QString& key, float defaultValue);
    static double doubleAttribute(const SegmentAttributes* attributes, const QString& key, double defaultValue);
    static QRgb colorAttribute(const SegmentAttributes* attributes, const QString& key, QRgb defaultValue);
    static QPointF pointAttribute(const SegmentAttributes* attributes, const QString& key, const QPointF& defaultValue);
    static QSizeF sizeAttribute(const SegmentAttributes* attributes, const QString& key, const QSizeF& defaultValue);
    static QString stringAttribute(const SegmentAttributes* attributes, const QString& key, const QString& defaultValue = QString());
    // A scale point: a negative component reads as 1 (a mirrored scale is a flip, not a scale).
    static QPointF scaleAttribute(const SegmentAttributes* attributes, const QString& key);
    // A float as the dictionary keeps it: text of a few significant digits.
    static QString floatToText(float value);
    static QString sizeToText(const QSizeF& size);
    static QRgb colorFromText(const QString& text);
    static int transitionCountOf(const SegmentAttributes* attributes);
    static int transitionIdOf(int index, const SegmentAttributes* attributes);
    // Copies every text key (never a list or a state) of source into target.
    static void copyPlainAttributes(const SegmentAttributes* source, SegmentAttributes* target);

    // --- XML record --------------------------------------------------------
    // Writes the "Segment" element of a dictionary, attributes in key order,
    // the child elements kept unused back in their places.
    static void saveToXml(const SegmentAttributes& attributes, QXmlStreamWriter& writer);
    // Reads the record whose start element the reader has just read into an
    // empty dictionary; 0, or the reader's error code.
    static int loadFromXml(SegmentAttributes& attributes, QXmlStreamReader& reader);
    void saveTo(QXmlStreamWriter& writer) const;

    // --- Construction and identity -----------------------------------------
    // A copy of source placed at start, with a new "UId" and "TimeStamp".
    Segment(const Segment* source, float start, SegmentListener* owner);
    explicit Segment(SegmentListener* owner);
    // Adopts a dictionary read from a project file.
    Segment(std::unique_ptr<SegmentAttributes> attributes, SegmentListener* owner);
    virtual ~Segment();
    Segment(const Segment&) = delete;
    Segment& operator=(const Segment&) = delete;

    bool ensureUId();
    QString uid() const;
    QString type() const;
    void setType(const QString& type);
    void touchTimeStamp();
    int32_t serialNumber() const { return _serialNumber; }
    // Whether the segment made with this serial number still lives at this
    // address; safe to ask after the segment was deleted.
    static bool exists(const Segment* segment, int32_t serialNumber);
    int32_t state() const { return _state; }
    // Stores the state and reports it to the owner on the calling thread.
    void setState(int32_t state);
    int32_t errorCode() const { return _errorCode; }
    void setErrorCode(int32_t code) { _errorCode = code; }
    bool isNewlyCreated() const { return _newlyCreated; }
    void setNewlyCreated(bool newlyCreated) { _newlyCreated = newlyCreated; }
    bool isUIdGenerated() const { return _uidGenerated; }
    SegmentListener* owner() const { return _owner; }
    static float trackHeight();
    static void setTrackHeight(float height);

    // --- Whole dictionary ---------------------------------------------------
    // Takes every value of source (transitions deep-copied) but keeps this
    // segment's "RangeStart", and gives it a new "UId" and "TimeStamp".
    void copyAttributesFrom(const Segment* source);
    const SegmentAttributes* attributes() const { return _attributes.get(); }
    SegmentAttributes* attributes() { return _attributes.get(); }

    // --- Properties ---------------------------------------------------------
    int trackId() const;
    void setTrackId(int trackId);
    // Seconds on the timeline; a stored value below 0 reads as 0.
    float rangeStart() const;
    void setRangeStart(float start);
    static float rangeStartOf(const SegmentAttributes* attributes);
    // The stored media duration divided by this segment's speed.
    float rangeDurationOf(const SegmentAttributes* attributes) const;
    // Stores the timeline duration times the speed.
    void setRangeDuration(float duration);
    float speed() const;
    void setSpeed(float speed);
    float pitch() const;
    void setPitch(float pitch);

    QPointF userTranslation() const;
    void setUserTranslation(const QPointF& translation);
    QPointF userScale() const;
    void setUserScale(const QPointF& scale);
    double userRotation() const;
    void setUserRotation(double radians);
    float userRotationX() const;
    void setUserRotationX(float radians);
    float userRotationY() const;
    void setUserRotationY(float radians);
    QPointF userAnchorPoint() const;
    void setUserAnchorPoint(const QPointF& anchor);
    QPointF userPoint0Offset() const;
    void setUserPoint0Offset(const QPointF& offset);
    QPointF userPoint1Offset() const;
    void setUserPoint1Offset(const QPointF& offset);
    QPointF userPoint2Offset() const;
    void setUserPoint2Offset(const QPointF& offset);
    QPointF userPoint3Offset() const;
    void setUserPoint3Offset(const QPointF& offset);
    int userFlip() const;
    void setUserFlip(int flip);
    float userTransparency() const;
    void setUserTransparency(float transparency);
    float userVolume() const;
    void setUserVolume(float volume);
    QPointF cropTopLeft() const;
    void setCropTopLeft(const QPointF& point);
    QPointF cropBottomRight() const;
    void setCropBottomRight(const QPointF& point);
    float featheringX0() const;
    void setFeatheringX0(float value);
    float featheringX1() const;
    void setFeatheringX1(float value);
    float featheringY0() const;
    void setFeatheringY0(float value);
    float featheringY1() const;
    void setFeatheringY1(float value);
    int clrBrightness() const;
    void setClrBrightness(int value);
    int clrContrast() const;
    void setClrContrast(int value);
    int clrSaturation() const;
    void setClrSaturation(int value);
    int clrExposure() const;
    void setClrExposure(int value);
    int clrWhiteBalance() const;
    void setClrWhiteBalance(int value);
    int clrHue() const;
    void setClrHue(int value);
    int clrRed() const;
    void setClrRed(int value);
    int clrGreen() const;
    void setClrGreen(int value);
    int clrBlue() const;
    void setClrBlue(int value);

    bool perspective() const;
    void setPerspective(bool enabled);
    float cornerRadius() const;
    void setCornerRadius(float radius);
    float cornerRadiusFraction() const;
    void setCornerRadiusFraction(float fraction);
    void setBorderColor(QRgb color);
    float borderWidth() const;
    void setBorderWidth(float width);
    float borderWidthFraction() const;
    void setBorderWidthFraction(float fraction);
    bool borderStroke() const;
    void setBorderStroke(bool enabled);
    int borderStrokeStrength() const;
    void setBorderStrokeStrength(int strength);
    int borderStrokeTolerance() const;
    void setBorderStrokeTolerance(int tolerance);
    bool keyEnabled() const;
    void setKeyEnabled(bool enabled);
    QRgb keyColor() const;
    void setKeyColor(QRgb color);
    int keySensitivity() const;
    void setKeySensitivity(int sensitivity);
    int keySmoothing() const;
    void setKeySmoothing(int smoothing);
    QRgb shadowColor() const;
    void setShadowColor(QRgb color);
    float shadowOpacity() const;
    void setShadowOpacity(float opacity);
    float shadowRadiusFraction() const;
    void setShadowRadiusFraction(float fraction);
    float shadowRadius(float reference) const;
    void setShadowRadius(float radius, float reference);
    QSizeF shadowOffset() const;
    QSizeF shadowOffsetFraction() const;
    bool hasShadowOffsetFraction() const;
    void setShadowOffsetFraction(const QSizeF& fraction);
    QSizeF shadowPixelOffset() const;
    void setShadowPixelOffset(const QSizeF& offset);

    // --- Transitions (times in seconds of segment time) ---------------------
    int transitionCount() const;
    int isValidTransitionIndex(int position) const;
    SegmentAttributes* transitionAt(int id);
    const SegmentAttributes* transitionAt(int id) const;
    SegmentAttributes* transitionStateAt(int id, bool begin);
    const SegmentAttributes* transitionStateAt(int id, bool begin) const;
    float transitionStart(int id) const;
    void setTransitionStart(int id, float seconds);
    float transitionDuration(int id) const;
    void setTransitionDuration(int id, float seconds);
    int transitionEasingFunction(int id) const;
    void setTransitionEasingFunction(int id, int code);
    // Segment time at which a transition of that length fits in free time
    // near the preferred time, or -1.
    float insertTransitionAt(float length, float preferredTime) const;
    // Adds a transition at a timeline time; its id, or 0 when no room.
    int addTransitionAtTime(float length, float timelineTime);
    // Duplicates the transition into the first free time after it; the new id, or 0.
    int adjustTransitionForCommand(int id);
    // Inserts the entry in start order and takes it (entry becomes null);
    // returns its id. Without a transition list the caller keeps the entry and 0 is returned.
    int addTransition(std::unique_ptr<SegmentAttributes>& entry, float start);
    void removeTransition(int id);
    int neighbourTransitionBefore(int id) const;
    int neighbourTransitionAfter(int id) const;
    int transitionIdAtTime(float timelineTime) const;
    bool isStaticAt(float timelineTime) const;
    int nextStateIndex(int index) const;

    // --- Transition states ----------------------------------------------------
    float transitionUserVolume(int id, bool begin) const;
    void setTransitionUserVolume(int id, bool begin, float volume);
    QPointF transitionUserScale(int id, bool begin) const;
    void setTransitionUserScale(int id, bool begin, const QPointF& scale);
    QPointF transitionUserTranslation(int id, bool begin) const;
    void setTransitionUserTranslation(int id, bool begin, const QPointF& translation);
    float transitionUserTransparency(int id, bool begin) const;
    void setTransitionUserTransparency(int id, bool begin, float transparency);
    float transitionUserRotation(int id, bool begin) const;
    void setTransitionUserRotation(int id, bool begin, float rotation);
    int transitionUserFlip(int id, bool begin) const;
    void setTransitionUserFlip(int id, bool begin, int flip);
    float transitionUserRotationX(int id, bool begin) const;
    void setTransitionUserRotationX(int id, bool begin, float rotation);
    float transitionUserRotationY(int id, bool begin) const;
    void setTransitionUserRotationY(int id, bool begin, float rotation);
    QPointF transitionUserAnchorPoint(int id, bool begin) const;
    void setTransitionUserAnchorPoint(int id, bool begin, const QPointF& anchor);
    QPointF transitionCropTopLeft(int id, bool begin) const;
    void setTransitionCropTopLeft(int id, bool begin, const QPointF& point);
    QPointF transitionCropBottomRight(int id, bool begin) const;
    void setTransitionCropBottomRight(int id, bool begin, const QPointF& point);
    int transitionClrSaturation(int id, bool begin) const;
    void setTransitionClrSaturation(int id, bool begin, int value);
    int transitionClrBrightness(int id, bool begin) const;
    void setTransitionClrBrightness(int id, bool begin, int value);
    int transitionClrContrast(int id, bool begin) const;
    void setTransitionClrContrast(int id, bool begin, int value);
    int transitionClrWhiteBalance(int id, bool begin) const;
    void setTransitionClrWhiteBalance(int id, bool begin, int value);
    int transitionClrExposure(int id, bool begin) const;
    void setTransitionClrExposure(int id, bool begin, int value);
    int transitionClrHue(int id, bool begin) const;
    void setTransitionClrHue(int id, bool begin, int value);
    int transitionClrRed(int id, bool begin) const;
    void setTransitionClrRed(int id, bool begin, int value);
    int transitionClrGreen(int id, bool begin) const;
    void setTransitionClrGreen(int id, bool begin, int value);
    int transitionClrBlue(int id, bool begin) const;
    void setTransitionClrBlue(int id, bool begin, int value);
    QPointF transitionUserPoint0Offset(int id, bool begin) const;
    void setTransitionUserPoint0Offset(int id, bool begin, const QPointF& offset);
    QPointF transitionUserPoint1Offset(int id, bool begin) const;
    void setTransitionUserPoint1Offset(int id, bool begin, const QPointF& offset);
    QPointF transitionUserPoint2Offset(int id, bool begin) const;
    void setTransitionUserPoint2Offset(int id, bool begin, const QPointF& offset);
    QPointF transitionUserPoint3Offset(int id, bool begin) const;
    void setTransitionUserPoint3Offset(int id, bool begin, const QPointF& offset);
    float transitionFeatheringX0(int id, bool begin) const;
    void setTransitionFeatheringX0(int id, bool begin, float value);
    float transitionFeatheringY0(int id, bool begin) const;
    void setTransitionFeatheringY0(int id, bool begin, float value);
    float transitionFeatheringX1(int id, bool begin) const;
    void setTransitionFeatheringX1(int id, bool begin, float value);
    float transitionFeatheringY1(int id, bool begin) const;
    void setTransitionFeatheringY1(int id, bool begin, float value);
    // Fills the state from the one before it: the previous transition's end
    // state, the segment's own properties for the first transition, or the
    // same transition's begin state for an end state.
    void applyTransitionState(int id, bool begin);
    // Writes the source's state onto this segment's own properties.
    void copyTransitionStateFrom(int id, const Segment* source, bool begin);

    // --- Operations the segment classes refine --------------------------------
    virtual int32_t secondEngineId() const;
    // Frees the dictionary and adopts the given one; "UId" and owner stay.
    virtual void setAttributes(std::unique_ptr<SegmentAttributes> attributes);
    virtual bool isLoaded() const;
    virtual bool isVisualLayer() const;
    virtual void onEngineLoadStatus(int streamId, bool failed, int kind);
    // Seconds on the timeline: "RangeDuration" divided by "Speed".
    virtual float duration() const;
    virtual double timeStamp() const;
    virtual bool leafFlag() const;
    // Quarter turns of "UserRotation" (radians), snapped to whole degrees.
    virtual void rotateClockwise();
    virtual void rotateCounterClockwise();
    virtual void setFlippedHorizontally(bool flipped);
    virtual bool isFlippedHorizontally() const;
    virtual void setFlippedVertically(bool flipped);
    virtual bool isFlippedVertically() const;
    virtual QRgb borderColor() const;
    // Quarter turns of a state's "UserRotation" by pi/2, without wrapping.
    virtual void rotateTransitionStateClockwise(int id, bool begin);
    virtual void rotateTransitionStateCounterClockwise(int id, bool begin);
    virtual void setTransitionStateFlippedHorizontally(int id, bool begin, bool flipped);
    virtual bool isTransitionStateFlippedHorizontally(int id, bool begin) const;
    virtual void setTransitionStateFlippedVertically(int id, bool begin, bool flipped);
    virtual bool isTransitionStateFlippedVertically(int id, bool begin) const;
    virtual bool hasContent() const;
    // The segment's body in its timeline row; the strip is the same for the
    // whole media (the trim editor). Both paint nothing here.
    virtual void paintTimelineBody(QPainter* painter, const QRect& rect, float pixelsPerSecond);
    virtual void paintTimelineStrip(QPainter* painter, const QRect& rect, float pixelsPerSecond);
    // Moves the start and keeps the end.
    virtual bool setStartTime(const float& time);
    // Moves the end and keeps the start.
    virtual bool setEndTime(const float& time);
    virtual QTransform fittedTransform(const QSizeF& canvas, QRectF* outRect) const;
    virtual QTransform placedTransform(const QSizeF& canvas, QRectF* outRect) const;
    virtual QTransform transitionPlacedTransform(int id, bool begin, const QSizeF& canvas, QRectF* outRect) const;
    virtual LayerTransform mediaLayerTransform(const QSizeF& canvas) const;
    virtual LayerTransform layerTransform(const QSizeF& canvas) const;
    virtual LayerTransform transitionLayerTransform(int id, bool begin, const QSizeF& canvas) const;
    virtual bool hasAudio() const;
    virtual QString text() const;

    // --- Timeline painting ----------------------------------------------------
    // A strip filled with the owner's message colour showing text on one
    // line, shrunk (never below a quarter of the strip's height) and elided to
    // fit between the owner's margins. Changes nothing of the segment.
    void paintMessage(QPainter* painter, const QRect& rect, const QString& text) const;
    // The owner's "File Not Found" (error 2) or load error strip when the
    // segment has an error code; true when it painted one.
    bool paintLoadError(QPainter* painter, const QRect& rect) const;

    // --- Media file ---------------------------------------------------------------
    // The file that a stored "File" value names: an absolute path as it is,
    // any other (a bare name, or "footage/clip.mp4") inside the project
    // folder; empty for an empty value.
    static QString resolvedFilePath(const QString& stored, const QString& projectDirectory);
    // The stored file of a record: "File", or in older projects of music "URL".
    static QString storedFileOf(const SegmentAttributes* attributes);
    // "File" resolved against the owner's project folder.
    QString absoluteFilePath() const;
    // Stores the path under "File", relative to the project folder when the
    // file lies inside it (and resolves back to the same path), so that
    // projects can move.
    void setFilePath(const QString& path);
    // The file name part of "File" (empty without "File").
    QString fileDisplayName() const;

protected:
    // Bits of "UserFlip".
    static constexpr int kFlipHorizontal = 1;
    static constexpr int kFlipVertical = 2;

    // The next number of the process-wide serial counter (also a movie's sound id).
    static int32_t _takeSerialNumber();
    void _enterLiving() const;

    // Queues a loading task of this segment on the shared asset pool, which owns it.
    void _startTask(QRunnable* task);
    // Cancels the segment's queued tasks and waits for running ones: a task
    // holds a plain pointer to its segment. Every leaf destructor calls it
    // first, before its own fields go.
    void _finishPendingTasks();
    // Fills a zero "TimeStamp" from the file's modification time (an old
    // project may carry 0) and remembers that it did.
    void _fillTimeStampFromFile();
    // "TimeStamp", filled from the file first when it is 0.
    double _fileTimeStamp() const;
    bool _timeStampCameFromFile() const { return _timeStampFromFile; }

    // "TrimStart"/"TrimDuration" are media seconds; these read and write them
    // in timeline seconds (divided and multiplied by "Speed").
    float _trimTime(const QString& key) const;
    void _setTrimTime(const QString& key, float seconds);
    // Moves the start and the trim start together, stopping where the trim
    // start reaches the media start; false when it stopped.
    bool _moveStartWithTrim(float time);
    // Moves the end and the trim duration together, stopping at the media's
    // end once that is known (mediaDuration above 0); false when it stopped.
    bool _moveEndWithinMedia(float time, float mediaDuration);
    // The stored duration, or the media's whole length (divided by the speed)
    // where the range is missing or runs past it; the stored one until the
    // media length is known (mediaDuration 0).
    float _durationWithinMedia(float mediaDuration) const;
    // Once the media's length is known: the range as the tile shows it
    // (within the media) and a trim of the same length, so that what plays
    // and exports is what the tile shows, before a save and after it.
    void _fitTimingToMedia(float mediaDuration);

private:
    // A quarter turn of an angle in radians, snapped to whole degrees.
    static double _quarterTurn(double radians, int degrees);
    static int _withFlag(int flags, int flag, bool set);
    // "UserRotation" of a segment keeps 16 digits, so repeated quarter turns do not drift.
    static QString _rotationText(double radians);
    // Writes every animated property of from (defaults for absent keys) into to.
    static void _copyAnimatedProperties(const SegmentAttributes* from, SegmentAttributes* to, bool fullRotation);
    void _reportRangeChanged();
    // seconds / duration(), or 0 when that is not a finite number.
    float _fractionOfDuration(float seconds) const;
    const SegmentAttributes::TransitionList* _transitionList() const;
    // A new entry with the texts of entry and copies of its two states (empty
    // states where it has none).
    static std::unique_ptr<SegmentAttributes> _copyTransitionEntry(const SegmentAttributes& entry);

    // Loading tasks set these on pool threads while the GUI thread reads them.
    std::atomic<int32_t> _state{0};
    std::atomic<int32_t> _errorCode{0};
    int32_t _serialNumber = 0;
    SegmentListener* _owner = nullptr;
    std::unique_ptr<SegmentAttributes> _attributes;
    bool _uidGenerated = false;
    bool _newlyCreated = false;
    std::atomic<bool> _hasQueuedTasks{false};
    std::atomic<bool> _timeStampFromFile{false};
};
