// A text segment's text edited in place over the preview: where the editor
// goes, the look it takes from the segment, pastes brought into that look,
// and the entries that open it (the inspector, the window's actions, a new
// text segment; the last two open a drawing's canvas too). A picture
// segment's picture is replaced from here as well.
#include "MainWindow.h"

#include "DrawingSegment.h"
#include "Segment.h"
#include "TextEditWidget.h"
#include "TextSegment.h"
#include "TrackWidget.h"
#include "TransformWidget.h"

#include <QColor>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {

const QString kImage = QStringLiteral("IMAGE");

// Black text would vanish on the usual black field, so it is edited on light grey.
const char* const kLightFieldStyle = "QTextEdit{ background-color: rgb(230,230,230); color:%1; border: none; }";
const char* const kDarkFieldStyle = "QTextEdit{ background-color: black; color:%1; border:none; }";
const char* const kContextMenuStyle =
    "QMenu { background-color: rgba(64,64,64,230); color: white; padding: 10px; border-radius: 10px; }"
    "QMenu::item { padding: 8px 20px 8px 20px; }"
    "QMenu::item:selected { background-color: rgb(44,46,50); }"
    "QMenu::item:disabled { color: rgb(96,96,96); }"
    "QMenu::separator { height: 1px; background-color: rgb(44,46,50); }";

// The box's top stays this far inside the host when the text sits at its top edge.
constexpr double kTopInset = 3.0;

Qt::Alignment editorAlignment(int alignment)
{
    if (alignment == 0)
        return Qt::AlignLeft;
    if (alignment == 2)
        return Qt::AlignRight;
    return Qt::AlignHCenter;
}

QString editorStyleSheet(QRgb color)
{
    const bool opaqueBlack = qAlpha(color) == 255 && qRed(color) == 0 && qGreen(color) == 0 && qBlue(color) == 0;
    const QString field = QString::fromLatin1(opaqueBlack ? kLightFieldStyle : kDarkFieldStyle);
    return field.arg(QColor(color).name()) + QString::fromLatin1(kContextMenuStyle);
}

} // namespace

// --- Entries -----------------------------------------------------------------------

void MainWindow::onActionEditTextTriggered()
{
    _editTextOrDrawing();
}

void MainWindow::onActionEditDrawingTriggered()
{
    _editTextOrDrawing();
}

void MainWindow::_editTextOrDrawing()
{
    if (_transformWidget)
        _beginTextOrDrawingEditing(_transformWidget->segment);
}

void MainWindow::_beginTextOrDrawingEditing(Segment* segment)
{
    if (auto* text = dynamic_cast<TextSegment*>(segment))
        _beginTextEditing(text);
    else if (auto* drawing = dynamic_cast<DrawingSegment*>(segment))
        _beginDrawingEditing(drawing);
}

void MainWindow::_segmentEditingEditText()
{
    _beginTextEditing(dynamic_cast<TextSegment*>(_editingSegment()));
}

void MainWindow::_segmentEditingChangeImage()
{
    Segment* segment = _editingSegment();
    if (!segment || segment->type() != kImage)
        return;
    // Without an insertion track the chosen picture replaces the edited one.
    _insertionTrack = nullptr;
    _addMediaFiles(MediaInsertPicture);
}

// --- The inline editor -------------------------------------------------------------

void MainWindow::_beginTextEditing(TextSegment* segment)
{
    QWidget* host = _overlayHost();
    if (_textEditor || !segment || !host)
        return;
    auto* editor = new TextEditWidget(host);
    editor->setAcceptRichText(false);
    editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    editor->setGeometry(_textEditorRect(segment));
    editor->document()->setIndentWidth(0);
    editor->setPlainText(segment->text());
    _textEditor = editor;
    _applyTextStyleToWholeText(editor, segment);
    if (!editor->toPlainText().isEmpty())
        editor->moveCursor(QTextCursor::End);
    editor->show();
    editor->document()->clearUndoRedoStacks();
    editor->setFocus(Qt::OtherFocusReason);
    connect(editor, &QTextEdit::textChanged, this, &MainWindow::_textEditor_onTextChanged);
    _prepareForEditing();
    _enterEditingMode(true);
}

QRect MainWindow::_textEditorRect(const TextSegment* segment) const
{
    QWidget* host = _overlayHost();
    if (_transformWidget && _transformWidget->isVisible()) {
        const QRect content = _transformWidget->contentRect();
        return QRect(_transformWidget->mapTo(host, content.topLeft()), content.size());
    }
    const QSizeF preview = _overlayPreviewSize();
    const LayerTransform placement = segment->layerTransform(preview);
    const QSizeF box = segment->baseBox(preview).size();
    const double width = box.width() * double(placement.scaleX);
    const double height = box.height() * double(placement.scaleY);
    QPointF centre = _previewPointInHost(placement.center);
    if (centre.y() < height / 2.0)
        centre.setY(height / 2.0 + kTopInset);
    return QRect(int(centre.x() - width / 2.0), int(centre.y() - height / 2.0), int(width), int(height));
}

void MainWindow::_layoutTextEditor()
{
    const auto* segment = dynamic_cast<const TextSegment*>(_editingSegment());
    if (!_textEditor || !segment || !_overlayHost())
        return;
    _textEditor->setGeometry(_textEditorRect(segment));
    _applyTextStyleToWholeText(_textEditor, segment);
}

void MainWindow::_applyTextEditStyle(TextEditWidget* editor, const TextSegment* segment)
{
    if (!editor || !segment)
        return;
    editor->setAlignment(editorAlignment(segment->alignment()));
    const QSizeF composition = _compositionSize();
    const double previewWidth = _overlayPreviewSize().width();
    QFont font = segment->font();
    const double pixels = double(segment->fontSize(composition)) * previewWidth / composition.width();
    font.setPixelSize(std::max(1, int(pixels)));
    editor->setCurrentFont(font);
    editor->setStyleSheet(editorStyleSheet(segment->color()));
}

void MainWindow::_applyTextStyleToWholeText(TextEditWidget* editor, const TextSegment* segment)
{
    if (!editor || !segment)
        return;
    if (editor->toPlainText().isEmpty()) {
        _applyTextEditStyle(editor, segment);
        return;
    }
    const QTextCursor remembered = editor->textCursor();
    editor->selectAll();
    _applyTextEditStyle(editor, segment);
    editor->setTextCursor(remembered);
}

void MainWindow::_textEditor_onTextChanged()
{
    if (!_textEditor || !_textEditor->isPasted() || _textEditor->toPlainText().isEmpty())
        return;
    _textEditor->setPasted(false);
    _applyTextStyleToWholeText(_textEditor, dynamic_cast<TextSegment*>(_editingSegment()));
}
