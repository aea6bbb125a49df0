// Vistamo! entry point.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vistamo!"));
    QMainWindow w;
    w.setWindowTitle(QStringLiteral("Vistamo!"));
    w.show();
    return app.exec();
}
