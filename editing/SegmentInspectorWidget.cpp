#include "SegmentInspectorWidget.h"

#include "BorderEditingWidgetController.h"
#include "ChromaKeyEditingWidgetController.h"
#include "ColorsEditingWidgetController.h"
#include "PitchEditingWidgetController.h"
#include "PopupSliderWidget.h"
#include "RoundCornerEditingWidgetController.h"
#include "ScrollableToolBar.h"
#include "Segment.h"
#include "ShadowEditingWidgetController.h"
#include "SpeedEditingWidgetController.h"
#include "StrokeBorderEditingWidgetController.h"
#include "TooltipButton.h"
#include "TransparencyEditingWidgetController.h"
#include "UiMetrics.h"
#include "Util.h"
#include "VolumeEditingWidgetController.h"

#include <QKeyEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {
enum Command {
    kDone = 10001,
    kEditTransition = 10002,
    kDuplicate = 10010,
    kRemove = 10011,
    kSplit = 10020,
    kApplyToAll = 10029,
    kReturn = 10101,
};
} // namespace

SegmentInspectorWidget::SegmentInspectorWidget(QWidget* parent)
    : QWidget(parent)
{
    _buildForm();
}

void SegmentInspectorWidget::_buildForm()
{
    setObjectName(QStringLiteral("SegmentInspectorWidget"));
    resize(295, 485);
    auto* layout = new QVBoxLayout(this);
    layout->setObjectName(QStringLiteral("verticalLayout"));
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    _scrollArea = new QScrollArea(this);
    _scrollArea->setObjectName(QStringLiteral("scrollArea"));
    _scrollArea->setWidgetResizable(true);
    _scrollArea->setStyleSheet(QStringLiteral(
        "#scrollArea, #scrollAreaWidget { background-color: rgb(7,8,10); border: none; }"));
    Util::setScrollBarStyleSheet(_scrollArea->verticalScrollBar());
    _scrollAreaWidget = new QWidget(_scrollArea);
    _scrollAreaWidget->setObjectName(QStringLiteral("scrollAreaWidget"));
    _scrollAreaWidget->setGeometry(0, 0, 293, 443);
    _scrollAreaVerticalLayout = new QVBoxLayout(_scrollAreaWidget);
    _scrollAreaVerticalLayout->setObjectName(QStringLiteral("scrollAreaVerticalLayout"));
    _scrollAreaVerticalLayout->setContentsMargins(0, 0, 0, 0);
    _scrollAreaVerticalLayout->setSpacing(0);
    _scrollArea->setWidget(_scrollAreaWidget);
    layout->addWidget(_scrollArea);

    _bottomToolbar = new ScrollableToolBar(this);
    _bottomToolbar->setObjectName(QStringLiteral("bottomToolbar"));
    _bottomToolbar->setMinimumHeight(40);
    _bottomToolbar->setFixedHeight(UiMetrics::toolBarButtonHeight());
    _bottomToolbar->hideIndicators();
    _bottomToolbar->setScrollingDisabled(true);
    connect(_bottomToolbar, &ScrollableToolBar::scrollableToolBarButtonClicked, this,
            &SegmentInspectorWidget::onToolBarButtonClicked);
    layout->addWidget(_bottomToolbar);
}

template <class Section, class... Args>
Section* SegmentInspectorWidget::_ensure(Section*& section, Args... args)
{
    if (!section) {
        section = new Section(args..., _scrollAreaWidget);
        addEditingController(section);
        _announce(section);
    }
    return section;
}

int SegmentInspectorWidget::_applySection(CommonEditingWidgetController* section, bool applies)
{
    if (!section)
        return 0;
    section->setVisible(applies);
    section->setApplicable(applies);
    return applies ? section->sectionHeight() : 0;
}

void SegmentInspectorWidget::setSegment(Segment* segment, const QSize& canvasSize)
{
    _segment = segment;
    _canvasSize = canvasSize;
    int total = 0;
    // Fills and shows a section the segment takes; hides one it does not.
    const auto offer = [&](auto*& section, auto fill, auto... args) {
        using Section = std::remove_reference_t<decltype(*section)>;
        const bool applies = segment && Section::appliesTo(segment);
        if (applies)
            fill(_ensure(section, args...));
        total += _applySection(section, applies);
    };
    const auto values = [segment](auto* section) { section->updateValues(segment); };
    const auto scaledValues = [segment, canvasSize](auto* section) { section->updateValues(segment, canvasSize); };
    offer(_transparency, values, false);
    offer(_volume, values, false);
    offer(_pitch, values);
    offer(_speed, values);
    offer(_border, values);
    offer(_strokeBorder, scaledValues);
    offer(_roundCorner, scaledValues);
    offer(_shadow, scaledValues);
    offer(_colors, values, false);
    offer(_chromaKey, values);
    _scrollAreaWidget->setFixedHeight(total);
    rebuildToolbar();
}

void SegmentInspectorWidget::addEditingController(CommonEditingWidgetController* controller)
{
    const int order = controller->displayOrder();
    for (int i = 0; i < _editingControllers.size(); ++i) {
        CommonEditingWidgetController* found = _editingControllers.at(i);
        if (found->displayOrder() <= order)
            continue;
        _editingControllers.insert(i, controller);
        const int index = _scrollAreaVerticalLayout->indexOf(found->widget());
        if (index < 0)
            return;
        _scrollAreaVerticalLayout->insertWidget(index, controller->separator());
        _scrollAreaVerticalLayout->insertWidget(index, controller->widget());
        return;
    }
    _editingControllers.append(controller);
    _scrollAreaVerticalLayout->addWidget(controller->widget());
    _scrollAreaVerticalLayout->addWidget(controller->separator());
}

void SegmentInspectorWidget::_announce(TransparencyEditingWidgetController* section)
{
    emit setConnectionsForTransparencyPopupSliderWidget(section->popup(), section->isTransition());
}

void SegmentInspectorWidget::_announce(VolumeEditingWidgetController* section)
{
    emit setConnectionsForVolumePopupSliderWidget(section->popup(), section->isTransition());
}

void SegmentInspectorWidget::_announce(PitchEditingWidgetController* section)
{
    emit setConnectionsForPitchPopupSliderWidget(section->popup());
}

void SegmentInspectorWidget::_announce(SpeedEditingWidgetController* section)
{
    emit setConnectionsForSpeedPopupSliderWidget(section->popup());
}

void SegmentInspectorWidget::_announce(BorderEditingWidgetController* section)
{
    emit setConnectionsForBorderPopupSliderColorWidget(section->popup());
}

void SegmentInspectorWidget::_announce(StrokeBorderEditingWidgetController* section)
{
    emit setConnectionsForStrokeBorderPopupSliderColorSwitchWidget(section->popup());
}

void SegmentInspectorWidget::_announce(RoundCornerEditingWidgetController* section)
{
    emit setConnectionsForRoundCornerPopupSliderWidget(section->popup());
}

void SegmentInspectorWidget::_announce(ShadowEditingWidgetController* section)
{
    emit setConnectionsForShadowPopupSliderColorShadowWidget(section->popup());
}

void SegmentInspectorWidget::_announce(ColorsEditingWidgetController* section)
{
    connect(section, &CommonEditingWidgetController::editingWidgetControllerSizeChanged, this,
            &SegmentInspectorWidget::onEditingWidgetControllerSizeChanged);
    emit setConnectionsForColorsPopupColorsScrollWidget(section->popup(), section->isTransition());
}

void SegmentInspectorWidget::_announce(ChromaKeyEditingWidgetController* section)
{
    emit setConnectionsForChromaKeyPopupChromaKeyWidget(section->popup());
}

QList<CommonEditingWidgetController*> SegmentInspectorWidget::_segmentModeSections() const
{
    QList<CommonEditingWidgetController*> sections;
    for (CommonEditingWidgetController* section :
         std::initializer_list<CommonEditingWidgetController*>{_transparency, _volume, _pitch, _speed, _border,
                                                               _strokeBorder, _roundCorner, _shadow, _colors,
                                                               _chromaKey}) {
        if (section)
            sections.append(section);
    }
    return sections;
}

QList<CommonEditingWidgetController*> SegmentInspectorWidget::_transitionStateSections() const
{
    QList<CommonEditingWidgetController*> sections;
    for (CommonEditingWidgetController* section : std::initializer_list<CommonEditingWidgetController*>{
             _transitionTransparency, _transitionVolume, _transitionColors}) {
        if (section)
            sections.append(section);
    }
    return sections;
}

void SegmentInspectorWidget::refreshEditingControllers(Segment* segment, QWidget* overlay, bool segmentUnderPointer,
                                                       float time)
{
    if (!segment)
        return;
    const auto editable = [&](auto* section) {
        if (section && section->isVisible())
            section->setEditable(overlay, segmentUnderPointer);
    };
    editable(_transparency);
    if (_volume && _volume->isVisible())
        _volume->setEditable(segment, overlay, time);
    editable(_pitch);
    editable(_speed);
    editable(_border);
    editable(_strokeBorder);
    editable(_roundCorner);
    editable(_shadow);
    editable(_colors);
    editable(_chromaKey);
}

void SegmentInspectorWidget::_makeTransitionStateSections(const Segment* segment, bool transitionGiven)
{
    const auto prepare = [&](auto*& section) {
        using Section = std::remove_reference_t<decltype(*section)>;
        const bool applies = transitionGiven && Section::appliesTo(segment);
        if (applies)
            _ensure(section, true);
        if (section)
            section->setApplicable(applies);
    };
    prepare(_transitionTransparency);
    prepare(_transitionVolume);
    prepare(_transitionColors);
}

void SegmentInspectorWidget::updateTransitionControllers(Segment* segment, int transitionId, int state)
{
    const bool given = segment && transitionId >= 1;
    _makeTransitionStateSections(segment, given);
    const bool wasSelected = _selectedTransitionId > 0;
    _selectedTransitionId = transitionId;
    const auto setState = [&](auto* section) {
        if (section && section->isApplicable())
            section->setTransitionState(segment, transitionId, state);
    };
    setState(_transitionTransparency);
    setState(_transitionVolume);
    setState(_transitionColors);
    // While one transition stays selected, moving to another keeps the
    // sections where they are.
    if (wasSelected == given)
        return;
    for (CommonEditingWidgetController* section : _transitionStateSections())
        section->setVisible(section->isApplicable() && transitionId > 0);
    _updateContentHeight();
}

// The geometry, text font and transitions sections these reach are added
// with their own classes; until then there is nothing to forward to.
void SegmentInspectorWidget::updateGeometryValues(Segment*) {}
void SegmentInspectorWidget::updateTransitionGeometryValues(Segment*, int, int) {}
void SegmentInspectorWidget::setGeometryCornerIndex(int) {}
void SegmentInspectorWidget::setTransitionGeometryCornerIndex(int) {}
void SegmentInspectorWidget::updateTextFontValues(Segment*) {}
void SegmentInspectorWidget::selectTransition(Segment*, int, int) {}

void SegmentInspectorWidget::enterTransitionEditMode()
{
    _transitionEditMode = true;
    _bottomToolbar->removeAllButtons();
    _bottomToolbar->addButton(QStringLiteral(":/images/segment-inspector/transition_return"),
                              QStringLiteral(":/images/segment-inspector/transition_return2"), tr("Return"),
                              kReturn, 0, true);
    for (CommonEditingWidgetController* section : _segmentModeSections()) {
        if (section->isApplicable())
            section->setVisible(false);
    }
    for (CommonEditingWidgetController* section : _transitionStateSections()) {
        if (section->isVisible())
            section->setVisible(false);
    }
    _selectedTransitionId = 0;
    _updateContentHeight();
}

void SegmentInspectorWidget::exitTransitionEditMode(Segment* segment)
{
    _transitionEditMode = false;
    updateTransitionControllers(segment, 0, -1);
    rebuildToolbar();
    for (CommonEditingWidgetController* section : _segmentModeSections()) {
        if (section->isApplicable())
            section->setVisible(true);
    }
    for (CommonEditingWidgetController* section : _transitionStateSections()) {
        if (section->isApplicable())
            section->setVisible(false);
    }
    _updateContentHeight();
}

void SegmentInspectorWidget::setEditingMode(bool on, const QString& title, int mode)
{
    _editingModeOn = on;
    _editingModeTitle = title;
    _editingMode = mode;
    const bool shown = !on;
    if (_transitionEditMode) {
        if (TooltipButton* button = _bottomToolbar->buttonForCommand(kReturn))
            button->setEnabled(shown);
        for (CommonEditingWidgetController* section : _transitionStateSections()) {
            if (section->isApplicable())
                section->setVisible(shown);
        }
    } else {
        _enableSegmentCommands(shown);
        _showEditingModeSections(shown, mode);
    }
    _updateContentHeight();
}

void SegmentInspectorWidget::_enableSegmentCommands(bool enabled)
{
    for (int command : {kDone, kDuplicate, kSplit, kRemove, kEditTransition}) {
        if (TooltipButton* button = _bottomToolbar->buttonForCommand(command))
            button->setEnabled(enabled);
    }
}

// The text sections stay while a text is edited or a drawing made, which
// the sections themselves serve; only cropping hides them.
void SegmentInspectorWidget::_showEditingModeSections(bool shown, int mode)
{
    Q_UNUSED(mode)
    for (CommonEditingWidgetController* section : _segmentModeSections()) {
        if (section->isApplicable())
            section->setVisible(shown);
    }
}

void SegmentInspectorWidget::dismissPopups()
{
    for (CommonEditingWidgetController* section : _segmentModeSections()) {
        if (section->isVisible())
            section->dismissPopups();
    }
    for (CommonEditingWidgetController* section : _transitionStateSections()) {
        if (section->isVisible())
            section->setVisible(false);
    }
    _transitionEditMode = false;
}

void SegmentInspectorWidget::rebuildToolbar()
{
    _bottomToolbar->removeAllButtons();
    const auto add = [this](const char* icon, const QString& toolTip, int command) {
        const QString path = QStringLiteral(":/images/toolbar/") + QLatin1String(icon);
        _bottomToolbar->addButton(path, path + QLatin1Char('2'), toolTip, command, 0, true);
    };
    const auto separator = [this] {
        _bottomToolbar->addIconButton(QStringLiteral(":/images/toolbar/separator"), true);
    };
    add("done", tr("Done"), kDone);
    add("duplicate", tr("Duplicate"), kDuplicate);
    add("split", tr("Split"), kSplit);
    add("remove", tr("Remove"), kRemove);
    separator();
    add("transition", tr("Add/Edit Transition"), kEditTransition);
    separator();
    add("applyToAll", tr("Apply to all segments"), kApplyToAll);
}

int SegmentInspectorWidget::scrollPosition() const
{
    return _scrollArea->verticalScrollBar()->value();
}

void SegmentInspectorWidget::setScrollPosition(int position)
{
    _scrollArea->verticalScrollBar()->setValue(position);
}

bool SegmentInspectorWidget::volumeControlEnabled() const
{
    return _volume && _volume->isApplicable() && _volume->popup()->isValueEnabled();
}

bool SegmentInspectorWidget::transitionVolumeControlEnabled() const
{
    return _transitionVolume && _transitionVolume->isApplicable() && _transitionVolume->popup()->isValueEnabled();
}

void SegmentInspectorWidget::onToolBarButtonClicked(ScrollableToolBar*, int cmdId)
{
    switch (cmdId) {
    case kDone:
        emit segmentInspectorWidgetDidFinish(this);
        break;
    case kEditTransition:
        emit segmentInspectorWidgetEnterEditTransition(this);
        break;
    case kDuplicate:
        emit segmentInspectorWidgetDuplicateSegment(this);
        break;
    case kRemove:
        emit segmentInspectorWidgetRemoveSegment(this);
        break;
    case kSplit:
        emit segmentInspectorWidgetSplitSegment(this);
        break;
    case kApplyToAll:
        emit segmentInspectorWidgetApplyToAllSegments(this);
        break;
    case kReturn:
        emit segmentInspectorWidgetExitEditTransition(this);
        break;
    default:
        break;
    }
}

void SegmentInspectorWidget::onEditingWidgetControllerSizeChanged(CommonEditingWidgetController*)
{
    _updateContentHeight();
}

void SegmentInspectorWidget::_updateContentHeight()
{
    int total = 0;
    for (CommonEditingWidgetController* section : _editingControllers) {
        if (section->isVisible())
            total += section->sectionHeight();
    }
    _scrollAreaWidget->setFixedHeight(total);
}

void SegmentInspectorWidget::keyPressEvent(QKeyEvent* event)
{
    emit segmentInspectorWidgetKeyPressed(this, event);
    QWidget::keyPressEvent(event);
}
