// GoogleTest main for suites that need a QApplication. Runs headless unless told otherwise,
// and does not create the application when ctest only lists the tests at build time. Each test
// process (and every program it starts) gets data, config and cache folders of its own, so no
// test reads or leaves records, journals or settings in the user's real folders.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--gtest_list_tests") == 0)
            return RUN_ALL_TESTS();

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtimeDir; // a private 0700 folder keeps Qt from warning about XDG_RUNTIME_DIR
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeDir.isValid()) {
        QFile::setPermissions(runtimeDir.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
    }
    QTemporaryDir home;
    for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
        if (qEnvironmentVariableIsEmpty(name) && home.isValid()) {
            const QString folder = home.filePath(QString::fromLatin1(name));
            QDir().mkpath(folder);
            qputenv(name, QFile::encodeName(folder));
        }
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
