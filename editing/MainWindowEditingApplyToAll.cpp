// Copying the edited segment's look and sound onto every segment of its type.
#include "MainWindow.h"

#include "AVComposition.h"
#include "AVEngine.h"
#include "EditScrollArea.h"
#include "ProgressHUD.h"
#include "ProjectManager.h"
#include "Segment.h"
#include "SegmentWidget.h"
#include "TextSegment.h"

namespace {

const QString kMovie = QStringLiteral("MOVIE");
const QString kText = QStringLiteral("TEXT");
const QString kMusic = QStringLiteral("MUSIC");
const QString kVoice = QStringLiteral("VOICE");

constexpr int kMessageMs = 2000;

bool isSound(const QString& type)
{
    return type == kMusic || type == kVoice;
}

void copySound(const Segment* source, Segment* target)
{
    target->setUserVolume(source->userVolume());
    target->setPitch(source->pitch());
}

void copyColourAndKey(const Segment* source, Segment* target)
{
    target->setUserTransparency(source->userTransparency());
    target->setClrSaturation(source->clrSaturation());
    target->setClrBrightness(source->clrBrightness());
    target->setClrContrast(source->clrContrast());
    target->setClrWhiteBalance(source->clrWhiteBalance());
    target->setClrExposure(source->clrExposure());
    target->setClrHue(source->clrHue());
    target->setClrRed(source->clrRed());
    target->setClrGreen(source->clrGreen());
    target->setClrBlue(source->clrBlue());
    target->setKeyEnabled(source->keyEnabled());
    target->setKeySensitivity(source->keySensitivity());
    target->setKeySmoothing(source->keySmoothing());
    target->setKeyColor(source->keyColor());
}

void copyTextStyle(const TextSegment* source, TextSegment* target, const QSizeF& videoSize)
{
    target->setFontSizeForVideoSize(source->fontSize(videoSize), videoSize);
    target->setFontName(source->fontName());
    target->setFontStyle(source->fontStyle());
    target->setColor(source->color());
    target->setAlignment(source->alignment());
    target->setBorderWidth(source->borderWidth());
    target->setBorderColor(source->borderColor());
}

void copyTextBackground(const TextSegment* source, TextSegment* target)
{
    target->setBackColor(source->backColorRgba());
    target->setBackOpacity(source->backOpacity());
    target->setBackInset(source->backInset());
    target->setBackCorner(source->backCorner());
}

void copyFrame(const Segment* source, Segment* target)
{
    target->setBorderWidthFraction(source->borderWidthFraction());
    target->setBorderWidth(source->borderWidth());
    target->setBorderColor(source->borderColor());
    target->setBorderStroke(source->borderStroke());
    target->setBorderStrokeTolerance(source->borderStrokeTolerance());
    target->setBorderStrokeStrength(source->borderStrokeStrength());
    target->setCornerRadiusFraction(source->cornerRadiusFraction());
    target->setCornerRadius(source->cornerRadius());
}

// An empty fraction means the pixel offset is the one in use, so that goes
// along; without a fraction the target keeps any fraction of its own.
void copyShadow(const Segment* source, Segment* target)
{
    target->setShadowOpacity(source->shadowOpacity());
    if (source->hasShadowOffsetFraction()) {
        const QSizeF fraction = source->shadowOffsetFraction();
        target->setShadowOffsetFraction(fraction);
        if (fraction.width() <= 0.0 || fraction.height() <= 0.0)
            target->setShadowPixelOffset(source->shadowPixelOffset());
    } else {
        target->setShadowPixelOffset(source->shadowPixelOffset());
    }
    target->setShadowRadiusFraction(source->shadowRadiusFraction());
    target->setShadowColor(source->shadowColor());
}

} // namespace

QString MainWindow::_segmentKindWord(const QString& type)
{
    if (type == kMovie)
        return tr("video");
    if (type == QLatin1String("IMAGE"))
        return tr("image");
    if (type == QLatin1String("DRAWING"))
        return tr("self-draw");
    if (type == kText)
        return tr("text");
    if (type == kMusic)
        return tr("music");
    if (type == kVoice)
        return tr("voice");
    return type;
}

void MainWindow::_segmentEditingApplyToAllSegments()
{
    const Segment* source = _editingSegment();
    if (!source)
        return;
    if (_engine)
        _engine->pause();
    const QString type = source->type();
    _recordOperation();
    _projectManager->setModified(true);
    for (int index = 0; index < _projectManager->segmentCount(); ++index) {
        Segment* target = _projectManager->segmentAt(index);
        if (target && target->type() == type)
            _copyLookToSegment(source, target);
    }
    if (_engine)
        _engine->requestRedraw();
    ProgressHUD::showMessage(tr("Editing properties applied to all %1 segments").arg(_segmentKindWord(type)), this,
                             kMessageMs);
}

void MainWindow::_copyLookToSegment(const Segment* source, Segment* target)
{
    const QString type = target->type();
    if (isSound(type) || (type == kMovie && target->hasAudio())) {
        copySound(source, target);
        _pushSegmentSound(target);
    }
    if (isSound(type))
        return;
    copyColourAndKey(source, target);
    if (type == kText) {
        const QSizeF videoSize = _composition ? QSizeF(_composition->width(), _composition->height()) : QSizeF();
        const auto* sourceText = static_cast<const TextSegment*>(source);
        auto* targetText = static_cast<TextSegment*>(target);
        copyTextStyle(sourceText, targetText, videoSize);
        copyTextBackground(sourceText, targetText);
    } else {
        copyFrame(source, target);
    }
    copyShadow(source, target);
    _pushSegmentAppearance(target);
}
