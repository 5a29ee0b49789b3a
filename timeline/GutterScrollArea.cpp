#include "GutterScrollArea.h"

#include "TimelineMetrics.h"
#include "UiMetrics.h"
#include "WidgetAnimations.h"

#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QScrollBar>
#include <QHash>

namespace {

constexpr int kMoveMs = 200;
// Process-wide: every button ever added takes the next track id.
int gTrackIdCounter = 0;

} // namespace

GutterScrollArea::GutterScrollArea(QWidget* parent)
    : QScrollArea(parent)
{
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget;
    content->setStyleSheet("QWidget { background-color: transparent; }"
                           "QPushButton { background-color: rgb(44,46,50); border-radius: 8px; }"
                           "QPushButton:pressed { background-color: black; }");
    setWidget(content);
}

QString GutterScrollArea::_iconForType(const QString& type)
{
    static const QHash<QString, QString> icons{{"MOVIE", ":/images/track_video"}, {"IMAGE", ":/images/track_photo"},
                                               {"TEXT", ":/images/track_text"},   {"MUSIC", ":/images/track_music"},
                                               {"DRAWING", ":/images/track_draw"}, {"VOICE", ":/images/track_voice"}};
    return icons.value(type);
}

void GutterScrollArea::_fitContent()
{
    widget()->setFixedSize(width(), TimelineMetrics::contentHeight(_buttons.size()));
}

int GutterScrollArea::addTrackButton(const QSet<int>& takenIds)
{
    auto* button = new QPushButton(widget());
    button->setFlat(true);
    button->setGeometry(TimelineMetrics::gutterButtonGeometry(_buttons.size()));
    button->setIconSize(UiMetrics::smallButtonSize());
    button->setIcon(QIcon(":/images/track_empty"));
    connect(button, &QPushButton::clicked, this, &GutterScrollArea::_onFunctionButtonPressed);
    _buttons.append(button);
    button->show();
    _fitContent();
    do
        ++gTrackIdCounter;
    while (takenIds.contains(gTrackIdCounter));
    button->setProperty("tag", gTrackIdCounter);
    return gTrackIdCounter;
}

QPushButton* GutterScrollArea::buttonForTag(int tag) const
{
    for (QPushButton* button : _buttons) {
        if (button->property("tag").toInt() == tag)
            return button;
    }
    return nullptr;
}

bool GutterScrollArea::lastTagIs(int tag) const
{
    return !_buttons.isEmpty() && _buttons.last()->property("tag").toInt() == tag;
}

void GutterScrollArea::setTrackButtonType(int tag, const QString& type)
{
    QPushButton* button = buttonForTag(tag);
    const QString icon = _iconForType(type);
    if (button && !icon.isEmpty())
        button->setIcon(QIcon(icon));
}

void GutterScrollArea::syncTrackButtons(const QList<int>& tags, const QStringList& types)
{
    for (int i = 0; i < tags.size() && i < types.size() && i < _buttons.size(); ++i) {
        _buttons[i]->setProperty("tag", tags[i]);
        const QString icon = _iconForType(types[i]);
        if (!icon.isEmpty())
            _buttons[i]->setIcon(QIcon(icon));
    }
    if (_buttons.size() == tags.size() + 1)
        _buttons.last()->setProperty("tag", tags.isEmpty() ? 1 : tags.last() + 1);
}

void GutterScrollArea::removeTrackButton(int tag)
{
    removeTrackButtons({tag});
}

void GutterScrollArea::removeTrackButtons(const QList<int>& tags)
{
    // Every following button moves up one row per removed button above it,
    // always animated: the rows close up together with the tracks.
    if (tags.isEmpty())
        return;
    const int row = int(TimelineMetrics::trackHeight());
    int removedAbove = 0;
    QList<QPushButton*> kept;
    auto* group = new QParallelAnimationGroup(this);
    for (QPushButton* button : qAsConst(_buttons)) {
        if (tags.contains(button->property("tag").toInt())) {
            ++removedAbove;
            button->hide();
            delete button;
            continue;
        }
        kept.append(button);
        if (removedAbove == 0)
            continue;
        const QPoint settled = settledPos(this, button);
        delete runningMoveOf(this, button);
        auto* animation = new QPropertyAnimation(button, "pos", group);
        animation->setDuration(kMoveMs);
        animation->setEndValue(settled - QPoint(0, row * removedAbove));
        group->addAnimation(animation);
    }
    _buttons = kept;
    group->start(QAbstractAnimation::DeleteWhenStopped);
}

void GutterScrollArea::deleteTrackButtons()
{
    qDeleteAll(_buttons);
    _buttons.clear();
}

void GutterScrollArea::setScrollY(float y)
{
    if (verticalScrollBar()->value() != int(y))
        verticalScrollBar()->setValue(int(y));
}

void GutterScrollArea::_onFunctionButtonPressed()
{
    if (auto* button = qobject_cast<QPushButton*>(sender()))
        emit gutterAreaFunctionButtonPressed(button->property("tag").toInt());
}
