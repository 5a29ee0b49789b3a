#pragma once

#include <QImage>
#include <QString>

// The drawing editor's tool and panel icons, drawn on a 44-unit grid scaled
// to the asked size: "tool-NAME" in the plain light grey and
// "tool-NAME-selected" in the highlight blue. A null image for an unknown name.
QImage drawToolIcon(const QString& name, const QSize& size);
