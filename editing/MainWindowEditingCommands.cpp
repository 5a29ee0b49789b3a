// The segment inspector's commands on the segment being edited: the ids its
// buttons carry, the routing of the geometry ones to an edited transition,
// and the commands carried out on the segment itself.
#include "MainWindow.h"

#include "AVEngine.h"
#include "EditScrollArea.h"
#include "ProjectManager.h"
#include "Segment.h"
#include "SegmentStyleDefaults.h"
#include "SegmentWidget.h"
#include "TextEditWidget.h"
#include "TextSegment.h"
#include "TransitionCommandIds.h"
#include "UserSettings.h"

#include <QFontDialog>

namespace {

using namespace TransitionCommandIds;

enum SegmentCommand : int {
    kDone = 10001,
    kRotateClockwise = 10006,
    kRotateCounterClockwise = 10007,
    kFlipHorizontal = 10008,
    kFlipVertical = 10009,
    kDuplicate = 10010,
    kRemove = 10011,
    kSelectFont = 10016,
    kSplit = 10020,
    kCrop = 10024,
    kPerspective = 10030,
};

// Lets the inspector's button release before the timeline changes under it.
constexpr int kSplitDelayMs = 10;

// The style a face without a style name stands for.
QString builtStyleName(const QFont& font)
{
    QString style;
    if (font.weight() > QFont::Normal)
        style = QStringLiteral("Bold");
    if (font.style() != QFont::StyleNormal) {
        if (!style.isEmpty())
            style += QLatin1Char(' ');
        style += QStringLiteral("Italic");
    }
    return style;
}

} // namespace

// --- Routing ----------------------------------------------------------------------

void MainWindow::_segmentEditingDidFinish()
{
    _editingSegmentCommand(kDone);
}

void MainWindow::_segmentEditingDuplicateSegment()
{
    _editingSegmentCommand(kDuplicate);
}

void MainWindow::_segmentEditingRemoveSegment()
{
    _editingSegmentCommand(kRemove);
}

void MainWindow::_segmentEditingSplitSegment()
{
    _editingSegmentCommand(kSplit);
}

void MainWindow::_segmentEditingSelectFont()
{
    _editingSegmentCommand(kSelectFont);
}

void MainWindow::_segmentEditingRotateClockwise()
{
    _routeGeometryCommand(kRotateClockwise, kTransitionRotateClockwise);
}

void MainWindow::_segmentEditingRotateCounterClockwise()
{
    _routeGeometryCommand(kRotateCounterClockwise, kTransitionRotateCounterClockwise);
}

void MainWindow::_segmentEditingFlipHorizontal()
{
    _routeGeometryCommand(kFlipHorizontal, kTransitionFlipHorizontal);
}

void MainWindow::_segmentEditingFlipVertical()
{
    _routeGeometryCommand(kFlipVertical, kTransitionFlipVertical);
}

void MainWindow::_segmentEditingCrop()
{
    _routeGeometryCommand(kCrop, kTransitionCrop);
}

void MainWindow::_segmentEditingPerspective()
{
    _routeGeometryCommand(kPerspective, kTransitionPerspective);
}

// A transition's end shown in the preview takes the command; otherwise the segment does.
void MainWindow::_routeGeometryCommand(int segmentCmdId, int transitionCmdId)
{
    SegmentWidget* editing = _timeline ? _timeline->editingSegmentWidget() : nullptr;
    if (editing && editing->transitionId() > 0 && _editingTransitionState >= 0)
        _doTransitionCommand(nullptr, transitionCmdId);
    else
        _editingSegmentCommand(segmentCmdId);
}

// --- Dispatch ---------------------------------------------------------------------

void MainWindow::_editingSegmentCommand(int cmdId)
{
    SegmentWidget* widget = _timeline ? _timeline->editingSegmentWidget() : nullptr;
    Segment* segment = widget ? widget->segment() : nullptr;
    if (!segment)
        return;
    switch (cmdId) {
    case kDone:
        widget->setEditing(false, true);
        break;
    case kRotateClockwise:
    case kRotateCounterClockwise:
        _rotateEditingSegment(segment, cmdId == kRotateClockwise);
        break;
    case kFlipHorizontal:
    case kFlipVertical:
        _flipEditingSegment(segment, cmdId == kFlipHorizontal);
        break;
    case kDuplicate:
        editScrollArea_copySegment(segment);
        break;
    case kRemove:
        widget->setEditing(false, false);
        _deleteSegment(widget);
        break;
    case kSelectFont:
        _selectTextFont(segment);
        break;
    case kSplit:
        _splitSegmentSoon(segment->uid());
        break;
    case kCrop:
        if (segment->type() != QLatin1String("MUSIC") && segment->type() != QLatin1String("VOICE"))
            _beginCropEditing(segment);
        break;
    case kPerspective:
        _toggleEditingSegmentPerspective(segment);
        break;
    default:
        break;
    }
}

void MainWindow::_rotateEditingSegment(Segment* segment, bool clockwise)
{
    _recordOperation();
    if (clockwise)
        segment->rotateClockwise();
    else
        segment->rotateCounterClockwise();
    _finishGeometryCommand(segment, kRotation, float(segment->userRotation()));
}

void MainWindow::_flipEditingSegment(Segment* segment, bool horizontally)
{
    _recordOperation();
    if (horizontally) {
        segment->setFlippedHorizontally(!segment->isFlippedHorizontally());
        _finishGeometryCommand(segment, kRotationY, segment->userRotationY());
    } else {
        segment->setFlippedVertically(!segment->isFlippedVertically());
        _finishGeometryCommand(segment, kRotationX, segment->userRotationX());
    }
}

void MainWindow::_toggleEditingSegmentPerspective(Segment* segment)
{
    _recordOperation();
    const bool on = !segment->perspective();
    segment->setPerspective(on);
    _finishGeometryCommand(segment, kPerspectiveProperty, on ? 1.0f : 0.0f);
    if (!on)
        _rememberedCornerIndex.insert(segment->uid(), 0);
}

void MainWindow::_finishGeometryCommand(Segment* segment, int propertyId, float value, float secondValue)
{
    if (_engine)
        _engine->setSegmentProperty(segment->serialNumber(), propertyId, value, secondValue, 0.0f, 0.0f);
    _updateEditingWidgetsAtPointer();
    _layoutTransformWidgetForEditingSegment(true);
    if (_engine)
        _engine->requestRedraw();
    _projectManager->setModified(true);
    _updateGeometryControls();
}

// The segment is looked up again when the timer fires: it may have been
// removed (or undone away) meanwhile, and then there is nothing to split.
void MainWindow::_splitSegmentSoon(const QString& uid)
{
    _runForProject(kSplitDelayMs, [this, uid] {
        const int index = _projectManager->indexOfSegmentUId(uid);
        if (Segment* segment = index >= 0 ? _projectManager->segmentAt(index) : nullptr)
            editScrollArea_splitSegment(segment);
    });
}

// --- Font -------------------------------------------------------------------------

void MainWindow::_selectTextFont(Segment* segment)
{
    auto* text = dynamic_cast<TextSegment*>(segment);
    if (!text)
        return;
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, text->font(), this, QString());
    if (!chosen)
        return;
    const QString family = font.family();
    const QString style = font.styleName().isEmpty() ? builtStyleName(font) : font.styleName();
    if (family == text->fontName() && style == text->fontStyle())
        return;
    _recordOperation();
    _projectManager->setModified(true);
    text->setFontName(family);
    text->setFontStyle(style);
    if (_engine)
        _engine->setTextFont(text->serialNumber(), text->fontName().toUtf8().constData(),
                             text->fontStyle().toUtf8().constData());
    if (UserSettings::instance()->applyUserHabits())
        SegmentStyleDefaults::instance()->setTextFont(family, style);
    if (auto* widget = qobject_cast<SegmentWidget*>(_projectManager->segmentWidgetFor(text)))
        widget->setScale(_timelineScale, false);
    if (_textEditor) {
        _applyTextStyleToWholeText(_textEditor, text);
        _textEditor->setFocus(Qt::OtherFocusReason);
    } else if (_engine) {
        _engine->requestRedraw();
    }
    _updateTextFontControls();
}

// --- Highlighting -----------------------------------------------------------------

// Each access locks the segment list by itself; a tile gone meanwhile reads as null and is skipped.
void MainWindow::_highlightOtherSegmentWidgets(bool on, const Segment* except, bool animated)
{
    for (int index = 0; index < _projectManager->segmentCount(); ++index) {
        if (_projectManager->segmentAt(index) == except)
            continue;
        if (auto* widget = qobject_cast<SegmentWidget*>(_projectManager->segmentWidgetAt(index)))
            widget->setHighlighted(on, animated);
    }
}
