#include "TextSegment.h"

#include "SegmentKeys.h"
#include "SegmentLabel.h"
#include "SegmentListener.h"
#include "SegmentStyleDefaults.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QRunnable>
#include <QRegularExpression>

namespace {

const QString kType = QStringLiteral("TEXT");
constexpr float kDefaultFontSize = 80.0f;
constexpr QRgb kDefaultColor = 0xFFFFFFFF;
constexpr QRgb kDefaultBackColor = 0x00FF00FF;
constexpr QRgb kDefaultBorderColor = 0xFFFFFF00;
constexpr int kDefaultAlignment = 1;
// The project's aspect choices that have their own reference size; any
// other is 4:3.
constexpr int kAspect16x9 = 1;
constexpr int kAspect1x1 = 2;
// The label's font never gets as small as this share of the body's height.
constexpr double kLabelFloor = 0.2;

} // namespace

const QString TextSegment::kDefaultFontName = QStringLiteral("Arial");

TextSegment::TextSegment(const Segment* source, float start, SegmentListener* owner)
    : LayerSegment(source, start, owner)
{
    setType(kType);
    _startLoading();
}

TextSegment::TextSegment(const QString& text, float start, float duration, SegmentListener* owner,
                         SegmentStyleDefaults* defaults)
    : LayerSegment(owner)
{
    setText(text);
    setType(kType);
    setRangeStart(start);
    setRangeDuration(duration);
    if (defaults)
        defaults->applyToTextSegment(this);
    _startLoading();
}

TextSegment::TextSegment(std::unique_ptr<SegmentAttributes> attributes, SegmentListener* owner, bool newlyCreated)
    : LayerSegment(std::move(attributes), owner)
{
    setNewlyCreated(newlyCreated);
    _startLoading();
}

TextSegment::~TextSegment()
{
    _finishPendingTasks();
}

void TextSegment::_startLoading()
{
    // Nothing to load: the engine may create the text at once, and that is all.
    if (owner())
        _startTask(QRunnable::create([this] {
            setState(1);
            setState(4);
        }));
}

QString TextSegment::text() const { return stringAttribute(attributes(), SegmentKey::Text); }
void TextSegment::setText(const QString& text) { setStringAttribute(attributes(), SegmentKey::Text, text); }
QString TextSegment::fontName() const { return stringAttribute(attributes(), SegmentKey::FontName, kDefaultFontName); }
void TextSegment::setFontName(const QString& family) { setStringAttribute(attributes(), SegmentKey::FontName, family); }
QString TextSegment::fontStyle() const { return stringAttribute(attributes(), SegmentKey::FontStyle); }
void TextSegment::setFontStyle(const QString& style) { setStringAttribute(attributes(), SegmentKey::FontStyle, style); }
QRgb TextSegment::color() const { return colorAttribute(attributes(), SegmentKey::Color, kDefaultColor); }
void TextSegment::setColor(QRgb color) { setColorAttribute(attributes(), SegmentKey::Color, color); }
QRgb TextSegment::backColor() const { return colorAttribute(attributes(), SegmentKey::BackColor, kDefaultBackColor); }
float TextSegment::backCorner() const { return floatAttribute(attributes(), SegmentKey::BackCorner, 0.0f); }
void TextSegment::setBackCorner(float radius) { setFloatAttribute(attributes(), SegmentKey::BackCorner, radius); }
float TextSegment::backInset() const { return floatAttribute(attributes(), SegmentKey::BackInset, 0.0f); }
void TextSegment::setBackInset(float inset) { setFloatAttribute(attributes(), SegmentKey::BackInset, inset); }
int TextSegment::alignment() const { return intAttribute(attributes(), SegmentKey::Alignment, kDefaultAlignment); }
void TextSegment::setAlignment(int alignment) { setIntAttribute(attributes(), SegmentKey::Alignment, alignment); }

QFont TextSegment::font() const
{
    QFontDatabase fonts;
    if (fonts.hasFamily(fontName()))
        return fonts.font(fontName(), fontStyle(), QFont().pointSize());
    // A family not installed here: the database would answer with the
    // application's font, and its name would replace the project's.
    QFont named(fontName());
    named.setStyleName(fontStyle());
    return named;
}

float TextSegment::fontSize(const QSizeF& videoSize) const
{
    const float stored = floatAttribute(attributes(), SegmentKey::FontSize, kDefaultFontSize);
    return float(videoSize.width() / referenceSize().width()) * stored;
}

bool TextSegment::hasVideoSize() const
{
    const QSizeF stored = sizeAttribute(attributes(), SegmentKey::VideoSize, QSizeF());
    return stored.isValid() && !stored.isEmpty();
}

void TextSegment::setVideoSize(const QSizeF& videoSize)
{
    setSizeAttribute(attributes(), SegmentKey::VideoSize, videoSize);
}

QSizeF TextSegment::referenceSize() const
{
    if (hasVideoSize())
        return sizeAttribute(attributes(), SegmentKey::VideoSize, QSizeF());
    // Without a project, the size of a new project's (16:9, landscape).
    SegmentListener* listener = owner();
    TextSegment* self = const_cast<TextSegment*>(this);
    const int resolution = listener ? listener->segmentProjectResolution(self) : kAspect16x9;
    const bool landscape = listener ? listener->segmentProjectIsLandscape(self) : true;
    QSizeF size;
    if (resolution == kAspect1x1)
        size = QSizeF(640, 640);
    else if (resolution == kAspect16x9)
        size = QSizeF(1280, 720);
    else
        size = QSizeF(640, 480);
    return landscape ? size : size.transposed();
}

void TextSegment::setFontSize(float size)
{
    setFloatAttribute(attributes(), SegmentKey::FontSize, size);
}

void TextSegment::setFontSizeForVideoSize(float size, const QSizeF& videoSize)
{
    setVideoSize(videoSize);
    setFontSize(size);
}

void TextSegment::setBackColor(QRgb color)
{
    setColorAttribute(attributes(), SegmentKey::BackColor, (backColor() & 0xFF000000u) | (color & 0x00FFFFFFu));
}

float TextSegment::backOpacity() const
{
    return float(qAlpha(backColor())) / 255.0f;
}

void TextSegment::setBackOpacity(float opacity)
{
    const QRgb alpha = QRgb(int(opacity * 255.0f) & 255) << 24;
    setColorAttribute(attributes(), SegmentKey::BackColor, alpha | (backColor() & 0x00FFFFFFu));
}

QRgb TextSegment::backColorRgba() const
{
    return backColor() | 0xFF000000u;
}

bool TextSegment::isLoaded() const
{
    return true;
}

bool TextSegment::hasContent() const
{
    return true;
}

QRgb TextSegment::borderColor() const
{
    if (!attributes()->findText(SegmentKey::BorderColor))
        return kDefaultBorderColor;
    return Segment::borderColor();
}

LayerTransform TextSegment::mediaLayerTransform(const QSizeF& canvas) const
{
    LayerTransform transform;
    transform.scaleX = 1.0f;
    transform.scaleY = 0.5f;
    transform.center = QPointF(canvas.width() / 2, canvas.height() / 2);
    return transform;
}

QRectF TextSegment::baseBox(const QSizeF& canvas) const
{
    return QRectF(0.0, canvas.height() / 4, canvas.width(), canvas.height() / 2);
}

void TextSegment::paintTimelineBody(QPainter* painter, const QRect& rect, float)
{
    SegmentListener* listener = owner();
    if (!rect.isValid() || !listener)
        return;
    const int margin = int(listener->segmentLabelMargin(this));
    const QRect labelRect = rect.adjusted(margin, 0, -margin, 0);
    if (!labelRect.isValid())
        return;
    QString shown = text();
    if (shown.isEmpty())
        shown = listener->segmentEmptyTextPlaceholder(this);

    QFont font;
    font.setStyleHint(QFont::System, QFont::PreferDevice);
    if (!fontName().isEmpty())
        font.setFamily(fontName());
    if (!fontStyle().isEmpty())
        font.setStyleName(fontStyle());
    font.setPixelSize(int(listener->segmentLabelFontPixelSize(this)));
    SegmentLabel::shrinkToFit(&font, shown, labelRect.width(), rect.height() * kLabelFloor);

    const QFontMetrics metrics(font);
    QStringList lines = shown.split(QRegularExpression(QStringLiteral("[\\r\\n]")));
    for (QString& line : lines)
        line = metrics.elidedText(line, Qt::ElideRight, labelRect.width());
    const QString joined = lines.join(QLatin1Char('\n'));

    painter->save();
    painter->setFont(font);
    SegmentLabel::drawTwice(painter, this,
                            [&] { painter->drawText(labelRect, Qt::AlignLeft | Qt::AlignVCenter, joined); });
    painter->restore();
}
