# Qt's headers are most of each source file's compile time: each tree parses them once per kind of
# library (Qt Core only; Qt Gui without widgets; widgets), in the lowest library of that kind, and
# the libraries above reuse that. A precompiled header is only reused by targets built with the
# same Qt modules' definitions, so the widget one serves the windows alone.
#
# Each class's moc output is included by its own source file (so a unit compiles it with the rest),
# which leaves a target's mocs_compilation.cpp empty: it need not load a precompiled header, about
# 0.6 s of a compiler's time each.

# velmor_precompiled(OWNER [REUSED_BY target...] [HEADERS header...]): OWNER's precompiled header,
# of HEADERS, reused by the targets that exist of REUSED_BY.
function(velmor_precompiled owner)
    cmake_parse_arguments(ARG "" "" "REUSED_BY;HEADERS" ${ARGN})
    target_precompile_headers(${owner} PRIVATE ${ARG_HEADERS})
    set(users ${owner})
    foreach(target ${ARG_REUSED_BY})
        if(TARGET ${target})
            target_precompile_headers(${target} REUSE_FROM ${owner})
            list(APPEND users ${target})
        endif()
    endforeach()
    foreach(target ${users})
        get_target_property(binary_dir ${target} BINARY_DIR)
        set_source_files_properties(${binary_dir}/${target}_autogen/mocs_compilation.cpp
            TARGET_DIRECTORY ${target} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
    endforeach()
endfunction()

velmor_precompiled(velmor_device
    REUSED_BY velmor_run velmor_sim velmor-unit-sim
    HEADERS <QByteArray> <QFile> <QObject> <QString> <QStringList>
            <functional> <memory> <optional> <vector>)
velmor_precompiled(velmor_platform
    REUSED_BY velmor_sweep velmor_plan velmor_report velmor_results velmor_results_cli
              velmor-results velmor_runs velmor_unattended velmor_web
    HEADERS <QByteArray> <QCoreApplication> <QDateTime> <QFile> <QImage> <QObject> <QPainter>
            <QString> <QStringList> <algorithm> <functional> <memory> <optional> <vector>)
velmor_precompiled(velmor_ui
    REUSED_BY velmor_manual velmor_graph velmor_station velmor_app velmor-test
    HEADERS <QWidget> <QPainter> <QImage> <QPixmap> <QTimer> <QPushButton> <QScrollBar> <QLabel>
            <QLineEdit> <QMessageBox> <QInputDialog>
            <QByteArray> <QString> <QStringList> <algorithm> <functional> <memory> <optional>
            <vector>)
