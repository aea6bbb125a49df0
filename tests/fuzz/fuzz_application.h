// The Qt application that the fuzz targets decoding pictures need (fonts,
// image plug-ins): made once, on the offscreen platform unless another is set.
#pragma once

#include <QByteArray>
#include <QGuiApplication>

namespace fuzzapp {

// Makes the application on the first call; `name` is its argv[0].
inline void Ensure(const char* name)
{
    static QGuiApplication* app = [name] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static QByteArray program(name);
        static int argc = 1;
        static char* argv[] = {program.data(), nullptr};
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
}

} // namespace fuzzapp
