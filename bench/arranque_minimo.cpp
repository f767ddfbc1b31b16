// The yardstick of bench_arranque: a bare Qt main window that ends once it is first painted.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <cstdlib>

namespace {
struct TrasPintar : QObject {
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) QTimer::singleShot(0, [] { std::_Exit(0); });
        return false;
    }
};
}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow ventana;
    TrasPintar trasPintar;
    ventana.installEventFilter(&trasPintar);
    ventana.resize(1100, 720);
    ventana.show();
    return app.exec();
}
