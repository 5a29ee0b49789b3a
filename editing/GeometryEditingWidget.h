#pragma once

#include <QPointF>
#include <QString>
#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class ScrollableToolBar;
class TooltipButton;

// The inspector's geometry fields: position, scale, rotation, the four
// perspective corners and the geometry commands. It changes no segment: what
// the user does leaves as signals, what is shown comes in through the setters.
//
// Positions, scales and corner offsets are fractions (1.0 shows as 100.0%),
// rotations radians (shown in degrees). A value button held down steps its
// field at once, 500 ms later and then every 50 ms; the edit ends 350 ms after
// the last release, with one before- and one after-signal around it.
class GeometryEditingWidget : public QWidget
{
    Q_OBJECT

public:
    explicit GeometryEditingWidget(QWidget* parent = nullptr);
    ~GeometryEditingWidget() override;

    void setXValue(qreal fraction);
    void setYValue(qreal fraction);
    void setWValue(qreal fraction);
    void setHValue(qreal fraction);
    void setRotationValue(qreal radians);
    // Ignored for an index outside 0 to 3 (top left, top right, bottom right,
    // bottom left).
    void setCornerOffset(int index, qreal x, qreal y);
    void setCurrentCornerIndex(int index);
    int currentCornerIndex() const { return _cornerIndex; }
    void setHFlipChecked(bool checked);
    void setVFlipChecked(bool checked);
    // Shows or hides the corner panel; announces the new height on a change.
    void setPerspectiveEnabled(bool on);

    static int defaultHeight();
    // The height the widget needs with or without its corner panel.
    int fitHeight() const;

signals:
    void maintainAspectRatioButtonClicked();
    void restoreDefaultButtonClicked();
    void cropButtonClicked();
    void rotateClockwiseButtonClicked();
    void rotateCounterClockwiseButtonClicked();
    void flipHorizontalButtonClicked();
    void flipVerticalButtonClicked();
    void perspectiveButtonClicked();
    void widgetFitHeightChanged(GeometryEditingWidget* widget);
    void rotationValueChanged(double value);
    void xValueChanged(double value);
    void yValueChanged(double value);
    void widthValueChanged(double value);
    void heightValueChanged(double value);
    // Asks the receiver to write the geometry before a held change into the
    // references; connect it directly.
    void beforeGeometryValueChanging(QPointF& translation, QPointF& scale, qreal& rotation, qreal* cornerXOffsets,
                                     qreal* cornerYOffsets);
    void rotationValueChanging(double value);
    void xValueChanging(double value);
    void yValueChanging(double value);
    void widthValueChanging(double value);
    void heightValueChanging(double value);
    void afterGeometryValueChanging(QPointF translation, QPointF scale, double rotation, const qreal* cornerXOffsets,
                                    const qreal* cornerYOffsets);
    void cornerOffsetChanged(int cornerIndex, double xOffset, double yOffset);
    void cornerOffsetChanging(int cornerIndex, double xOffset, double yOffset);
    void cornerIndexChanged(int cornerIndex);

private slots:
    void onToolBarButtonClicked(ScrollableToolBar* toolbar, int cmdId);
    void onRepeatTimeout();
    void onCommitTimeout();

private:
    enum Field { FieldX, FieldY, FieldW, FieldH, FieldRotation, FieldCornerX, FieldCornerY, FieldCount };

    struct ValuePanel {
        QWidget* panel = nullptr;
        QLabel* label = nullptr;
        QPushButton* downButton = nullptr;
        QLineEdit* lineEdit = nullptr;
        QPushButton* upButton = nullptr;
        // The field's text as last shown or committed: leaving the field
        // with this text changes nothing, however the shown value was rounded.
        QString shownText;
    };

    void _buildForm();
    QWidget* _buildValuesRow();
    void _buildValuePanel(Field field, const QString& labelText, const QString& mask, const QString& text);
    ScrollableToolBar* _buildToolBar(QWidget* parent);
    void _addToolBarButton(ScrollableToolBar* toolbar, const QString& icon, const QString& toolTip, int cmdId);
    QWidget* _buildPerspectivePanel();
    TooltipButton* _buildCornerButton(int index, const QString& image, const QString& toolTip);
    void _applyStyle();
    void _setTabOrder();

    void _showValue(Field field, double number);
    double _readField(Field field) const;
    void _commitField(Field field);
    void _commitCornerField(Field field);
    void _emitLiveValue(Field field);
    void _emitCommittedValue(Field field, double number);
    void _onValueButtonPressed(Field field, double direction);
    void _onValueButtonReleased();
    void _onCornerButtonClicked(int index);
    void _showCornerOffsets();
    qreal& _cornerOffset(Field field);

    QLabel* _titleLabel = nullptr;
    ScrollableToolBar* _toolbar = nullptr;
    ScrollableToolBar* _toolbar2 = nullptr;
    QWidget* _perspectivePanel = nullptr;
    std::array<ValuePanel, FieldCount> _panels;
    TooltipButton* _flipHorizontalButton = nullptr;
    TooltipButton* _flipVerticalButton = nullptr;
    TooltipButton* _perspectiveButton = nullptr;
    std::array<TooltipButton*, 4> _cornerButtons {};

    bool _valueButtonHeld = false;
    Field _heldField = FieldX;
    double _heldStep = 0.0;
    int _repeatInterval = 0;
    // One repeat timer: a new press restarts it and a release stops it, so
    // a quick release and press never leave two repeat chains running.
    QTimer* _repeatTimer = nullptr;
    // Restarted by every release: the edit ends once the buttons rest.
    QTimer* _commitTimer = nullptr;
    // Every field stepped since the last commit, one bit per field: each
    // commits when the edit ends, not only the one pressed last.
    int _fieldsAwaitingCommit = 0;

    QPointF _snapshotTranslation;
    // An x of -1 means that no snapshot is held.
    QPointF _snapshotScale { -1.0, 0.0 };
    qreal _snapshotRotation = 0.0;
    qreal _snapshotCornerX[4] = {};
    qreal _snapshotCornerY[4] = {};

    int _cornerIndex = 0;
    qreal _cornerX[4] = {};
    qreal _cornerY[4] = {};
};
