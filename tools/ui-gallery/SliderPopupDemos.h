#pragma once

#include <QString>

#include <functional>

class CommonSliderColorPopup;
class QWidget;

using GalleryLog = std::function<void(const QString&)>;

// Buttons that open the slider, chroma key and shadow popups floating over
// stage, and a panel that shows a chosen one embedded. Every signal the
// popups emit is written to log.
QWidget* createSliderPopupDemos(QWidget* stage, const GalleryLog& log);
// Writes every signal of popup to log.
void logSliderPopupSignals(CommonSliderColorPopup* popup, const GalleryLog& log);
