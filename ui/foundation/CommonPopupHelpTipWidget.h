#pragma once

#include "CommonPopup.h"
#include "PopupMainWidget.h"

#include <QMargins>
#include <QPointer>

class AnimatedLabel;
class QLabel;
class QPushButton;
class QVBoxLayout;

// A help tip: a balloon with an animated picture, one sentence and a "Got
// it" button, pointing at a widget. The balloon (the main widget) is a child
// of the tip's parent, not of the tip; the tip's own overlay lets the mouse
// through, so that the user keeps working while the balloon is shown.
class CommonPopupHelpTipWidget : public CommonPopup
{
    Q_OBJECT

public:
    // Shows the balloon with the picture at imagePath, its arrow on arrowSide
    // (top or bottom), pointing at anchor.
    void showNextToWidget(QWidget* parent, const QString& imagePath, int arrowSide, QWidget* anchor);
    // The balloon's size.
    virtual QSize tipSize() const = 0;

    void dismiss() override;
    void setupUi(QWidget* parent, const QString& title) override;
    void showInWidget(QWidget* parent, const QString& title, const QPoint& point) override;
    // Places the balloon by its anchor; the point is not used.
    void layoutAtPoint(const QPoint& point) override;

    PopupMainWidget* panel() const { return _panel; }
    AnimatedLabel* animatedLabel() const { return _animatedLabel; }
    QLabel* helpTextLabel() const { return _helpTextLabel; }
    QPushButton* okButton() const { return _okButton; }

signals:
    void clickedOnHelpTip();

protected:
    // helpText and okText come translated in the subclass's context.
    CommonPopupHelpTipWidget(QWidget* parent, const QString& helpText, const QString& okText);
    ~CommonPopupHelpTipWidget() override;
    // The size of the animated picture itself.
    virtual QSize pictureSize() const = 0;

private:
    void _buildForm(QWidget* parent, const QString& helpText, const QString& okText);
    QPoint _anchorPoint() const;
    void _fitPicture();

    QPointer<QWidget> _anchorWidget;
    int _arrowSide = 0;
    QString _imagePath;
    QPointer<PopupMainWidget> _panel;
    AnimatedLabel* _animatedLabel = nullptr;
    QLabel* _helpTextLabel = nullptr;
    QPushButton* _okButton = nullptr;
    QVBoxLayout* _layout = nullptr;
    QMargins _formMargins;
};
