#pragma once

#include <QRgb>
#include <QSize>
#include <QString>

// The built-in example project "5-4-3-2-1-0": the numbers 5 to 0 as text
// segments, one a second, each zooming in over a drawn leader dial, with a
// beep on every number. The pictures, the sound and the project files all
// describe this one countdown, so its facts live here.
namespace Countdown {

inline const QString kProjectName = QStringLiteral("5-4-3-2-1-0");
inline const QString kDrawingFile = QStringLiteral("drawingImage-1.png");
inline const QString kBeepFile = QStringLiteral("beep.m4a");
inline const QString kCoverFile = QStringLiteral("shot.jpg");
inline const QString kMarkerFile = QStringLiteral("example.dat");
inline const QString kFontFamily = QStringLiteral("DejaVu Sans");
inline const QString kFontStyle = QStringLiteral("Bold");

// A 16:9 landscape project; the drawing and the font size are made for this canvas.
constexpr QSize kCanvas{1280, 720};
// What the editor keeps as a cover: its preview grabbed into 640 x 640.
constexpr QSize kCoverSize{640, 360};
constexpr int kFirstNumber = 5;
constexpr float kNumberSeconds = 1.0f;
constexpr float kFontSize = 360.0f;
constexpr QRgb kTextColor = 0xFFFFFFFF;
constexpr QRgb kBackgroundColor = 0xFF1B1D22;
constexpr QRgb kAccentColor = 0xFF36C8FF;
constexpr int kBeepFrequency = 1000;
constexpr float kBeepSeconds = 0.2f;

inline float totalSeconds() { return (kFirstNumber + 1) * kNumberSeconds; }

// Writers of the project's files; false with *error set when a file cannot be written.
// "project.xml" and "properties.xml" go through the project storage into the
// project folder of the product folder set as the working folder.
bool writeProjectFiles(QString* error);
bool writeMarker(const QString& path, QString* error);

} // namespace Countdown
