// The yardsticks of the process benchmarks: plain Qt windows with as many
// widgets as the lesson creates at start, and nothing else.
//
//   bare_window WIDGETS
//       one window with a menu bar and labels up to WIDGETS widgets in all
//   bare_window WIDGETS EDITS LISTS FRAMES WINDOWS
//       the lesson's kinds of widget: that many empty text fields, lists and
//       frames, WINDOWS main windows with a menu bar (the first shown), and
//       labels up to WIDGETS in all
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QTextEdit>

#include <memory>
#include <vector>

namespace {

int number(int argc, char *argv[], int index)
{
    return argc > index ? std::max(0, QString::fromLocal8Bit(argv[index]).toInt()) : 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int widgets = std::max(1, number(argc, argv, 1));
    const int edits = number(argc, argv, 2);
    const int lists = number(argc, argv, 3);
    const int frames = number(argc, argv, 4);
    const int windowCount = std::max(1, number(argc, argv, 5));

    std::vector<std::unique_ptr<QMainWindow>> windows;
    std::vector<QWidget *> inners;
    for (int w = 0; w < windowCount; ++w) {
        auto window = std::make_unique<QMainWindow>();
        window->setWindowTitle(QStringLiteral("Тезомат - образец"));
        window->menuBar()->addAction(QStringLiteral("Изход"));
        auto *inner = new QWidget(window.get());
        window->setCentralWidget(inner);
        inners.push_back(inner);
        windows.push_back(std::move(window));
    }
    int placed = 0;
    const auto place = [&](QWidget *widget) {
        widget->setGeometry(10 + (placed % 8) * 100, 10 + (placed / 8) * 40, 90, 34);
        ++placed;
    };
    for (int i = 0; i < edits; ++i)
        place(new QTextEdit(inners[std::size_t(i % windowCount)]));
    for (int i = 0; i < lists; ++i)
        place(new QListWidget(inners[std::size_t(i % windowCount)]));
    for (int i = 0; i < frames; ++i)
        place(new QFrame(inners[std::size_t(i % windowCount)]));
    // Labels make up the rest; everything created so far counts, the
    // windows' own parts included.
    for (int i = int(QApplication::allWidgets().size()); i < widgets; ++i)
        place(new QLabel(QStringLiteral("Поле %1").arg(i), inners.front()));
    windows.front()->resize(847, 560);
    windows.front()->show();
    return QApplication::exec();
}
