# Qt's headers are most of each source file's compile time: each tree parses them once, in the
# library at the bottom of each layer, and the libraries above reuse that.
target_precompile_headers(velmor_device PRIVATE
    <QByteArray> <QFile> <QObject> <QString> <QStringList>
    <functional> <memory> <optional> <vector>)
target_precompile_headers(velmor_ui PRIVATE
    <QWidget> <QPainter> <QImage> <QPixmap> <QTimer> <QPushButton> <QScrollBar> <QLabel>
    <QLineEdit> <QMessageBox> <QInputDialog>
    <QByteArray> <QString> <QStringList> <algorithm> <functional> <memory> <optional> <vector>)
foreach(target velmor_manual velmor_graph velmor_results velmor_results_cli velmor-results
               velmor_unattended velmor_app velmor-test)
    target_precompile_headers(${target} REUSE_FROM velmor_ui)
endforeach()
if(TARGET velmor_sim)
    target_precompile_headers(velmor_sim REUSE_FROM velmor_device)
    target_precompile_headers(velmor-unit-sim REUSE_FROM velmor_device)
endif()
