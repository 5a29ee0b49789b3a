// Util: copying files and folders, reading pictures, describing media files.
#include "Util.h"

#include "AVFileDescriptor.h"
#include "AVRegularFile.h"
#include "ReplacingFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/pixdesc.h>
}

#include <fcntl.h>
#include <sys/stat.h>

#include <memory>

namespace {

struct InputCloser {
    void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
using InputPointer = std::unique_ptr<AVFormatContext, InputCloser>;

// A looping picture may never report its end; no real picture has this many frames.
constexpr int kMaxAnimationFrames = 100000;
constexpr qint64 kCopyBlockBytes = 1 << 20;

bool isProRes4444PixelFormat(int format)
{
    // ProRes 4444 decodes to the 4:4:4 formats, with or without alpha.
    for (const char* name : {"yuv444p10le", "yuva444p10le", "yuv444p12le", "yuva444p12le"}) {
        if (format == av_get_pix_fmt(name))
            return true;
    }
    return false;
}

QString videoCodecName(const AVCodecParameters* parameters)
{
    switch (parameters->codec_id) {
    case AV_CODEC_ID_H264:
        return "H.264";
    case AV_CODEC_ID_HEVC:
        return "HEVC";
    case AV_CODEC_ID_VP9:
        return "VP9";
    case AV_CODEC_ID_PRORES:
        return isProRes4444PixelFormat(parameters->format) ? "Apple ProRes 4444" : "Apple ProRes 422";
    default:
        return Util::tr("Unknown codec");
    }
}

QString audioCodecName(const AVCodecParameters* parameters)
{
    switch (parameters->codec_id) {
    case AV_CODEC_ID_AAC:
        return "AAC";
    case AV_CODEC_ID_OPUS:
        return "Opus";
    default:
        return Util::tr("Unknown codec");
    }
}

// The permission bits that Qt's flags name (owner, group, others).
mode_t modeOf(QFileDevice::Permissions permissions)
{
    const auto bits = unsigned(permissions);
    return mode_t(((bits >> 12) & 07) << 6 | ((bits >> 4) & 07) << 3 | (bits & 07));
}

// Writes the file source whole into output, with source's permissions and
// write permission for its owner, so that the copy can be replaced later.
bool writeCopy(const QString& source, ReplacingFile& output)
{
    QFile input(source);
    if (!input.open(QIODevice::ReadOnly) || !output.open())
        return false;
    while (!input.atEnd()) {
        const QByteArray block = input.read(kCopyBlockBytes);
        if (block.isEmpty() || output.device().write(block) != block.size())
            return false;
    }
    output.setPermissions(modeOf(input.permissions()) | S_IWUSR);
    return true;
}

// Copies source into output, which takes its name only once whole: never
// opened there, so a link put at the name is never written through, nor a
// named pipe waited on. What took the name is replaced when overwrite says
// so, else the copy fails.
bool copyOneFile(const QString& source, ReplacingFile& output, bool overwrite)
{
    // The same file under another spelling ("a/./b", a link): replacing the
    // target would take the only copy's place.
    const QString canonicalTarget = QFileInfo(output.fileName()).canonicalFilePath();
    if (!canonicalTarget.isEmpty() && canonicalTarget == QFileInfo(source).canonicalFilePath())
        return true;
    if (!writeCopy(source, output))
        return false;
    return overwrite ? output.commit() : output.commitAsNew([] { return QString(); });
}

// Copies every entry of source into the folder open at the descriptor
// target, at path. The folder made for the whole copy is skipped where it
// turns up inside the source, so a copy into a folder of its own source
// does not copy itself without end. Sub-folders are opened through their
// parent's descriptor, never through a link put at their names.
bool copyFolderContents(const QString& source, int target, const QString& path, bool overwrite,
                        const QString& outermostTarget)
{
    const QFileInfoList entries =
        QDir(source).entryInfoList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        const QString destination = path + QLatin1Char('/') + entry.fileName();
        if (entry.isDir()) {
            // A linked folder may lead back into the source: following it would never end.
            if (entry.isSymLink() || entry.canonicalFilePath() == outermostTarget)
                continue;
            const AVFileDescriptor folder(avOpenFolderAt(target, QFile::encodeName(entry.fileName()), true));
            if (!folder.isOpen()
                || !copyFolderContents(entry.filePath(), folder.get(), destination, overwrite, outermostTarget))
                return false;
            continue;
        }
        // A link to a named pipe or a device would hold the copy or never
        // end: left out, as the listing leaves the pipes themselves out.
        if (!avIsRegularFile(entry.filePath()))
            continue;
        ReplacingFile output(target, destination);
        if (!copyOneFile(entry.filePath(), output, overwrite))
            return false;
    }
    return true;
}

} // namespace

bool Util::copyFile(const QString& source, const QString& target, bool overwrite)
{
    // A backslash is a legal character of a Linux file name, so only native
    // separators are converted (which changes nothing here).
    const QString from = QDir::fromNativeSeparators(source);
    const QString to = QDir::fromNativeSeparators(target);
    if (from == to)
        return true;
    // A named pipe or a device would hold the copy, or never end.
    if (!avIsRegularFile(from))
        return false;
    ReplacingFile output(to);
    return copyOneFile(from, output, overwrite);
}

QString Util::copyFileAsNew(const QString& source, const QString& target, const std::function<QString()>& nextFreePath)
{
    if (!avIsRegularFile(source))
        return QString();
    ReplacingFile output(target);
    if (!writeCopy(source, output) || !output.commitAsNew(nextFreePath))
        return QString();
    return output.fileName();
}

bool Util::copyDirectory(const QString& source, const QString& target, bool overwrite)
{
    // A source that is not a folder has nothing to copy, and QDir("") is the
    // current folder: both are failures, before anything is made.
    if (target.isEmpty() || !QFileInfo(source).isDir())
        return false;
    QDir targetDir(target);
    if (!targetDir.exists() && !targetDir.mkpath("."))
        return false;
    // Every target is a folder the program makes for the copy: a link at its
    // name, put there by another process, is refused rather than followed.
    const AVFileDescriptor folder(
        ::open(QFile::encodeName(target).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    return folder.isOpen()
        && copyFolderContents(source, folder.get(), target, overwrite, QFileInfo(target).canonicalFilePath());
}

QImage Util::readImage(const QString& path, int maxSide)
{
    if (!avIsRegularFile(path))
        return QImage();
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.width() > maxSide || size.height() > maxSide)
        reader.setScaledSize(size.scaled(maxSide, maxSide, Qt::KeepAspectRatio));
    return reader.read();
}

double Util::animatedImageDuration(const QString& path)
{
    // The file's own delays, read frame by frame: a QMovie shortens each delay
    // by the time it took to decode the frame, so its sum depends on the load.
    QImageReader reader(path);
    if (!reader.canRead() || !reader.supportsAnimation())
        return 0.0;
    qint64 totalMs = 0;
    for (int frame = 0; frame < kMaxAnimationFrames && reader.canRead(); ++frame) {
        if (reader.read().isNull())
            break;
        totalMs += std::max(0, reader.nextImageDelay());
    }
    return totalMs / 1000.0;
}

bool Util::mediaStreamDescription(const QString& path, QString& videoText, QString& audioText,
                                  double& durationSeconds)
{
    AVFormatContext* opened = nullptr;
    if (avformat_open_input(&opened, path.toUtf8().constData(), nullptr, nullptr) < 0)
        return false;
    InputPointer input(opened);
    if (avformat_find_stream_info(input.get(), nullptr) < 0)
        return false;

    const int audio = av_find_best_stream(input.get(), AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (audio >= 0) {
        const AVCodecParameters* parameters = input->streams[audio]->codecpar;
        //: Audio stream: codec, channels (Stereo or Mono), sample rate.
        audioText = tr("%1, %2, %3 Hz")
                        .arg(audioCodecName(parameters),
                             parameters->ch_layout.nb_channels == 2 ? tr("Stereo") : tr("Mono"))
                        .arg(parameters->sample_rate);
    }
    const int video = av_find_best_stream(input.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (video >= 0) {
        const AVCodecParameters* parameters = input->streams[video]->codecpar;
        //: Video stream: codec, width, height in pixels.
        videoText = tr("%1, %2 x %3")
                        .arg(videoCodecName(parameters))
                        .arg(parameters->width)
                        .arg(parameters->height);
    }
    // A stream without a known length (a live capture, a broken header) has none.
    durationSeconds = input->duration == AV_NOPTS_VALUE ? 0.0 : input->duration / 1000000.0;
    return true;
}
