// gen-assets: renders the pictures listed in an asset list into a folder and
// writes a resource collection (.qrc) that names each by its resource path.
//
//   gen-assets LIST SOURCE_DIR OUT_DIR QRC_FILE
//
// Each line of the list: resource path, source, WIDTHxHEIGHT and, for
// animations, frames per second. A source is "@name" (a drawing made in
// code), an SVG file, or several SVG files separated by commas: the frames
// of an animated GIF. "@name*N" is an animation drawn in code, N frames long,
// written as an animated GIF; "@name*N/K" is its frame K (from 1) alone.
#include "AnimatedGif.h"
#include "Animations.h"
#include "Drawings.h"
#include "EditorPictures.h"
#include "ListFileReader.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr int kDefaultFramesPerSecond = 10;

struct Asset {
    QString resourcePath;  // e.g. "images/drawing/hollow_back"
    QString source;        // "@drawing", "@animation*N[/K]", "x.svg" or "frame1.svg,frame2.svg,..."
    QSize size;
    int framesPerSecond;
};

bool fail(const QString& message)
{
    std::fprintf(stderr, "gen-assets: %s\n", qPrintable(message));
    return false;
}

bool parseAssetLine(const QString& line, const QString& where, QList<Asset>& assets)
{
    const QStringList fields = line.split(QRegularExpression("\\s+"));
    const QStringList size = fields.value(2).split('x');
    const int width = size.value(0).toInt();
    const int height = size.value(1).toInt();
    const int framesPerSecond = fields.size() == 4 ? fields[3].toInt() : kDefaultFramesPerSecond;
    if (fields.size() < 3 || fields.size() > 4 || size.size() != 2 || width <= 0 || height <= 0
        || framesPerSecond <= 0)
        return fail(where + ": expected \"path source WIDTHxHEIGHT [FPS]\"");
    if (fields[0].contains("..") || fields[0].startsWith('/'))
        return fail(where + ": resource path must stay inside the output folder");
    assets.append({fields[0], fields[1], QSize(width, height), framesPerSecond});
    return true;
}

bool readAssetList(const QString& path, QList<Asset>& assets)
{
    QString error;
    const auto take = [&assets](const QString& line, const QString& where) {
        return parseAssetLine(line, where, assets);
    };
    return readListFile(path, take, &error) || (!error.isEmpty() && fail(error));
}

// A null image when the file is not a readable SVG.
QImage renderSvg(const QString& path, const QSize& size)
{
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) {
        fail("cannot read SVG " + path);
        return QImage();
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

QString withSuffix(const QString& path, const QString& suffix)
{
    return path.endsWith('.' + suffix) ? path : path + '.' + suffix;
}

bool savePng(const QImage& image, const QString& path)
{
    return image.save(path, "PNG") || fail("cannot write " + path);
}

QString writeFrames(const QList<QImage>& frames, int framesPerSecond, const QString& target)
{
    if (frames.size() > 1) {
        const QString gif = withSuffix(target, "gif");
        QString error;
        if (!writeAnimatedGif(frames, framesPerSecond, gif, &error)) {
            fail(error);
            return QString();
        }
        return gif;
    }
    const QString png = withSuffix(target, "png");
    return savePng(frames.first(), png) ? png : QString();
}

// "@name*N" (all frames) or "@name*N/K" (frame K alone) of an animation drawn in code.
QString renderDrawnAnimation(const Asset& asset, const QString& target)
{
    static const QRegularExpression pattern("^@([\\w-]+)\\*(\\d+)(?:/(\\d+))?$");
    const QRegularExpressionMatch match = pattern.match(asset.source);
    const int frameCount = match.captured(2).toInt();
    const int only = match.captured(3).toInt();
    if (!match.hasMatch() || frameCount < 1 || only > frameCount || (match.lastCapturedIndex() == 3 && only < 1)) {
        fail("expected @name*FRAMES or @name*FRAMES/FRAME, got " + asset.source);
        return QString();
    }
    QList<QImage> frames;
    for (int frame = 0; frame < frameCount; ++frame) {
        if (only && frame != only - 1)
            continue;
        frames.append(drawAnimationFrame(match.captured(1), asset.size, frame, frameCount));
        if (frames.last().isNull()) {
            fail("no animation named " + match.captured(1));
            return QString();
        }
    }
    return writeFrames(frames, asset.framesPerSecond, target);
}

// Writes one asset; returns the file it wrote, or an empty string on failure.
QString renderAsset(const Asset& asset, const QDir& sources, const QDir& out)
{
    const QString target = out.filePath(asset.resourcePath);
    QDir().mkpath(QFileInfo(target).absolutePath());
    if (asset.source.startsWith('@') && asset.source.contains('*'))
        return renderDrawnAnimation(asset, target);
    if (asset.source.startsWith('@')) {
        QImage image = drawPicture(asset.source.mid(1), asset.size);
        if (image.isNull())
            image = drawEditorPicture(asset.source.mid(1), asset.size);
        if (image.isNull()) {
            fail("no drawing named " + asset.source);
            return QString();
        }
        const QString png = withSuffix(target, "png");
        return savePng(image, png) ? png : QString();
    }
    QList<QImage> frames;
    for (const QString& file : asset.source.split(',')) {
        frames.append(renderSvg(sources.filePath(file), asset.size));
        if (frames.last().isNull())
            return QString();
    }
    return writeFrames(frames, asset.framesPerSecond, target);
}

bool writeCollection(const QString& path, const QList<QPair<QString, QString>>& entries)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return fail("cannot write " + path);
    QTextStream stream(&file);
    stream << "<RCC>\n  <qresource prefix=\"/\">\n";
    for (const auto& [alias, file] : entries)
        stream << "    <file alias=\"" << alias << "\">" << file << "</file>\n";
    stream << "  </qresource>\n</RCC>\n";
    stream.flush();
    return file.commit() || fail("cannot write " + path);
}

} // namespace

int main(int argc, char** argv)
{
    // Drawing needs fonts and a painter, not a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        std::fprintf(stderr, "usage: gen-assets LIST SOURCE_DIR OUT_DIR QRC_FILE\n");
        return 2;
    }
    QList<Asset> assets;
    if (!readAssetList(args[1], assets))
        return 1;
    const QDir sources(args[2]);
    QDir out(args[3]);
    out.mkpath(".");
    QList<QPair<QString, QString>> entries;
    for (const Asset& asset : assets) {
        const QString written = renderAsset(asset, sources, out);
        if (written.isEmpty()) {
            fail("failed to make " + asset.resourcePath);
            return 1;
        }
        entries.append({asset.resourcePath, QFileInfo(written).absoluteFilePath()});
    }
    return writeCollection(args[4], entries) ? 0 : 1;
}
