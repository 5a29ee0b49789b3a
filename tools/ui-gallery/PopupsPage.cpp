// The gallery page of the popups, the heads-up overlays, the help tips and
// the small widgets. A reviewer clicks the stage to open a floating popup
// there; the buttons open the rest.
#include "GalleryPages.h"

#include "AnimatedLabel.h"
#include "CommonPopup.h"
#include "IconLineEdit.h"
#include "PopupMainWidget.h"
#include "PopupMovieExportingWidget.h"
#include "ProgressHUD.h"
#include "RotatableImageWidget.h"
#include "RoundTabWidget.h"
#include "SeekableSliderStyle.h"
#include "SlideshowLabel.h"
#include "TextWrappingButtonProxyStyle.h"
#include "TipManager.h"
#include "WheelEventBlocker.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QColor kAccent(54, 200, 255);

// Widgets do not own the styles they are given: one of each kind, owned by the
// application, so that it outlives every widget drawn with it.
template <typename Style>
Style* sharedStyle()
{
    static Style* const style = [] {
        auto* created = new Style;
        created->setParent(qApp);
        return created;
    }();
    return style;
}

// A small popup: a title and a slider on the dark panel.
class GalleryPopup : public CommonPopup
{
public:
    explicit GalleryPopup(QWidget* parent) : CommonPopup(parent)
    {
        auto* panel = new QWidget(this);
        panel->setObjectName("mainWidget");
        auto* layout = new QVBoxLayout(panel);
        auto* title = new QLabel(panel);
        layout->addWidget(title);
        auto* slider = new QSlider(Qt::Horizontal, panel);
        slider->setStyle(sharedStyle<SeekableSliderStyle>());
        slider->installEventFilter(new WheelEventBlocker(slider));
        layout->addWidget(slider);
        auto* hint = new QLabel("Escape or a click outside closes a floating popup.", panel);
        applyLabelStyle(hint);
        layout->addWidget(hint);
        setMainWidget(panel);
        setTitleLabel(title);
    }
    int popupHeight() override { return 160; }
    void setupUi(QWidget* parent, const QString& title) override
    {
        CommonPopup::setupUi(parent, title);
        // A floating show restyles the panel by its corner mode; an embedded
        // one keeps these square corners.
        applyMainWidgetStyle(mainWidget(), 0, 0);
    }
};

// Each press shows the next of the three tips, pointing at anchor.
void showNextTip(QWidget* stage, QWidget* anchor, int delayMs)
{
    static const QStringList names{"MediaExplorerHelpTip", "SegmentOperationDoubleTapTip",
                                   "SegmentOperationPressAndDragTip"};
    static int next = 0;
    TipManager::instance()->showTipDelayed(names[next++ % names.size()], anchor, stage, delayMs);
}

// Where floating popups, overlays and tips appear: a click opens a popup above
// it. The first tip opens when the stage is first shown, so that a screenshot
// shows one (in the language chosen).
class Stage : public QWidget
{
public:
    Stage()
    {
        setAutoFillBackground(true);
        setPalette(QPalette(QColor(44, 46, 50)));
        auto* hint = new QLabel("Click anywhere here to open a floating popup at that point.", this);
        hint->move(16, 12);
    }

    void setTipAnchor(QWidget* anchor) { _tipAnchor = anchor; }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        auto* popup = new GalleryPopup(this);
        popup->addShadow();
        popup->showInWidget(this, QString("Popup at %1, %2").arg(event->x()).arg(event->y()), event->pos());
    }
    void showEvent(QShowEvent* event) override
    {
        QWidget::showEvent(event);
        if (_tipShown || !_tipAnchor)
            return;
        _tipShown = true;
        showNextTip(this, _tipAnchor, 0);
    }

private:
    QWidget* _tipAnchor = nullptr;
    bool _tipShown = false;
};

QPixmap magnifier()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(160, 160, 160), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawEllipse(QRectF(4, 4, 17, 17));
    painter.drawLine(QPointF(19, 19), QPointF(28, 28));
    return pixmap;
}

QPixmap arrowPicture(const QColor& color)
{
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPolygon(QPolygonF(QVector<QPointF>{QPointF(24, 4), QPointF(40, 30), QPointF(28, 30),
                                                   QPointF(28, 44), QPointF(20, 44), QPointF(20, 30),
                                                   QPointF(8, 30)}));
    return pixmap;
}

QWidget* arrowPanels()
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const QPoint tips[] = {QPoint(45, 0), QPoint(0, 35), QPoint(0, 35), QPoint(45, 0)};
    for (int side = 0; side < 4; ++side) {
        auto* panel = new PopupMainWidget;
        panel->setFixedSize(90, 70);
        panel->setFillColor(kAccent);
        panel->setBorderColor(QColor(64, 64, 64, 128));
        panel->setArrowSide(side);
        panel->setArrowPoint(tips[side]);
        layout->addWidget(panel);
    }
    auto* rounded = new PopupMainWidget;
    rounded->setFixedSize(90, 70);
    rounded->setFillColor(QColor(7, 8, 10));
    rounded->setCornerRadius(10);
    layout->addWidget(rounded);
    layout->addStretch();
    return row;
}

QWidget* smallWidgets()
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(16);
    for (const char* spinner : {":/images/loading_hud_dark", ":/images/loading_hud_dark-2"}) {
        auto* label = new AnimatedLabel(nullptr, spinner);
        label->setFixedSize(40, 40);
        label->start();
        layout->addWidget(label);
    }
    auto* search = new IconLineEdit;
    search->setFixedSize(180, 28);
    search->setIcon(magnifier());
    search->setIconSize(QSize(16, 16));
    search->setIconLeft(6);
    search->setTextMargins(24, 0, 0, 0);
    search->setPlaceholderText("Search GIFs");
    layout->addWidget(search);

    auto* rotatable = new RotatableImageWidget;
    rotatable->setFixedSize(40, 40);
    rotatable->setPixmap(arrowPicture(kAccent));
    rotatable->setDisabledPixmap(arrowPicture(QColor(128, 128, 128)));
    auto* angle = new QSlider(Qt::Horizontal);
    angle->setRange(-180, 180);
    angle->setFixedWidth(140);
    angle->setStyle(sharedStyle<SeekableSliderStyle>());
    angle->installEventFilter(new WheelEventBlocker(angle));
    QObject::connect(angle, &QSlider::valueChanged, rotatable, [rotatable](int value) { rotatable->setAngle(value); });
    layout->addWidget(rotatable);
    layout->addWidget(angle);

    auto* tabs = new QWidget;
    tabs->setFixedSize(140, 50);
    new RoundTabWidget(1, QColor(7, 8, 10, 243), tabs);
    tabs->findChild<RoundTabWidget*>()->setGeometry(10, 0, 70, 50);
    auto* leftTab = new RoundTabWidget(0, QColor(28, 29, 32), tabs);
    leftTab->setGeometry(90, 0, 50, 50);
    layout->addWidget(tabs);

    auto* wrapping = new QPushButton("A caption that wraps at word boundaries");
    wrapping->setStyle(sharedStyle<TextWrappingButtonProxyStyle>());
    wrapping->setFixedSize(110, 56);
    layout->addWidget(wrapping);
    layout->addStretch();
    return row;
}

QPushButton* button(const QString& text, QWidget* parent = nullptr)
{
    auto* created = new QPushButton(text, parent);
    created->setFocusPolicy(Qt::NoFocus);
    return created;
}

void showBusyOverlay(QWidget* stage, ProgressHUDMode mode)
{
    auto* hud = new ProgressHUD(stage, mode);
    hud->setGeometry(stage->rect());
    hud->setText(mode == ProgressHUDSpinner ? "Opening..." : "Exporting...");
    hud->show();
    if (mode == ProgressHUDBar) {
        auto* ticks = new QTimer(hud);
        QObject::connect(ticks, &QTimer::timeout, hud, [hud, progress = 0.0f]() mutable {
            progress += 0.02f;
            hud->setProgress(progress);
        });
        ticks->start(50);
    }
    QTimer::singleShot(3000, hud, &QObject::deleteLater);
}

void playSlideshow(QWidget* stage)
{
    QStringList frames;
    for (int i = 1; i <= 4; ++i)
        frames << QString(":/images/animation/eliminate_ani%1").arg(i);
    auto* slideshow = new SlideshowLabel(frames, 350, stage);
    slideshow->setGeometry(stage->width() / 2 - 80, stage->height() / 2 - 40, 160, 80);
    slideshow->show();
    QObject::connect(slideshow, &SlideshowLabel::slideshowCompleted, slideshow, [](SlideshowLabel* label) {
        label->hide();
        label->deleteLater();
    });
    slideshow->start();
}

// The export popup; its Export button walks through the export page to the
// error page, as a failing export would.
void showExportPopup(QWidget* stage)
{
    if (stage->findChild<PopupMovieExportingWidget*>())
        return;
    auto* popup = new PopupMovieExportingWidget(stage);
    QObject::connect(popup, &PopupMovieExportingWidget::popupMovieExportingWidgetShareAction, popup,
                     [](PopupMovieExportingWidget* shown) {
                         auto* ticks = new QTimer(shown);
                         QObject::connect(ticks, &QTimer::timeout, shown, [shown, ticks, progress = 0.0f]() mutable {
                             progress += 0.05f;
                             shown->setProgress(progress * 0.99f);
                             shown->setEstimatedTimeRemaining((1.0f - progress) * 80.0f);
                             if (progress < 1.0f)
                                 return;
                             ticks->stop();
                             shown->showExportSucceeded("An error occurs when exporting the movie. (error code = -22)",
                                                        QString());
                         });
                         ticks->start(100);
                     });
    popup->setExportOptions(stage, 3, 16, 9, "Gallery", QDir::homePath(), "h264", 30, 0);
}

} // namespace

QWidget* createPopupsPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(24, 24, 24, 24);
    auto* stage = new Stage;
    auto* side = new QWidget;
    side->setFixedWidth(220);
    auto* tipAnchor = button("Tip", stage);
    tipAnchor->setGeometry(300, 300, 80, 30);
    stage->setTipAnchor(tipAnchor);

    auto* buttons = new QHBoxLayout;
    auto* embedded = button("Embedded popup");
    QObject::connect(embedded, &QPushButton::clicked, side, [side]() {
        if (!side->findChild<CommonPopup*>())
            (new GalleryPopup(side))->showFullscreenInWidget(side, "Embedded");
    });
    auto* spinner = button("Spinner overlay");
    QObject::connect(spinner, &QPushButton::clicked, stage, [stage]() { showBusyOverlay(stage, ProgressHUDSpinner); });
    auto* bar = button("Progress overlay");
    QObject::connect(bar, &QPushButton::clicked, stage, [stage]() { showBusyOverlay(stage, ProgressHUDBar); });
    auto* message = button("Message");
    QObject::connect(message, &QPushButton::clicked, stage,
                     [stage]() { ProgressHUD::showMessage("Project saved", stage, 2000); });
    auto* slideshow = button("Slideshow");
    QObject::connect(slideshow, &QPushButton::clicked, stage, [stage]() { playSlideshow(stage); });
    auto* tip = button("Help tip");
    QObject::connect(tip, &QPushButton::clicked, stage, [stage, tipAnchor]() { showNextTip(stage, tipAnchor, 500); });
    auto* exporting = button("Export popup");
    QObject::connect(exporting, &QPushButton::clicked, stage, [stage]() { showExportPopup(stage); });
    for (QPushButton* each : {embedded, spinner, bar, message, slideshow, tip, exporting})
        buttons->addWidget(each);
    buttons->addStretch();
    layout->addLayout(buttons);

    auto* middle = new QHBoxLayout;
    middle->addWidget(stage, 1);
    middle->addWidget(side);
    layout->addLayout(middle, 1);
    layout->addWidget(arrowPanels());
    layout->addWidget(smallWidgets());
    return page;
}
