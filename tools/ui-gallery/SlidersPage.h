#pragma once

#include <QString>
#include <QWidget>

class QPlainTextEdit;
class QVBoxLayout;

// The page of the colour and slider popups: titled sections stacked in a
// scroll area above a live log of every signal the popups send. Each family
// of popups adds its sections through addSection and reports through log.
class SlidersPage : public QWidget
{
public:
    SlidersPage();

    // Appends a section with a title line above content (the page takes it).
    void addSection(const QString& title, QWidget* content);
    // Appends one line to the signal log, newest last.
    void log(const QString& line);

private:
    QVBoxLayout* _sections;
    QPlainTextEdit* _log;
};

// A still picture standing for the preview, for the eyedroppers to read.
QImage samplePreviewPicture();

void addColorMatrixSections(SlidersPage* page);
void addSliderPopupSections(SlidersPage* page);
