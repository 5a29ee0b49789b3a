// Crop mode: the crop editor over a still picture of the edited segment,
// laid on a cover that hides the live preview while the crop is edited.
#include "MainWindow.h"

#include "AVGLWidget.h"
#include "AVTextRaster.h"
#include "CropValues.h"
#include "CropWidget.h"
#include "EditScrollArea.h"
#include "ImageSegment.h"
#include "PixelBufferImage.h"
#include "ProjectManager.h"
#include "SegmentWidget.h"
#include "TextSegment.h"
#include "Util.h"

#include <QColor>

namespace {

constexpr int kCropFadeInMs = 200;

} // namespace

void MainWindow::_beginCropEditing(Segment* segment)
{
    if (_cropWidget || !segment || !_previewContainer || !centralWidget())
        return;
    const QPixmap picture = _cropPicture(segment);
    if (picture.isNull())
        return;
    // A transition's shown end is cropped instead of the segment, and the
    // editor takes the transition's look.
    SegmentWidget* editing = _timeline ? _timeline->editingSegmentWidget() : nullptr;
    const int transitionId = editing ? editing->transitionId() : 0;
    const bool onTransition = transitionId > 0 && _editingTransitionState >= 0;
    const CropValues values = onTransition ? CropValues::of(segment, transitionId, _editingTransitionState == 1)
                                           : CropValues::of(segment);
    _showCropCover();
    _cropPictureSize = picture.size();
    _cropWidget = new CropWidget(_cropEditorRect(_cropPictureSize), picture, values.rect(), values.feathering[0],
                                 values.feathering[1], values.feathering[2], values.feathering[3], !onTransition,
                                 centralWidget());
    Util::fadeInWidget(_cropWidget, kCropFadeInMs, 1.0);
    _prepareForEditing();
    _enterCropMode(true);
}

QPixmap MainWindow::_cropPicture(Segment* segment)
{
    const QString type = segment->type();
    if (type == QLatin1String("IMAGE") || type == QLatin1String("DRAWING")) {
        // A picture's copy fitted for editing; a drawing's own size.
        const auto* image = dynamic_cast<const ImageSegment*>(segment);
        return image ? image->pixmap() : QPixmap();
    }
    if (type == QLatin1String("MOVIE"))
        return QPixmap::fromImage(PixelBufferImage::adopt(_grabSegmentImage(segment)));
    if (type == QLatin1String("TEXT")) {
        const auto* text = dynamic_cast<const TextSegment*>(segment);
        return text ? _renderedTextPicture(text) : QPixmap();
    }
    return QPixmap();
}

// The text as the engine draws it on the composition: the base box already
// spans the composition's size, so only the layer's own scale is applied.
QPixmap MainWindow::_renderedTextPicture(const TextSegment* text) const
{
    if (text->text().isEmpty())
        return QPixmap();
    const QSizeF composition = _compositionSize();
    const QRectF box = text->baseBox(composition);
    const LayerTransform transform = text->layerTransform(composition);
    const QRgb back = text->backColorRgba();
    const AVVec4 backColor{qRed(back) / 255.0f, qGreen(back) / 255.0f, qBlue(back) / 255.0f, text->backOpacity()};
    // A QColor made of a QRgb is opaque: the text and its outline are drawn so.
    const AVVec4 textColor = Util::colorToVec4(QColor(text->color()));
    const AVVec4 outlineColor = Util::colorToVec4(QColor(text->borderColor()));
    AVPixelBuffer* buffer = avRenderText(
        int32_t(box.width() * double(transform.scaleX)), int32_t(box.height() * double(transform.scaleY)),
        text->text().toUtf8().constData(), int32_t(text->fontSize(composition)), textColor,
        text->fontName().toUtf8().constData(), text->fontStyle().toUtf8().constData(), int32_t(text->alignment()),
        text->borderWidth(), outlineColor, backColor,
        float(double(text->backInset()) * composition.width()), text->backCorner());
    return QPixmap::fromImage(PixelBufferImage::adopt(buffer));
}

QRect MainWindow::_cropEditorRect(const QSize& picture) const
{
    const QRectF fitted = Util::aspectFitRect(float(picture.width()), float(picture.height()),
                                              QRectF(0.0, 0.0, _previewContainer->width(), _previewContainer->height()));
    // Never negative, so qRound takes halves up, as the crop editor rounds.
    const QPoint topLeft = _previewContainer->mapTo(centralWidget(), QPoint(qRound(fitted.x()), qRound(fitted.y())));
    return QRect(topLeft, QSize(qRound(fitted.width()), qRound(fitted.height())));
}

// The project's background without its alpha: a transparent background
// still hides the live preview.
void MainWindow::_showCropCover()
{
    QWidget* host = _previewWidget ? _previewWidget->parentWidget() : nullptr;
    if (!host)
        return;
    const QColor background = QColor::fromRgba(_projectManager->backgroundColor());
    auto* cover = new QWidget(host);
    cover->setStyleSheet(QStringLiteral("background-color: rgb(%1,%2,%3);")
                             .arg(background.red())
                             .arg(background.green())
                             .arg(background.blue()));
    cover->setGeometry(_previewWidget->geometry());
    _cropCover = cover;
    Util::fadeInWidget(cover, kCropFadeInMs, 1.0);
}

void MainWindow::_layoutCropEditor()
{
    if (_cropCover && _previewWidget)
        _cropCover->setGeometry(_previewWidget->geometry());
    if (_cropWidget && _previewContainer && centralWidget())
        _cropWidget->updateGeometryFor(_cropEditorRect(_cropPictureSize));
}
