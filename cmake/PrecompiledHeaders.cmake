# Qt's headers are most of each source file's compile time: each tree parses them once per kind of
# library (Qt Core only; Qt Gui without widgets; widgets), in the lowest library of that kind, and
# the libraries above reuse that. A precompiled header is only reused by targets built with the
# same Qt modules' definitions, so the widget one serves the windows alone.
target_precompile_headers(velmor_device PRIVATE
    <QByteArray> <QFile> <QObject> <QString> <QStringList>
    <functional> <memory> <optional> <vector>)
target_precompile_headers(velmor_run REUSE_FROM velmor_device)
target_precompile_headers(velmor_platform PRIVATE
    <QByteArray> <QCoreApplication> <QDateTime> <QFile> <QImage> <QObject> <QPainter> <QString>
    <QStringList> <algorithm> <functional> <memory> <optional> <vector>)
foreach(target velmor_sweep velmor_plan velmor_report velmor_results velmor_results_cli velmor-results
               velmor_runs velmor_unattended velmor_web)
    target_precompile_headers(${target} REUSE_FROM velmor_platform)
endforeach()
target_precompile_headers(velmor_ui PRIVATE
    <QWidget> <QPainter> <QImage> <QPixmap> <QTimer> <QPushButton> <QScrollBar> <QLabel>
    <QLineEdit> <QMessageBox> <QInputDialog>
    <QByteArray> <QString> <QStringList> <algorithm> <functional> <memory> <optional> <vector>)
foreach(target velmor_manual velmor_graph velmor_station velmor_app velmor-test)
    target_precompile_headers(${target} REUSE_FROM velmor_ui)
endforeach()
if(TARGET velmor_sim)
    target_precompile_headers(velmor_sim REUSE_FROM velmor_device)
    target_precompile_headers(velmor-unit-sim REUSE_FROM velmor_device)
endif()

# Each class's moc output is included by its own source file (so a unit compiles it with the rest),
# which leaves a target's mocs_compilation.cpp empty: it need not load a precompiled header, about
# 0.6 s of a compiler's time each.
foreach(target velmor_device velmor_run velmor_platform velmor_sweep velmor_plan velmor_report
               velmor_results velmor_results_cli velmor-results velmor_runs velmor_unattended
               velmor_web velmor_ui velmor_manual velmor_graph velmor_station velmor_app velmor-test
               velmor_sim velmor-unit-sim)
    if(TARGET ${target})
        get_target_property(binary_dir ${target} BINARY_DIR)
        set_source_files_properties(${binary_dir}/${target}_autogen/mocs_compilation.cpp
            TARGET_DIRECTORY ${target} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
    endif()
endforeach()
