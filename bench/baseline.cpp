// The floors the start-up benchmark compares against: what Qt Widgets alone
// costs to put one main window of a given size on screen.
//
//     ToevaneBaseline WIDTH HEIGHT [text]
//
// With "text" the window also gets a menu bar with one menu and a line of
// text, so that fonts are loaded and text is laid out as in any window that
// shows words: the floor the program is judged against. Without it the
// window is empty; the benchmark reports that ratio for information.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const int width = arguments.value(1, QStringLiteral("484")).toInt();
    const int height = arguments.value(2, QStringLiteral("414")).toInt();
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Toevane baseline"));
    if (arguments.value(3) == QLatin1String("text")) {
        window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
        window.setCentralWidget(
            new QLabel(QStringLiteral("The quick brown fox jumps over the lazy dog.")));
    }
    window.setFixedSize(width > 0 ? width : 484, height > 0 ? height : 414);
    window.show();
    return app.exec();
}
