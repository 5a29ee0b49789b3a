#include "SegmentInspectorWidget.h"

#include "BorderEditingWidgetController.h"
#include "ChromaKeyEditingWidgetController.h"
#include "ColorsEditingWidgetController.h"
#include "DoneButtonEditingWidgetController.h"
#include "EditButtonEditingWidgetController.h"
#include "GeometryEditingWidgetController.h"
#include "PitchEditingWidgetController.h"
#include "PopupSliderWidget.h"
#include "RoundCornerEditingWidgetController.h"
#include "ScrollableToolBar.h"
#include "Segment.h"
#include "SelfDrawEditingWidgetController.h"
#include "ShadowEditingWidgetController.h"
#include "SpeedEditingWidgetController.h"
#include "StrokeBorderEditingWidgetController.h"
#include "TextAlignmentEditingWidgetController.h"
#include "TextBackEditingWidgetController.h"
#include "TextFontEditingWidgetController.h"
#include "TextSizeEditingWidgetController.h"
#include "TooltipButton.h"
#include "TransitionsEditingWidgetController.h"
#include "TransparencyEditingWidgetController.h"
#include "UiMetrics.h"
#include "Util.h"
#include "VideoUtilitiesEditingWidgetController.h"
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
    offer(_editButton, values);
    offer(_textSize, scaledValues);
    offer(_textFont, values);
    offer(_textAlignment, values);
    offer(_geometry, values, false);
    offer(_transparency, values, false);
    offer(_volume, values, false);
    offer(_pitch, values);
    offer(_speed, values);
    offer(_border, values);
    offer(_textBack, scaledValues);
    offer(_strokeBorder, scaledValues);
    offer(_roundCorner, scaledValues);
    offer(_shadow, scaledValues);
    offer(_colors, values, false);
    offer(_chromaKey, values);
    offer(_videoUtilities, [](VideoUtilitiesEditingWidgetController*) {});
    if (segment) {
        _ensure(_transitions)->setTransition(segment, 0, -1);
        total += _applySection(_transitions, true);
    }
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

void SegmentInspectorWidget::_announce(GeometryEditingWidgetController* section)
{
    using Section = GeometryEditingWidgetController;
    connect(section, &CommonEditingWidgetController::editingWidgetControllerSizeChanged, this,
            &SegmentInspectorWidget::onEditingWidgetControllerSizeChanged);
    const auto relay = [this, section](auto signal, auto inspectorSignal) {
        connect(section, signal, this, [this, inspectorSignal] { emit(this->*inspectorSignal)(this); });
    };
    relay(&Section::maintainAspectRatioButtonClicked, &SegmentInspectorWidget::segmentInspectorWidgetMaintainAspectRatioAction);
    relay(&Section::restoreDefaultButtonClicked, &SegmentInspectorWidget::segmentInspectorWidgetRestoreDefaultAction);
    relay(&Section::cropButtonClicked, &SegmentInspectorWidget::segmentInspectorWidgetCropAction);
    relay(&Section::rotateClockwiseButtonClicked, &SegmentInspectorWidget::segmentInspectorWidgetRotateClockwiseAction);
    relay(&Section::rotateCounterClockwiseButtonClicked,
          &SegmentInspectorWidget::segmentInspectorWidgetRotateCounterClockwiseAction);
    relay(&Section::flipHorizontalButtonClicked, &SegmentInspectorWidget::segmentInspectorWidgetFlipHorizontalAction);
    relay(&Section::flipVerticalButtonClicked, &SegmentInspectorWidget::segmentInspectorWidgetFlipVerticalAction);
    relay(&Section::perspectiveButtonClicked, &SegmentInspectorWidget::segmentInspectorWidgetPerspectiveAction);
    const auto relayValue = [this, section](auto signal, auto inspectorSignal) {
        connect(section, signal, this, [this, inspectorSignal](double value) { emit(this->*inspectorSignal)(this, value); });
    };
    relayValue(&Section::rotationValueChanged, &SegmentInspectorWidget::segmentInspectorWidgetSetGeometryRotation);
    relayValue(&Section::xValueChanged, &SegmentInspectorWidget::segmentInspectorWidgetSetGeometryX);
    relayValue(&Section::yValueChanged, &SegmentInspectorWidget::segmentInspectorWidgetSetGeometryY);
    relayValue(&Section::widthValueChanged, &SegmentInspectorWidget::segmentInspectorWidgetSetGeometryWidth);
    relayValue(&Section::heightValueChanged, &SegmentInspectorWidget::segmentInspectorWidgetSetGeometryHeight);
    relayValue(&Section::rotationValueChanging, &SegmentInspectorWidget::segmentInspectorWidgetUpdateGeometryRotation);
    relayValue(&Section::xValueChanging, &SegmentInspectorWidget::segmentInspectorWidgetUpdateGeometryX);
    relayValue(&Section::yValueChanging, &SegmentInspectorWidget::segmentInspectorWidgetUpdateGeometryY);
    relayValue(&Section::widthValueChanging, &SegmentInspectorWidget::segmentInspectorWidgetUpdateGeometryWidth);
    relayValue(&Section::heightValueChanging, &SegmentInspectorWidget::segmentInspectorWidgetUpdateGeometryHeight);
    // A question: the main window fills the references before the emit returns.
    connect(
        section, &Section::beforeGeometryValueChanging, this,
        [this](QPointF& translation, QPointF& scale, qreal& rotation, qreal* cornerXOffsets, qreal* cornerYOffsets) {
            emit segmentInspectorWidgetBeforeUpdateGeometryValue(this, translation, scale, rotation, cornerXOffsets,
                                                                 cornerYOffsets);
        },
        Qt::DirectConnection);
    connect(section, &Section::afterGeometryValueChanging, this,
            [this](QPointF translation, QPointF scale, double rotation, const qreal* cornerXOffsets,
                   const qreal* cornerYOffsets) {
                emit segmentInspectorWidgetAfterUpdateGeometryValue(this, translation, scale, rotation,
                                                                    cornerXOffsets, cornerYOffsets);
            });
    connect(section, &Section::cornerOffsetChanged, this, [this](int corner, double x, double y) {
        emit segmentInspectorWidgetSetCornerOffset(this, corner, x, y);
    });
    connect(section, &Section::cornerOffsetChanging, this, [this](int corner, double x, double y) {
        emit segmentInspectorWidgetUpdateCornerOffset(this, corner, x, y);
    });
    connect(section, &Section::cornerIndexChanged, this,
            [this](int corner) { emit segmentInspectorWidgetSetCornerIndex(this, corner); });
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

void SegmentInspectorWidget::_announce(TextSizeEditingWidgetController* section)
{
    emit setConnectionsForTextSizePopupSliderColorWidget(section->popup());
}

void SegmentInspectorWidget::_announce(TextFontEditingWidgetController* section)
{
    connect(section, &TextFontEditingWidgetController::fontButtonClicked, this,
            [this] { emit segmentInspectorWidgetSelectFont(this); });
}

void SegmentInspectorWidget::_announce(TextAlignmentEditingWidgetController* section)
{
    connect(section, &TextAlignmentEditingWidgetController::textAlignmentChanged, this,
            [this](int alignment) { emit segmentInspectorWidgetSetTextAlignment(this, alignment); });
}

void SegmentInspectorWidget::_announce(TextBackEditingWidgetController* section)
{
    emit setConnectionsForTextBackPopupSliderColor2SlidersWidget(section->popup());
}

void SegmentInspectorWidget::_announce(TransitionsEditingWidgetController* section)
{
    using Section = TransitionsEditingWidgetController;
    // Questions: the main window fills the references before the emit returns.
    connect(
        section, &Section::getEasingFunctionHintText, this,
        [this](Segment* segment, int id, QString& text) {
            emit segmentInspectorWidgetGetEasingFunctionHintText(this, segment, id, text);
        },
        Qt::DirectConnection);
    connect(
        section, &Section::getEasingFunctionIconImage, this,
        [this](Segment* segment, int id, QPixmap& pixmap) {
            emit segmentInspectorWidgetGetEasingFunctionIconImage(this, segment, id, pixmap);
        },
        Qt::DirectConnection);
    const auto relayInt = [this, section](auto signal, auto inspectorSignal) {
        connect(section, signal, this, [this, inspectorSignal](int value) { emit(this->*inspectorSignal)(this, value); });
    };
    relayInt(&Section::transitionSelectionIndexChanged,
             &SegmentInspectorWidget::segmentInspectorWidgetTransitionSelectionIndexChanged);
    relayInt(&Section::transitionBeginOrEndPositionChanged,
             &SegmentInspectorWidget::segmentInspectorWidgetTransitionBeginOrEndPositionChanged);
    relayInt(&Section::removeTransitionAtIndex, &SegmentInspectorWidget::segmentInspectorWidgetRemoveTransitionAtIndex);
    relayInt(&Section::duplicateTransitionAtIndex,
             &SegmentInspectorWidget::segmentInspectorWidgetDuplicateTransitionAtIndex);
    connect(section, &Section::popupEasingFunctionsWidgetOnButton, this, [this](QPushButton* button) {
        emit segmentInspectorWidgetPopupEasingFunctionsWidgetOnButton(this, button);
    });
    connect(section, &Section::addTransitionActionOnButton, this,
            [this](QPushButton* button) { emit segmentInspectorWidgetAddTransitionOnButton(this, button); });
}

void SegmentInspectorWidget::_announce(EditButtonEditingWidgetController* section)
{
    connect(section, &EditButtonEditingWidgetController::editButtonClicked, this,
            &SegmentInspectorWidget::onEditButtonWidgetControllerEditButtonClicked);
}

void SegmentInspectorWidget::_announce(VideoUtilitiesEditingWidgetController* section)
{
    connect(section, &VideoUtilitiesEditingWidgetController::grabImageButtonClicked, this,
            &SegmentInspectorWidget::onVideoUtilitiesWidgetControllerGrabImageButtonClicked);
}

void SegmentInspectorWidget::_announce(DoneButtonEditingWidgetController* section)
{
    connect(section, &DoneButtonEditingWidgetController::doneButtonClicked, this,
            &SegmentInspectorWidget::onDoneButtonWidgetControllerDoneButtonClicked);
}

void SegmentInspectorWidget::_announce(SelfDrawEditingWidgetController* section)
{
    connect(section, &CommonEditingWidgetController::editingWidgetControllerSizeChanged, this,
            &SegmentInspectorWidget::onEditingWidgetControllerSizeChanged);
    emit segmentInspectorWidgetInitDrawingWidgets(this, section->colorWidget(), section->tuningWidget(),
                                                  section->toolsWidget());
}

QList<CommonEditingWidgetController*> SegmentInspectorWidget::_textSections() const
{
    QList<CommonEditingWidgetController*> sections;
    for (CommonEditingWidgetController* section :
         std::initializer_list<CommonEditingWidgetController*>{_textSize, _textFont, _textAlignment}) {
        if (section)
            sections.append(section);
    }
    return sections;
}

QList<CommonEditingWidgetController*> SegmentInspectorWidget::_segmentModeSections() const
{
    QList<CommonEditingWidgetController*> sections;
    for (CommonEditingWidgetController* section :
         std::initializer_list<CommonEditingWidgetController*>{_editButton, _geometry, _transparency, _volume, _pitch,
                                                               _speed, _border, _textBack, _strokeBorder,
                                                               _roundCorner, _shadow, _colors, _chromaKey,
                                                               _videoUtilities}) {
        if (section)
            sections.append(section);
    }
    return sections;
}

QList<CommonEditingWidgetController*> SegmentInspectorWidget::_transitionStateSections() const
{
    QList<CommonEditingWidgetController*> sections;
    for (CommonEditingWidgetController* section : std::initializer_list<CommonEditingWidgetController*>{
             _transitionGeometry, _transitionTransparency, _transitionVolume, _transitionColors}) {
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
    editable(_editButton);
    editable(_textSize);
    editable(_textFont);
    editable(_textAlignment);
    if (_geometry && _geometry->isVisible())
        _geometry->setEditable(segment, overlay, segmentUnderPointer);
    editable(_transparency);
    if (_volume && _volume->isVisible())
        _volume->setEditable(segment, overlay, time);
    editable(_pitch);
    editable(_speed);
    editable(_border);
    editable(_textBack);
    editable(_strokeBorder);
    editable(_roundCorner);
    editable(_shadow);
    editable(_colors);
    editable(_chromaKey);
    editable(_videoUtilities);
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
    prepare(_transitionGeometry);
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
    if (_transitions && segment)
        _transitions->setTransition(segment, transitionId, state);
    setState(_transitionGeometry);
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

void SegmentInspectorWidget::updateGeometryValues(Segment* segment)
{
    if (_geometry && _geometry->isVisible() && segment)
        _geometry->updateValues(segment);
}

void SegmentInspectorWidget::updateTransitionGeometryValues(Segment* segment, int transitionId, int state)
{
    if (_transitionGeometry && segment)
        _transitionGeometry->updateTransitionValues(segment, transitionId, state);
}

void SegmentInspectorWidget::setGeometryCornerIndex(int corner)
{
    if (_geometry && _geometry->isVisible())
        _geometry->setCornerIndex(corner);
}

void SegmentInspectorWidget::setTransitionGeometryCornerIndex(int corner)
{
    if (_transitionGeometry)
        _transitionGeometry->setCornerIndex(corner);
}

void SegmentInspectorWidget::updateTextFontValues(Segment* segment)
{
    if (_textFont && _textFont->isVisible() && segment)
        _textFont->updateValues(segment);
}

void SegmentInspectorWidget::selectTransition(Segment* segment, int index, int state)
{
    if (_transitions && segment)
        _transitions->setTransition(segment, index, state);
}

void SegmentInspectorWidget::enterTransitionEditMode()
{
    _transitionEditMode = true;
    _bottomToolbar->removeAllButtons();
    _bottomToolbar->addButton(QStringLiteral(":/images/segment-inspector/transition_return"),
                              QStringLiteral(":/images/segment-inspector/transition_return2"), tr("Return"),
                              kReturn, 0, true);
    for (CommonEditingWidgetController* section : _textSections() + _segmentModeSections()) {
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
    for (CommonEditingWidgetController* section : _textSections() + _segmentModeSections()) {
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
    if (on)
        _showEditingSections(title, mode);
    else
        _hideEditingSections();
    const bool shown = !on;
    if (_transitionEditMode) {
        if (TooltipButton* button = _bottomToolbar->buttonForCommand(kReturn))
            button->setEnabled(shown);
        if (_transitions)
            _transitions->setVisible(shown);
        for (CommonEditingWidgetController* section : _transitionStateSections()) {
            if (section->isApplicable())
                section->setVisible(shown);
        }
    } else {
        _enableSegmentCommands(shown);
        QList<CommonEditingWidgetController*> sections = _segmentModeSections();
        if (_transitions)
            sections.append(_transitions);
        if (mode == 0)
            sections += _textSections();
        for (CommonEditingWidgetController* section : sections) {
            if (section->isApplicable())
                section->setVisible(shown);
        }
    }
    _updateContentHeight();
}

void SegmentInspectorWidget::_showEditingSections(const QString& title, int mode)
{
    _ensure(_done)->setTitle(title);
    _done->setVisible(true);
    if (mode != 2)
        return;
    if (!_selfDraw) {
        // The panels are made for the canvas of the first drawing.
        QSize canvasSize;
        emit segmentInspectorWidgetGetCanvasSize(this, canvasSize);
        _ensure(_selfDraw, canvasSize);
    }
    emit segmentInspectorWidgetStartDrawing(this, _selfDraw->colorWidget(), _selfDraw->tuningWidget(),
                                            _selfDraw->toolsWidget());
    _selfDraw->setVisible(true);
}

void SegmentInspectorWidget::_hideEditingSections()
{
    for (CommonEditingWidgetController* section :
         std::initializer_list<CommonEditingWidgetController*>{_done, _selfDraw}) {
        if (section)
            section->setVisible(false);
    }
}

void SegmentInspectorWidget::_enableSegmentCommands(bool enabled)
{
    for (int command : {kDone, kDuplicate, kSplit, kRemove, kEditTransition}) {
        if (TooltipButton* button = _bottomToolbar->buttonForCommand(command))
            button->setEnabled(enabled);
    }
}

void SegmentInspectorWidget::dismissPopups()
{
    QList<CommonEditingWidgetController*> sections = _textSections() + _segmentModeSections();
    if (_transitions)
        sections.append(_transitions);
    for (CommonEditingWidgetController* section : sections) {
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

void SegmentInspectorWidget::onEditButtonWidgetControllerEditButtonClicked(int editType, QWidget* issueWidget)
{
    switch (editType) {
    case EditButtonEditingWidgetController::ChangePicture:
        emit segmentInspectorWidgetEditPicture(this, issueWidget);
        break;
    case EditButtonEditingWidgetController::EditText:
        emit segmentInspectorWidgetEditText(this);
        break;
    default:
        emit segmentInspectorWidgetEditDrawing(this);
        break;
    }
}

void SegmentInspectorWidget::onDoneButtonWidgetControllerDoneButtonClicked()
{
    if (_editingModeOn && _editingMode == 2 && _selfDraw)
        emit segmentInspectorWidgetEndDrawing(this);
    emit segmentInspectorWidgetDoneAction(this);
}

void SegmentInspectorWidget::onVideoUtilitiesWidgetControllerGrabImageButtonClicked()
{
    emit segmentInspectorWidgetVideoGrabImage(this);
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
