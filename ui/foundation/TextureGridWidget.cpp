#include "TextureGridWidget.h"

#include "UiMetrics.h"
#include "Util.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr int kChoiceDelayMs = 200;
constexpr int kCustomButtonHeight = 30;

// Draws picture into a transparent pixmap of size, smooth and antialiased.
QPixmap redrawn(const QPixmap& picture, const QSize& size, const QRectF& source)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRectF(QPointF(0, 0), QSizeF(size)), picture, source);
    return pixmap;
}

} // namespace

TextureGridWidget::TextureGridWidget(const QStringList& images, QWidget* parent) : QWidget(parent)
{
    setObjectName("TextureGridWidget");
    auto* layout = new QVBoxLayout(this);
    layout->setObjectName("verticalLayout");
    _scrollArea = new QScrollArea(this);
    _scrollArea->setObjectName("scrollArea");
    _scrollArea->setWidgetResizable(true);
    _scrollArea->setStyleSheet("background-color: transparent; border: none;");
    _scrollAreaWidgetContents = new QWidget;
    _scrollAreaWidgetContents->setObjectName("scrollAreaWidgetContents");
    _scrollAreaWidgetContents->setGeometry(0, 0, 374, 230);
    _scrollAreaWidgetContents->setStyleSheet(QString());
    _scrollArea->setWidget(_scrollAreaWidgetContents);
    layout->addWidget(_scrollArea);
    auto* customButton = new QPushButton(tr("Custom Picture..."), this);
    customButton->setObjectName("customButton");
    customButton->setFixedHeight(kCustomButtonHeight);
    customButton->setFlat(true);
    customButton->setStyleSheet("QPushButton { background-color: transparent; color: white;"
                                " border: 1px solid white; border-radius: 5px; }"
                                "QPushButton:pressed { background-color: rgb(31,32,35); }");
    layout->addWidget(customButton);
    connect(customButton, &QPushButton::clicked, this, &TextureGridWidget::onCustomButtonClicked);
    for (int i = 0; i < images.size(); ++i)
        _addGridButton(images[i], i + 1);
}

void TextureGridWidget::_addGridButton(const QString& image, int tag)
{
    const int side = UiMetrics::metric65();
    auto* button = new QPushButton(_scrollAreaWidgetContents);
    button->setFlat(true);
    button->setIconSize(QSize(side, side));
    button->setGeometry(0, 0, side, side);
    const QPixmap picture(image);
    if (!picture.isNull()) {
        // The middle square of the picture, drawn sharp on high-density screens.
        const QRectF square = Util::aspectFitRect(side, side, QRectF(picture.rect()));
        const int pixels = int(std::lround(side * devicePixelRatioF()));
        QPixmap icon = redrawn(picture, QSize(pixels, pixels), square);
        icon.setDevicePixelRatio(devicePixelRatioF());
        button->setIcon(icon);
    }
    button->setProperty("tag", tag);
    button->setProperty("img", image);
    connect(button, &QPushButton::clicked, this, &TextureGridWidget::onGridButtonClicked);
    _gridButtons.append(button);
}

void TextureGridWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    _layoutGrid();
}

void TextureGridWidget::_layoutGrid()
{
    const int available = _scrollArea->width();
    int x = 0;
    int y = 0;
    for (QPushButton* button : _gridButtons) {
        if (x + button->width() > available) {
            y += button->height();
            x = 0;
        }
        button->move(x, y);
        x += button->width();
    }
    if (!_gridButtons.isEmpty())
        _scrollAreaWidgetContents->setFixedHeight(_gridButtons.last()->geometry().bottom());
}

void TextureGridWidget::onGridButtonClicked()
{
    const QString image = sender()->property("img").toString();
    // With the grid as context: a grid destroyed meanwhile reports nothing.
    QTimer::singleShot(kChoiceDelayMs, this, [this, image] { emit textureGridWidgetPatternDidSelect(this, image); });
}

void TextureGridWidget::onCustomButtonClicked()
{
    // The dialog has no parent, so the grid may go while it runs.
    const QPointer<TextureGridWidget> alive(this);
    const QString path = Util::choosePictureFile(tr("Open a Picture"));
    if (!alive || path.isEmpty())
        return;
    const QPixmap picture(path);
    QTimer::singleShot(kChoiceDelayMs, this, [this, picture] { saveCustomPattern(picture); });
}

QString TextureGridWidget::customPatternPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QDir::separator()
           + "texturePattern.png";
}

void TextureGridWidget::saveCustomPattern(const QPixmap& picture)
{
    QSize canvas;
    emit textureGridWidgetGetCanvasSize(this, &canvas);
    QPixmap pattern = picture;
    // Nobody answered: the picture stays as it is.
    if (canvas.isValid() && !canvas.isEmpty()) {
        const QRectF fit = Util::aspectFitRect(picture.width(), picture.height(),
                                               QRectF(0, 0, canvas.width(), canvas.height()));
        const QSize fitted(int(std::lround(fit.width())), int(std::lround(fit.height())));
        if (picture.width() > fitted.width() || picture.height() > fitted.height())
            pattern = redrawn(picture, fitted, QRectF(picture.rect()));
    }
    const QString path = customPatternPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    // A failed save must not send the drawing to an older pattern file.
    if (picture.isNull() || !pattern.save(path, "PNG")) {
        qDebug() << "Save texture pattern image failed";
        return;
    }
    emit textureGridWidgetPatternDidSelect(this, path);
}
