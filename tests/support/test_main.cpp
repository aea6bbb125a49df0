// Test entry point: builds a private sandbox (HOME, XDG_*), starts the
// application object on the offscreen platform and runs GoogleTest. A child
// started by testsupport::runChild keeps its parent's sandbox and runs its one
// body. The plain-logic tests get a QGuiApplication; the widget tests
// (VISTAMO_TEST_WIDGETS) a QApplication.
#include "support/write_failure.h"

#ifdef VISTAMO_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

int main(int argc, char** argv)
{
    if (testsupport::isChildRun(argc, argv)) {
        TestApplication app(argc, argv);
        return testsupport::runChildBody(argc, argv);
    }
    QTemporaryDir root(QDir::tempPath() + QStringLiteral("/vistamo-test-XXXXXX"));
    const QString base = root.path();
    const auto setDir = [&](const char* name, const QString& sub) {
        const QString path = base + sub;
        QDir().mkpath(path);
        qputenv(name, path.toLocal8Bit());
    };
    setDir("HOME", QStringLiteral("/home"));
    setDir("XDG_DATA_HOME", QStringLiteral("/home/.local/share"));
    setDir("XDG_CONFIG_HOME", QStringLiteral("/home/.config"));
    setDir("XDG_CACHE_HOME", QStringLiteral("/home/.cache"));
    setDir("XDG_STATE_HOME", QStringLiteral("/home/.local/state"));
    setDir("XDG_RUNTIME_DIR", QStringLiteral("/runtime"));
    QFile::setPermissions(base + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("VISTAMO_TEST_SANDBOX", base.toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    ::testing::InitGoogleTest(&argc, argv);
    TestApplication app(argc, argv);
    const int result = RUN_ALL_TESTS();
    // Removed by its bytes: a test leaves file names that are no valid text
    // in the locale, which a removal by QString can't name.
    std::error_code ignored;
    std::filesystem::remove_all(QFile::encodeName(base).toStdString(), ignored);
    return result;
}
