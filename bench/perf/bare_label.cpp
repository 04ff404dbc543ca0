// The floor for start-up time and memory: the least a Qt Widgets program can
// do to put a window on screen, one label in a window titled "Leer".
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Leer"));
    label.setWindowTitle(QStringLiteral("Leer"));
    label.resize(800, 600);
    label.show();
    return app.exec();
}
