// The yardstick of the process benchmarks: a plain Qt window with a menu bar
// and as many widgets as the lesson creates at start, and nothing else.
//
//   bare_window WIDGETS
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int widgets = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 60;
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Тезомат - образец"));
    window.menuBar()->addAction(QStringLiteral("Изход"));
    auto *inner = new QWidget(&window);
    window.setCentralWidget(inner);
    // The window, its menu bar and central widget count too.
    const int counted = int(QApplication::allWidgets().size());
    for (int i = counted; i < widgets; ++i) {
        auto *label = new QLabel(QStringLiteral("Поле %1").arg(i), inner);
        label->setGeometry(10 + (i % 8) * 100, 10 + (i / 8) * 30, 90, 24);
    }
    window.resize(847, 560);
    window.show();
    return QApplication::exec();
}
