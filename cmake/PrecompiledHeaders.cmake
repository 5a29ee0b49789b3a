# Precompiled headers. Most of a source's compile time goes into the Qt,
# GoogleTest and standard headers, which are the same for every source of a
# target: each target with many sources parses its layer's list once. The
# libraries, the executables and the sanitizer builds compile with different
# flags and definitions, and a precompiled header only serves compiles with
# the flags it was made with, so every target makes its own.
set(VIDORNA_PCH_CORE
  <algorithm> <atomic> <cmath> <cstdint> <functional> <memory> <string> <vector>
  <QByteArray> <QDebug> <QDir> <QFile> <QFileInfo> <QList> <QMutex> <QObject>
  <QPointer> <QString> <QStringList> <QTimer> <QVariant>)
set(VIDORNA_PCH_GUI ${VIDORNA_PCH_CORE} <QColor> <QImage> <QPainter> <QPixmap>)
set(VIDORNA_PCH_ENGINE ${VIDORNA_PCH_GUI} <QMutexLocker> <QOpenGLFunctions_3_2_Core> <QWaitCondition>)
set(VIDORNA_PCH_WIDGETS ${VIDORNA_PCH_GUI}
  <QApplication> <QHBoxLayout> <QLabel> <QMenu> <QMouseEvent> <QPushButton>
  <QScrollBar> <QVBoxLayout> <QWidget>)
set(VIDORNA_PCH_TESTS ${VIDORNA_PCH_WIDGETS}
  <gtest/gtest.h> <QElapsedTimer> <QSignalSpy> <QTemporaryDir> <QTest>)

# The headers of LAYER (CORE, GUI, ENGINE, WIDGETS or TESTS) precompiled for TARGET.
function(vidorna_precompile_headers target layer)
  target_precompile_headers(${target} PRIVATE ${VIDORNA_PCH_${layer}})
endfunction()
