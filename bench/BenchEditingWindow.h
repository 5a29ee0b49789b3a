#pragma once
// The editing window of the benchmarks, laid out as the desktop window lays
// it out (preview over ruler, gutter and timeline), that notes when the
// loader reports every segment loaded.

#include "EditScrollArea.h"
#include "GutterScrollArea.h"
#include "MainWindow.h"
#include "ProjectLoader.h"
#include "RulerScrollArea.h"
#include "RulerWidget.h"
#include "SegmentWidget.h"

#include <QGridLayout>

class BenchEditingWindow : public MainWindow
{
public:
    explicit BenchEditingWindow(const QString& name) : MainWindow(name, QString())
    {
        auto* central = new QWidget(this);
        auto* grid = new QGridLayout(central);
        _previewContainer = new QWidget(central);
        _previewContainer->setFixedSize(640, 360);
        _ruler = new RulerScrollArea(central);
        _ruler->setWidget(new RulerWidget);
        _timeline = new EditScrollArea(central);
        _gutterArea = new GutterScrollArea(central);
        grid->addWidget(_previewContainer, 0, 1);
        grid->addWidget(_ruler, 1, 1);
        grid->addWidget(_gutterArea, 2, 0);
        grid->addWidget(_timeline, 2, 1);
        setCentralWidget(central);
        resize(900, 800);
    }
    using MainWindow::_finishClosing;
    using MainWindow::_openProject;
    using MainWindow::_recordOperation;
    EditScrollArea* timeline() const { return _timeline; }

    bool allLoaded = false;

protected:
    void onProjectLoaderMessage(ProjectLoader* loader, int message, QVariant data) override
    {
        if (message == ProjectLoaderAllLoaded)
            allLoaded = true;
        MainWindow::onProjectLoaderMessage(loader, message, data);
    }
};
