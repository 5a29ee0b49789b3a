// The gallery page of the colour and slider popups.
#include "SlidersPage.h"

#include "GalleryPages.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

constexpr int kLogHeight = 140;
constexpr int kLogLines = 500;

} // namespace

SlidersPage::SlidersPage()
{
    auto* layout = new QVBoxLayout(this);
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* body = new QWidget;
    body->setObjectName("sections");
    body->setStyleSheet("QWidget#sections { background-color: rgb(31,32,35); }");
    _sections = new QVBoxLayout(body);
    _sections->addStretch(1);
    scroll->setWidget(body);
    layout->addWidget(scroll, 1);

    layout->addWidget(new QLabel("Signals"));
    _log = new QPlainTextEdit;
    _log->setObjectName("signalLog");
    _log->setReadOnly(true);
    _log->setMaximumBlockCount(kLogLines);
    _log->setFixedHeight(kLogHeight);
    _log->setStyleSheet("background-color: rgb(7,8,10); color: rgb(200,200,200);");
    layout->addWidget(_log);
}

void SlidersPage::addSection(const QString& title, QWidget* content)
{
    // Before the closing stretch, so sections stay packed at the top.
    const int at = _sections->count() - 1;
    auto* heading = new QLabel(title);
    heading->setStyleSheet("color: rgb(54,200,255); font-weight: bold;");
    _sections->insertWidget(at, heading);
    _sections->insertWidget(at + 1, content);
}

void SlidersPage::log(const QString& line)
{
    _log->appendPlainText(line);
    _log->verticalScrollBar()->setValue(_log->verticalScrollBar()->maximum());
}

namespace {

QImage drawPreviewPicture()
{
    QImage picture(480, 270, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&picture);
    QLinearGradient sky(0, 0, 0, 270);
    sky.setColorAt(0, QColor(40, 90, 200));
    sky.setColorAt(1, QColor(250, 200, 120));
    painter.fillRect(picture.rect(), sky);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 220, 40));
    painter.drawEllipse(QPointF(370, 70), 40, 40);
    painter.setBrush(QColor(30, 120, 50));
    painter.drawPolygon(QPolygonF(QVector<QPointF>{{0, 270}, {0, 190}, {120, 140}, {260, 200}, {480, 160},
                                                   {480, 270}}));
    painter.setBrush(QColor(200, 30, 60));
    painter.drawRect(60, 200, 70, 50);
    return picture;
}

} // namespace

QImage samplePreviewPicture()
{
    // Drawn once: the stages paint it on every repaint.
    static const QImage picture = drawPreviewPicture();
    return picture;
}

QWidget* createSlidersPage()
{
    auto* page = new SlidersPage;
    addColorMatrixSections(page);
    addSliderPopupSections(page);
    return page;
}
