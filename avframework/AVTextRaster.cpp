#include "AVTextRaster.h"

#include "AVGLContext.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

struct TextLine {
    QString text;
    QRectF rect;  // natural text rectangle
    qreal descent;
};

QColor toColor(const AVVec4& color, bool opaque)
{
    return QColor(int(color.x * 255), int(color.y * 255), int(color.z * 255), opaque ? 255 : int(color.w * 255));
}

Qt::Alignment toAlignment(int32_t alignment)
{
    switch (alignment) {
    case 1: return Qt::AlignHCenter;
    case 2: return Qt::AlignRight;
    default: return Qt::AlignLeft;
    }
}

QFont makeFont(const QPainter& painter, const char* family, const char* style, int32_t pixelSize)
{
    const QString familyName = QString::fromUtf8(family ? family : "");
    const QString styleName = QString::fromUtf8(style ? style : "");
    QFontDatabase fonts;
    QFont font;
    if (!styleName.isEmpty() && fonts.hasFamily(familyName)) {
        font = fonts.font(familyName, styleName, painter.font().pointSize());
    } else {
        // A family missing here is asked for by name with its style, so that
        // the font system's substitute draws it in that style; the database
        // would answer with the application's font, plain.
        font = QFont(familyName);
        font.setStyleName(styleName);
    }
    font.setPixelSize(std::max(pixelSize, 1));
    return font;
}

// Lays every paragraph out from the pen position down, one record per line.
std::vector<TextLine> layOut(const QString& text, const QFont& font, Qt::Alignment alignment, QPointF pen,
                             qreal lineWidth)
{
    const qreal leading = QFontMetricsF(font).leading();
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::WordWrap);
    std::vector<TextLine> lines;
    // An empty text has no line, not one empty line with a background.
    if (text.isEmpty())
        return lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(lineWidth);
            line.setPosition(pen);
            pen.ry() += line.height() + leading;
            lines.push_back({paragraph.mid(line.textStart(), line.textLength()), line.naturalTextRect(),
                             line.descent()});
        }
        layout.endLayout();
    }
    return lines;
}

void paintBackground(QPainter& painter, const std::vector<TextLine>& lines, int imageHeight, const QColor& color,
                     float inset, float corner)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (const TextLine& line : lines) {
        if (line.rect.top() > imageHeight)
            break;
        QRectF rect = line.rect;
        if (inset > 0)
            rect.adjust(-inset, -inset, inset, inset);
        if (corner <= 0)
            path.addRect(rect);
        else
            path.addRoundedRect(rect, rect.height() * 0.5 * corner, rect.height() * 0.5 * corner);
    }
    painter.fillPath(path, color);
}

void paintLines(QPainter& painter, const std::vector<TextLine>& lines, int imageHeight, const QFont& font,
                const QColor& textColor, qreal outline, const QColor& outlineColor)
{
    painter.setFont(font);
    const QPen outlinePen(outlineColor, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    for (const TextLine& line : lines) {
        if (line.rect.top() > imageHeight)
            break;
        const QPointF baseline(line.rect.left(), line.rect.bottom() - line.descent);
        if (outline > 0) {
            QPainterPath path;
            path.addText(baseline, font, line.text);
            painter.strokePath(path, outlinePen);
        }
        painter.setPen(textColor);
        painter.drawText(baseline, line.text);
    }
}

} // namespace

AVPixelBuffer* avRenderText(int32_t width, int32_t height, const char* text, int32_t fontPixelSize,
                            const AVVec4& textColor, const char* fontFamily, const char* fontStyle, int32_t alignment,
                            float outlineWidth, const AVVec4& outlineColor, const AVVec4& backColor, float backInset,
                            float backCorner)
{
    // Checked before any allocation: the raster's byte count is worked out in
    // 64 bits and a size no texture can take is refused.
    const int64_t limit = avGLMaxTextureSize();
    if (width < 1 || height < 1 || width > limit || height > limit)
        return nullptr;
    const size_t bytes = size_t(width) * size_t(height) * 4;
    auto* pixels = static_cast<uint8_t*>(std::calloc(bytes, 1));
    if (!pixels)
        return nullptr;
    {
        QImage image(pixels, width, height, width * 4, QImage::Format_ARGB32_Premultiplied);
        if (image.isNull()) {
            std::free(pixels);
            return nullptr;
        }
        QPainter painter;
        if (painter.begin(&image)) {
            painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
            const QFont font = makeFont(painter, fontFamily, fontStyle, fontPixelSize);
            const qreal outline = fontPixelSize / 100.0 * outlineWidth;
            const QColor back = toColor(backColor, false);
            QPointF pen(0, outline / 2);
            qreal lineWidth = width;
            if (back.alpha() > 0 && backInset > 0) {
                pen += QPointF(backInset, backInset);
                lineWidth -= 2 * backInset;
            }
            const std::vector<TextLine> lines = layOut(QString::fromUtf8(text ? text : ""), font,
                                                       toAlignment(alignment), pen, lineWidth);
            if (back.alpha() > 0)
                paintBackground(painter, lines, height, back, backInset, backCorner);
            paintLines(painter, lines, height, font, toColor(textColor, true), outline,
                       toColor(outlineColor, true));
            painter.end();
        }
    }
    return avPixelBufferWrap(pixels, uint32_t(width), uint32_t(height), AVPixelFormatBGRA32);
}
