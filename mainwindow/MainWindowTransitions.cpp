// Adding transitions to a segment from the timeline: the list of ready-made
// transitions (as a popup and as a context menu), the custom transition at
// the play position, and the property states each ready-made one writes.
#include "MainWindow.h"

#include "AVEngine.h"
#include "AVGLWidget.h"
#include "EditScrollArea.h"
#include "GutterScrollArea.h"
#include "ImageSegment.h"
#include "LayerTransform.h"
#include "MovieSegment.h"
#include "PopupTransitionsListWidget.h"
#include "ProgressHUD.h"
#include "ScrollableToolBar.h"
#include "Segment.h"
#include "SegmentWidget.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMenu>

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {

const QString kMovie = QStringLiteral("MOVIE");
const QString kImage = QStringLiteral("IMAGE");
const QString kDrawing = QStringLiteral("DRAWING");
const QString kText = QStringLiteral("TEXT");
const QString kMusic = QStringLiteral("MUSIC");
const QString kVoice = QStringLiteral("VOICE");

constexpr int kCustomTransition = 10201;
constexpr float kLongTransition = 1.0f;
constexpr float kShortTransition = 0.5f;
constexpr float kRoomTolerance = 0.01f;
constexpr float kStartSnap = 0.05f;
constexpr int kMessageMs = 2000;
constexpr int kRedrawDelayMs = 200;
// How long entering editing may take to hide the track header gutter.
constexpr int kGutterHideBoundMs = 1000;
constexpr int kBoldWeight = 75;
constexpr double kSlideScaleIn = 5.0;
constexpr double kSlideScaleOut = 0.2;

// Which ends of the segment an item needs free.
enum class Needs { Nothing, Start, End, Both };
// When an item opens a group in a context menu.
enum class Opens { Never, Always, WithoutEndRoom, WithoutStartRoom, FirstOfGroup };

struct MenuRow {
    int id;
    const char* text;
    Needs needs;
    bool visual;
    bool bold;
    Opens opens;
    int group;
};

const MenuRow kMenuRows[] = {
    {10201, QT_TRANSLATE_NOOP("MainWindow", "Custom Transition"), Needs::Nothing, false, true, Opens::Never, 0},
    {10202, QT_TRANSLATE_NOOP("MainWindow", "Fade In && Fade Out"), Needs::Both, false, true, Opens::Always, 1},
    {10203, QT_TRANSLATE_NOOP("MainWindow", "Fade In"), Needs::Start, false, false, Opens::WithoutEndRoom, 1},
    {10204, QT_TRANSLATE_NOOP("MainWindow", "Fade Out"), Needs::End, false, false, Opens::WithoutStartRoom, 1},
    {10205, QT_TRANSLATE_NOOP("MainWindow", "Left In && Right Out"), Needs::Both, true, true, Opens::Always, 2},
    {10206, QT_TRANSLATE_NOOP("MainWindow", "Right In && Left Out"), Needs::Both, true, true, Opens::Never, 2},
    {10207, QT_TRANSLATE_NOOP("MainWindow", "Left In"), Needs::Start, true, false, Opens::WithoutEndRoom, 2},
    {10208, QT_TRANSLATE_NOOP("MainWindow", "Left Out"), Needs::End, true, false, Opens::FirstOfGroup, 2},
    {10209, QT_TRANSLATE_NOOP("MainWindow", "Right In"), Needs::Start, true, false, Opens::FirstOfGroup, 2},
    {10210, QT_TRANSLATE_NOOP("MainWindow", "Right Out"), Needs::End, true, false, Opens::FirstOfGroup, 2},
    {10211, QT_TRANSLATE_NOOP("MainWindow", "Up In && Down Out"), Needs::Both, true, true, Opens::Always, 3},
    {10212, QT_TRANSLATE_NOOP("MainWindow", "Down In && Up Out"), Needs::Both, true, true, Opens::Never, 3},
    {10213, QT_TRANSLATE_NOOP("MainWindow", "Up In"), Needs::Start, true, false, Opens::WithoutEndRoom, 3},
    {10214, QT_TRANSLATE_NOOP("MainWindow", "Up Out"), Needs::End, true, false, Opens::FirstOfGroup, 3},
    {10215, QT_TRANSLATE_NOOP("MainWindow", "Down In"), Needs::Start, true, false, Opens::FirstOfGroup, 3},
    {10216, QT_TRANSLATE_NOOP("MainWindow", "Down Out"), Needs::End, true, false, Opens::FirstOfGroup, 3},
    {10217, QT_TRANSLATE_NOOP("MainWindow", "Shrink In && Shrink Out"), Needs::Both, true, true, Opens::Always, 4},
    {10218, QT_TRANSLATE_NOOP("MainWindow", "Grow In && Grow Out"), Needs::Both, true, true, Opens::Never, 4},
    {10219, QT_TRANSLATE_NOOP("MainWindow", "Shrink In"), Needs::Start, true, false, Opens::WithoutEndRoom, 4},
    {10220, QT_TRANSLATE_NOOP("MainWindow", "Shrink Out"), Needs::End, true, false, Opens::FirstOfGroup, 4},
    {10221, QT_TRANSLATE_NOOP("MainWindow", "Grow In"), Needs::Start, true, false, Opens::FirstOfGroup, 4},
    {10222, QT_TRANSLATE_NOOP("MainWindow", "Grow Out"), Needs::End, true, false, Opens::FirstOfGroup, 4},
    {10223, QT_TRANSLATE_NOOP("MainWindow", "Open In && Close Out"), Needs::Both, true, true, Opens::Always, 5},
    {10224, QT_TRANSLATE_NOOP("MainWindow", "Open In"), Needs::Start, true, false, Opens::WithoutEndRoom, 5},
    {10225, QT_TRANSLATE_NOOP("MainWindow", "Close Out"), Needs::End, true, false, Opens::FirstOfGroup, 5},
    {10226, QT_TRANSLATE_NOOP("MainWindow", "Wipe In && Wipe Out"), Needs::Both, true, true, Opens::Always, 6},
    {10227, QT_TRANSLATE_NOOP("MainWindow", "Wipe In"), Needs::Start, true, false, Opens::WithoutEndRoom, 6},
    {10228, QT_TRANSLATE_NOOP("MainWindow", "Wipe Out"), Needs::End, true, false, Opens::FirstOfGroup, 6},
};

const MenuRow* rowFor(int cmdId)
{
    for (const MenuRow& row : kMenuRows)
        if (row.id == cmdId)
            return &row;
    return nullptr;
}

bool isSound(const Segment* segment)
{
    return segment->type() == kMusic || segment->type() == kVoice;
}

bool hasSound(const Segment* segment)
{
    return isSound(segment) || (segment->type() == kMovie && segment->hasAudio());
}

// The size of the picture the segment shows before any fitting; invalid
// while it is unknown and for types without one.
QSizeF mediaSizeOf(const Segment* segment)
{
    if (segment->type() == kMovie)
        return static_cast<const MovieSegment*>(segment)->videoSize();
    if (segment->type() == kImage || segment->type() == kDrawing)
        return static_cast<const ImageSegment*>(segment)->imageSize();
    return QSizeF();
}

// Slides, scales and crops need a picture whose size is known.
bool offersVisualTransitions(const Segment* segment)
{
    return segment->type() == kText || mediaSizeOf(segment).isValid();
}

bool nearly(float a, float b)
{
    return std::abs(a - b) <= kRoomTolerance;
}

// The free-slot query answers the preferred start itself when a transition
// of that length fits there.
bool fitsAt(const Segment* segment, float length, float time)
{
    return nearly(segment->insertTransitionAt(length, time), time);
}

// A long transition when one fits, else a short one: asked only when the long one found no place.
bool roomFor(const Segment* segment, float longTime, float shortTime)
{
    if (segment->insertTransitionAt(kLongTransition, longTime) >= 0.0f)
        return fitsAt(segment, kLongTransition, longTime);
    return fitsAt(segment, kShortTransition, shortTime);
}

bool opensGroup(const MenuRow& row, bool noRoomAtStart, bool noRoomAtEnd, bool groupStarted)
{
    switch (row.opens) {
    case Opens::Always: return true;
    case Opens::WithoutEndRoom: return noRoomAtEnd;
    case Opens::WithoutStartRoom: return noRoomAtStart;
    case Opens::FirstOfGroup: return !groupStarted;
    case Opens::Never: break;
    }
    return false;
}

bool isInId(int cmdId)
{
    const MenuRow* row = rowFor(cmdId);
    return row && (row->needs == Needs::Start || row->needs == Needs::Both);
}

bool isOutId(int cmdId)
{
    const MenuRow* row = rowFor(cmdId);
    return row && (row->needs == Needs::End || row->needs == Needs::Both);
}

bool isAnyOf(int cmdId, std::initializer_list<int> ids)
{
    return std::find(ids.begin(), ids.end(), cmdId) != ids.end();
}

} // namespace

struct MainWindow::TransitionRoom {
    bool start = false;
    bool end = false;
};

MainWindow::TransitionRoom MainWindow::_transitionRoom(const Segment* segment) const
{
    const float duration = segment->duration();
    TransitionRoom room;
    room.start = roomFor(segment, 0.0f, 0.0f);
    room.end = roomFor(segment, duration - kLongTransition, duration - kShortTransition);
    return room;
}

SegmentWidget* MainWindow::_transitionTargetWidget() const
{
    if (!_timeline)
        return nullptr;
    SegmentWidget* widget = _timeline->editingSegmentWidget();
    return widget ? widget : _timeline->selectedSegmentWidget();
}

Segment* MainWindow::_transitionTargetSegment() const
{
    SegmentWidget* widget = _transitionTargetWidget();
    return widget ? widget->segment() : nullptr;
}

TransitionMenuItems MainWindow::_transitionMenu(const Segment* segment, bool noRoomAtStart, bool noRoomAtEnd) const
{
    const bool visual = !isSound(segment) && offersVisualTransitions(segment);
    TransitionMenuItems items;
    int startedGroup = -1;
    for (const MenuRow& row : kMenuRows) {
        const bool fits = row.needs == Needs::Nothing || (row.needs == Needs::Start && !noRoomAtStart)
                          || (row.needs == Needs::End && !noRoomAtEnd)
                          || (row.needs == Needs::Both && !noRoomAtStart && !noRoomAtEnd);
        if (!fits || (row.visual && !visual))
            continue;
        TransitionMenuItem item;
        item.text = tr(row.text);
        item.commandId = row.id;
        item.bold = row.bold;
        item.opensGroup = opensGroup(row, noRoomAtStart, noRoomAtEnd, startedGroup == row.group);
        items.append(item);
        startedGroup = row.group;
    }
    return items;
}

void MainWindow::_addTransitionAt(QWidget* anchor, int cmdId, ScrollableToolBar* toolBar)
{
    SegmentWidget* widget = _timeline ? _timeline->editingSegmentWidget() : nullptr;
    if (!widget)
        return;
    Segment* segment = widget->segment();
    const TransitionRoom room = _transitionRoom(segment);
    if (!room.start && !room.end) {
        _addCustomTransition(widget, _currentScrollTime(), false);
        return;
    }
    if (!anchor)
        return;
    auto* popup = new PopupTransitionsListWidget(centralWidget());
    const QPoint point = anchor->mapTo(centralWidget(), QPoint(anchor->width() / 2, 0));
    popup->showWithItems(centralWidget(), point, _transitionMenu(segment, !room.start, !room.end), toolBar != nullptr);
    _highlightedCommandId = cmdId;
    _highlightedToolBar = toolBar;
    _transitionAnchor = anchor;
    if (toolBar)
        toolBar->setCommandSelected(cmdId, true);
    _currentPopup = popup;
    connect(popup, &PopupTransitionsListWidget::transitionItemSelected, this,
            &MainWindow::transitionsListPopup_onTransitionItemSelected);
    connect(popup, &CommonPopup::dismissed, this, &MainWindow::popup_onDismissed);
}

void MainWindow::transitionsListPopup_onTransitionItemSelected(PopupTransitionsListWidget* popup, int cmdId)
{
    _addTransition(cmdId);
    if (popup)
        popup->dismiss();
}

void MainWindow::popup_onDismissed(CommonPopup* popup)
{
    if (_highlightedToolBar)
        _highlightedToolBar->setCommandSelected(_highlightedCommandId, false);
    _highlightedCommandId = 0;
    if (_currentPopup == popup)
        _currentPopup = nullptr;
}

QMenu* MainWindow::_contextMenuForSegment(QWidget* parent)
{
    const Segment* segment = _transitionTargetSegment();
    if (!segment)
        return nullptr;
    const TransitionRoom room = _transitionRoom(segment);
    auto* menu = new QMenu(parent);
    for (const TransitionMenuItem& item : _transitionMenu(segment, !room.start, !room.end)) {
        if (item.opensGroup)
            menu->addSeparator();
        QAction* action = menu->addAction(item.text);
        action->setShortcut(QKeySequence());
        if (item.bold) {
            QFont font = action->font();
            font.setWeight(kBoldWeight);
            action->setFont(font);
        }
        const int cmdId = item.commandId;
        connect(action, &QAction::triggered, this, [this, cmdId] { _addTransition(cmdId); });
    }
    return menu;
}

// The segment's layer on the preview, in the preview's pixels: the centre
// where it is placed now, the size fitted and then scaled as placed. It is
// worked out for the very segment that receives a transition, whatever
// segment a menu or the tool bar was opened for.
QRectF MainWindow::_layerRectOnPreview(const Segment* segment) const
{
    const QSizeF preview = _previewWidget ? QSizeF(_previewWidget->size()) : QSizeF();
    QSizeF size;
    const QSizeF media = mediaSizeOf(segment);
    if (media.isValid() && !media.isEmpty())
        size = media * std::min(preview.width() / media.width(), preview.height() / media.height());
    else if (segment->type() == kText)
        size = QSizeF(preview.width(), preview.height() * 0.5);
    QPointF center(preview.width() / 2.0, preview.height() / 2.0);
    if (segment->isVisualLayer()) {
        const LayerTransform placed = segment->layerTransform(preview);
        center = QPointF(std::round(placed.center.x()), std::round(placed.center.y()));
        size = QSizeF(size.width() * double(placed.scaleX), size.height() * double(placed.scaleY));
    }
    return QRectF(center.x() - size.width() / 2.0, center.y() - size.height() / 2.0, size.width(), size.height());
}

void MainWindow::_addTransition(int cmdId)
{
    SegmentWidget* widget = _transitionTargetWidget();
    if (!widget || !rowFor(cmdId))
        return;
    if (cmdId == kCustomTransition) {
        _addCustomTransition(widget, _currentScrollTime(), true);
        return;
    }
    Segment* segment = widget->segment();
    _recordOperation();
    const float end = segment->rangeStart() + segment->duration();
    // Time 0 lies at or before the segment's start: the search begins there.
    const int inPart = isInId(cmdId) ? _addTransitionPart(segment, 0.0f, 0.0f) : 0;
    const int outId = isOutId(cmdId) ? _addTransitionPart(segment, end - kLongTransition, end - kShortTransition) : 0;
    if (inPart == 0 && outId == 0) {
        // Nothing fitted: an undo step that changes nothing would only puzzle.
        _projectManager->dropLastSnapshot();
        return;
    }
    // An out part that found room only before the in part moved it one place on.
    const int inId = outId > 0 && outId <= inPart ? inPart + 1 : inPart;
    _writeReadyMadeStates(segment, cmdId, inId, outId);
    // Lower id first: the engine then holds every group before the part it
    // makes room for under its final id, and the shift moves only those after.
    const auto [first, second] = std::minmax(inId, outId);
    for (int tId : {first, second}) {
        if (tId > 0) {
            _shiftEngineAnimationIds(segment, tId);
            _pushTransitionAnimation(segment, tId);
        }
    }
    _selectEditingTransition();
    widget->setScale(_timelineScale, true);
    if (_timeline->editingSegmentWidget() == widget)
        widget->setTransitionId(outId > 0 ? outId : inId, false);
    _projectManager->setModified(true);
    _requestRedrawLater(kRedrawDelayMs);
}

int MainWindow::_addTransitionPart(Segment* segment, float time, float shortTime)
{
    const int id = segment->addTransitionAtTime(kLongTransition, time);
    return id > 0 ? id : segment->addTransitionAtTime(kShortTransition, shortTime);
}

void MainWindow::_addCustomTransition(SegmentWidget* widget, float time, bool fromList)
{
    Segment* segment = widget->segment();
    _recordOperation();
    if (std::abs(time - segment->rangeStart()) <= kStartSnap)
        time = segment->rangeStart();
    int id = segment->addTransitionAtTime(kLongTransition, time);
    if (id < 1)
        id = segment->addTransitionAtTime(kShortTransition, time);
    _selectEditingTransition();
    widget->setScale(_timelineScale, true);
    if (id < 1) {
        widget->setTransitionId(id, false);
        _updateTransitionControls();
        ProgressHUD::showMessage(tr("No enough space for another transition"), this, kMessageMs);
        _projectManager->dropLastSnapshot();
        return;
    }
    if (fromList && !_timeline->isEditingSegment()) {
        widget->toggleEditing();
        QElapsedTimer clock;
        clock.start();
        while (_gutterArea && _gutterArea->isVisible() && clock.elapsed() < kGutterHideBoundMs)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    widget->setTransitionId(id, false);
    _shiftEngineAnimationIds(segment, id);
    _pushTransitionAnimation(segment, id);
    _projectManager->setModified(true);
}

void MainWindow::_writeReadyMadeStates(Segment* segment, int cmdId, int inId, int outId)
{
    const QRectF layer = _layerRectOnPreview(segment);
    const QSizeF preview = _previewWidget ? QSizeF(_previewWidget->size()) : QSizeF(1.0, 1.0);
    // The translation that takes the layer just off the preview.
    const double dx = (layer.center().x() + layer.width() / 2.0) / preview.width();
    const double dy = (layer.center().y() + layer.height() / 2.0) / preview.height();
    const QPointF here = segment->userTranslation();
    const bool sound = hasSound(segment);

    auto writeFade = [&](int tId, bool begin) {
        segment->setTransitionUserTransparency(tId, begin, 1.0f);
        if (sound)
            segment->setTransitionUserVolume(tId, begin, 0.0f);
    };
    auto writeScale = [&](int tId, bool begin, double factor) {
        segment->setTransitionUserScale(tId, begin, segment->transitionUserScale(tId, true) * factor);
    };
    auto writeCrop = [&](int tId, bool begin, double left, double right) {
        segment->setTransitionCropTopLeft(tId, begin, QPointF(left, 0.0));
        segment->setTransitionCropBottomRight(tId, begin, QPointF(right, 1.0));
    };

    if (inId > 0) {
        if (isAnyOf(cmdId, {10202, 10203}))
            writeFade(inId, true);
        else if (isAnyOf(cmdId, {10205, 10207}))
            segment->setTransitionUserTranslation(inId, true, QPointF(-dx, here.y()));
        else if (isAnyOf(cmdId, {10206, 10209}))
            segment->setTransitionUserTranslation(inId, true, QPointF(dx, here.y()));
        else if (isAnyOf(cmdId, {10211, 10213}))
            segment->setTransitionUserTranslation(inId, true, QPointF(here.x(), -dy));
        else if (isAnyOf(cmdId, {10212, 10215}))
            segment->setTransitionUserTranslation(inId, true, QPointF(here.x(), dy));
        else if (isAnyOf(cmdId, {10217, 10219}))
            writeScale(inId, true, kSlideScaleIn);
        else if (isAnyOf(cmdId, {10218, 10221}))
            writeScale(inId, true, kSlideScaleOut);
        else if (isAnyOf(cmdId, {10223, 10224}))
            writeCrop(inId, true, 0.5, 0.5);
        else if (isAnyOf(cmdId, {10226, 10227}))
            writeCrop(inId, true, 0.0, 0.0);
    }
    if (outId > 0) {
        if (isAnyOf(cmdId, {10202, 10204}))
            writeFade(outId, false);
        else if (isAnyOf(cmdId, {10205, 10210}))
            segment->setTransitionUserTranslation(outId, false, QPointF(dx, here.y()));
        else if (isAnyOf(cmdId, {10206, 10208}))
            segment->setTransitionUserTranslation(outId, false, QPointF(-dx, here.y()));
        else if (isAnyOf(cmdId, {10211, 10216}))
            segment->setTransitionUserTranslation(outId, false, QPointF(here.x(), dy));
        else if (isAnyOf(cmdId, {10212, 10214}))
            segment->setTransitionUserTranslation(outId, false, QPointF(here.x(), -dy));
        else if (isAnyOf(cmdId, {10217, 10220}))
            writeScale(outId, false, kSlideScaleOut);
        else if (isAnyOf(cmdId, {10218, 10222}))
            writeScale(outId, false, kSlideScaleIn);
        else if (isAnyOf(cmdId, {10223, 10225}))
            writeCrop(outId, false, 0.5, 0.5);
        else if (isAnyOf(cmdId, {10226, 10228}))
            writeCrop(outId, false, 1.0, 1.0);
    }
}
