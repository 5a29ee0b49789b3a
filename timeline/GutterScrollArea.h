#pragma once

#include <QList>
#include <QScrollArea>
#include <QSet>
#include <QStringList>

class QPushButton;

// The column of track header buttons left of the tracks: one round button
// per track showing the kind of media on it, and one for the trailing empty
// track. Each button carries its track's id in the "tag" property; a press
// reports that id.
class GutterScrollArea : public QScrollArea
{
    Q_OBJECT

public:
    explicit GutterScrollArea(QWidget* parent);

    // A new button at the bottom with the next track id that is not taken,
    // which it returns.
    int addTrackButton(const QSet<int>& takenIds = {});
    QPushButton* buttonForTag(int tag) const;
    bool lastTagIs(int tag) const;
    void setTrackButtonType(int tag, const QString& type);
    // Re-tags the buttons from the top after the tracks were reordered; the
    // trailing new-track button gets the tag after the last one.
    void syncTrackButtons(const QList<int>& tags, const QStringList& types);
    void removeTrackButton(int tag);
    void removeTrackButtons(const QList<int>& tags);
    void deleteTrackButtons();
    void setScrollY(float y);
    int buttonCount() const { return _buttons.size(); }
    QPushButton* buttonAt(int index) const { return _buttons.value(index); }

signals:
    void gutterAreaFunctionButtonPressed(int tag);

private slots:
    void _onFunctionButtonPressed();

private:
    static QString _iconForType(const QString& type);
    void _fitContent();

    QList<QPushButton*> _buttons;
};
