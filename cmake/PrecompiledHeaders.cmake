# Precompiled headers: the standard library, Qt and GoogleTest headers most files
# include, compiled once per layer instead of once per file. Each layer's set
# holds only the Qt modules that layer links, so a precompiled header never lets
# a file use a module its library does not link (the preview's set has no
# widgets). The libraries of one layer, and the tests of one layer, share one
# precompiled header (REUSE_FROM): their compile options are the same.
#
# Only headers outside the project are precompiled: a change to one of ours
# rebuilds just the files that include it. The compile commands CMake exports
# name the precompiled header; scripts/tidy.sh drops it, so clang-tidy checks
# every file with its own includes.
option(ZEF_PCH "Precompile the common standard library, Qt and GoogleTest headers" ON)

set(ZEF_PCH_CORE
    <algorithm> <array> <cmath> <cstdint> <functional> <limits> <memory> <optional>
    <string> <utility> <vector>
    <QByteArray> <QDir> <QFile> <QFileInfo> <QHash> <QList> <QObject> <QPoint> <QPointF>
    <QRect> <QRectF> <QSize> <QString> <QStringList> <QTextStream>)
set(ZEF_PCH_GUI ${ZEF_PCH_CORE}
    <QColor> <QFont> <QFontMetricsF> <QImage> <QPainter> <QPainterPath> <QRegion>)
set(ZEF_PCH_WIDGETS ${ZEF_PCH_GUI}
    <QAction> <QApplication> <QCheckBox> <QComboBox> <QDialog> <QKeyEvent> <QLabel>
    <QLineEdit> <QMenu> <QMouseEvent> <QPushButton> <QSettings> <QStyle> <QTimer> <QWidget>)
set(ZEF_PCH_TEST <gtest/gtest.h> <gmock/gmock.h> <QTemporaryDir>)

# zef_precompile(<target> <CORE|GUI|WIDGETS> [TEST]) gives <target> the
# precompiled header of its layer (with GoogleTest for a test); the first target
# of a layer builds it, the others reuse it.
function(zef_precompile target layer)
    if(NOT ZEF_PCH)
        return()
    endif()
    set(kind ${layer})
    set(headers ${ZEF_PCH_${layer}})
    if("TEST" IN_LIST ARGN)
        set(kind ${layer}_TEST)
        list(APPEND headers ${ZEF_PCH_TEST})
    endif()
    get_property(owner GLOBAL PROPERTY ZEF_PCH_OWNER_${kind})
    if(owner)
        target_precompile_headers(${target} REUSE_FROM ${owner})
    else()
        target_precompile_headers(${target} PRIVATE ${headers})
        set_property(GLOBAL PROPERTY ZEF_PCH_OWNER_${kind} ${target})
    endif()
endfunction()
