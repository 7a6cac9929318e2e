// The floor the window's start-up and memory are measured against: a bare
// Qt main window of the program's size (its toolbar included, 1030 x 785)
// with a menu bar and a label, and nothing else.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    for (const char* title : {"&File", "&Edit", "&View", "&Image", "&Tools", "&Help"})
        window.menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("Item"));
    window.setCentralWidget(new QLabel(QStringLiteral("floor")));
    window.setWindowTitle(QStringLiteral("floor"));
    window.resize(1030, 785);
    window.show();
    return app.exec();
}
