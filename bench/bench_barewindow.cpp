// A bare Qt window started the same way as the program: the yardstick for its start-up.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(775, 510);
    window.show();
    QTimer::singleShot(0, [] { qInfo("start-up complete"); });
    return QApplication::exec();
}
