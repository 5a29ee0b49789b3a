#pragma once

#include <QImage>
#include <QRunnable>
#include <QString>

// Writes one drawing snapshot to a PNG file on the history's pool thread.
// It holds a QImage: pixmaps belong to the GUI thread.
class DataCompressionTask : public QRunnable
{
public:
    DataCompressionTask(const QImage& image, const QString& path);

    void run() override;

private:
    QImage _image;
    QString _path;
};
