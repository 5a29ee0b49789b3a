// Done of the edit modes on the preview: whichever edit is open is applied.
#include "MainWindow.h"

void MainWindow::_endAllEditing()
{
    // At most one edit is open at a time; the first found is the one.
    if (_isTextEditing())
        _endTextEditing(true);
    else if (_isDrawingEditing())
        _endDrawingEditing(true);
    else if (_isCropEditing())
        _endCropEditing(true);
}
