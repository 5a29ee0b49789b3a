#include "AVGLWidget.h"

#include "AVGLContext.h"
#include "AVGLVertexArray.h"
#include "AVRender.h"
#include "AVShaderSource.h"

#include <QDebug>
#include <QOpenGLContext>
#include <QPainter>
#include <QPixmap>

#include <vector>

namespace {

constexpr int32_t kShaderCapacity = 8192;
constexpr int kCheckerSquare = 16;

const AVUniformRequest kFillUniforms[] = {
    {AVUniformSampler, nullptr},
    {AVUniformRenderTransform, nullptr},
    {AVUniformProjectionTransform, nullptr},
};

// The interface's transparency pattern; the engine alone (tools, tests)
// lacks the interface's pictures and paints the same squares itself.
QBrush checkerboardBrush()
{
    QPixmap pattern(":/images/drawing/hollow_back");
    if (!pattern.isNull())
        return QBrush(pattern);
    pattern = QPixmap(2 * kCheckerSquare, 2 * kCheckerSquare);
    pattern.fill(QColor(255, 255, 255));
    QPainter painter(&pattern);
    painter.fillRect(kCheckerSquare, 0, kCheckerSquare, kCheckerSquare, QColor(204, 204, 204));
    painter.fillRect(0, kCheckerSquare, kCheckerSquare, kCheckerSquare, QColor(204, 204, 204));
    return QBrush(pattern);
}

// Unlike the renderer, whose diagnostics go to the trace hook, the preview
// tells why its program failed on the debug stream: a preview that stays
// empty is otherwise unexplained.
void printToDebugStream(const char* line)
{
    qDebug().noquote() << line;
}

// The engine's GL helpers draw through avCurrentGLFunctions: while the
// widget's context is current on the GUI thread, they use its functions.
class WidgetFunctionsScope {
public:
    explicit WidgetFunctionsScope(QOpenGLFunctions_3_2_Core* functions)
        : _previous(avCurrentGLFunctions.exchange(functions))
    {
    }
    ~WidgetFunctionsScope() { avCurrentGLFunctions = _previous; }
    WidgetFunctionsScope(const WidgetFunctionsScope&) = delete;
    WidgetFunctionsScope& operator=(const WidgetFunctionsScope&) = delete;

private:
    QOpenGLFunctions_3_2_Core* _previous;
};

} // namespace

AVGLWidget::AVGLWidget(QWidget* parent) : QOpenGLWidget(parent), _checkerboard(checkerboardBrush())
{
    setFormat(avGLEngineFormat());
}

AVGLWidget::~AVGLWidget()
{
    disconnect(_contextRelease);
    if (!context())
        return;
    makeCurrent();
    _releaseGL();
    doneCurrent();
}

void AVGLWidget::setRender(AVRender* render)
{
    onFrameSwapped();
    _render = render;
}

void AVGLWidget::setBackgroundColor(const QColor& color)
{
    _backgroundColor = color;
    update();
}

void AVGLWidget::connectSignals()
{
    connect(this, &QOpenGLWidget::aboutToCompose, this, &AVGLWidget::onAboutToCompose);
    connect(this, &QOpenGLWidget::frameSwapped, this, &AVGLWidget::onFrameSwapped);
}

bool AVGLWidget::_rendering() const
{
    return _render && _render->renderer();
}

void AVGLWidget::onAboutToCompose()
{
    // The renderer may come between the two signals: only a lock taken is released.
    _composeLock = _rendering() ? _render : nullptr;
    if (_composeLock)
        _composeLock->lockComposition();
}

void AVGLWidget::onFrameSwapped()
{
    if (_composeLock)
        _composeLock->unlockComposition();
    _composeLock = nullptr;
}

void AVGLWidget::initializeGL()
{
    // The engine's offscreen contexts share the composition's texture with this one.
    avGLSetShareContext(context());
    // A context that goes (the widget moves to another window) takes its objects along.
    disconnect(_contextRelease);
    _contextRelease = connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, [this] {
        makeCurrent();
        _releaseGL();
        doneCurrent();
    });
    if (!initializeOpenGLFunctions() || !_loadFillProgram())
        qDebug() << "initializeGL failed";
}

bool AVGLWidget::_loadFillProgram()
{
    WidgetFunctionsScope scope(this);
    _releaseGL();
    std::vector<char> vertex(kShaderCapacity), fragment(kShaderCapacity);
    if (avLoadShaderSource(nullptr, "vertex.glsl", vertex.data(), kShaderCapacity) > 0
        && avLoadShaderSource(nullptr, "fragment_fill.glsl", fragment.data(), kShaderCapacity) > 0) {
        _fillProgram.program = avBuildProgram(vertex.data(), fragment.data(), kFillUniforms,
                                               std::size(kFillUniforms), _fillProgram.locations, true,
                                               printToDebugStream);
    }
    if (_fillProgram.program == 0)
        qDebug() << "load fill program failed.";
    return _fillProgram.program != 0;
}

void AVGLWidget::_releaseGL()
{
    if (!isValid())
        return;
    WidgetFunctionsScope scope(this);
    if (_fillProgram.program != 0)
        glDeleteProgram(_fillProgram.program);
    _fillProgram.program = 0;
    avDeleteVertexArray(&_site.vertexArray, &_site.positionBuffer, &_site.texCoordBuffer);
}

void AVGLWidget::resizeGL(int w, int h)
{
    qDebug() << "AVGLWidget::resizeGL w=" << w << " h=" << h;
    if (!_render)
        return;
    const qreal ratio = devicePixelRatioF();
    _render->setViewportSize(int(w * ratio), int(h * ratio));
    _render->addTickets(1);
}

QImage AVGLWidget::grabWholePicture()
{
    // The grab paints anew; a paint it does not run draws no picture.
    _paintedWholePicture = false;
    const QImage image = grabFramebuffer();
    return _paintedWholePicture ? image : QImage();
}

void AVGLWidget::paintGL()
{
    _paintedWholePicture = false;
    QPainter painter(this);
    painter.fillRect(rect(), _backgroundColor.alpha() != 0 ? QBrush(_backgroundColor) : _checkerboard);
    painter.beginNativePainting();
    if (_rendering())
        _drawComposition();
    painter.endNativePainting();
}

void AVGLWidget::_drawComposition()
{
    _render->lockComposition();
    const AVSize viewport = _render->viewportSize();
    if (const uint32_t texture = _render->compositionTexture(this)) {
        glBindFramebuffer(GL_FRAMEBUFFER, defaultFramebufferObject());
        WidgetFunctionsScope scope(this);
        avDrawUprightFill(_fillProgram, &_site, texture, int(viewport.width), int(viewport.height));
        _paintedWholePicture = _render->isCompositionWhole();
    }
    glFlush();
    _render->unlockComposition();
    _render->setFramePresented(1);
}
