#pragma once

#include <QDir>
#include <QImage>
#include <QWidget>

// Keeps a screenshot of a drawing panel for review.
inline void saveArtefact(QWidget& widget, const QString& name)
{
    QDir().mkpath(VIDORNA_ARTEFACT_DIR);
    widget.grab().save(QString(VIDORNA_ARTEFACT_DIR) + "/" + name + ".png");
}

// Whether two colours differ by at most tolerance in every channel.
inline bool colorsClose(const QColor& a, const QColor& b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
           && std::abs(a.blue() - b.blue()) <= tolerance;
}
