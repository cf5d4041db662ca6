// The peer of the start-up measurement: a bare Qt 6 main window of a given size with five menus
// and 150 widgets, nothing read from disk. Quits after its first paint like skemora does when
// SKEMORA_QUIT_AFTER_FIRST_PAINT is set.
// Usage: bare_window WIDTH HEIGHT
#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>
#include <cstdlib>

#include "gui/window/first_paint.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const int width = argc > 2 ? std::atoi(argv[1]) : 800;
    const int height = argc > 2 ? std::atoi(argv[2]) : 600;

    QMainWindow window;
    window.setWindowTitle("Bare window");
    for (const char* title : {"&File", "&Edit", "&Time-table", "&Options", "&Help"}) {
        QMenu* menu = window.menuBar()->addMenu(title);
        for (int i = 1; i <= 6; ++i) menu->addAction(QString("Item %1").arg(i));
    }
    // 150 widgets: 60 lesson buttons, 53 week labels, 31 day labels, 5 panels and a text box.
    auto* central = new QWidget;
    auto* grid = new QGridLayout(central);
    int widgets = 0;
    for (int row = 0; row < 12; ++row) {
        for (int day = 0; day < 5; ++day, ++widgets)
            grid->addWidget(new QPushButton(QString("Lesson %1").arg(row + 1)), row, day);
    }
    for (int week = 0; week < 53; ++week, ++widgets)
        grid->addWidget(new QLabel(QString::number(week + 1)), 12 + week / 10, 5 + week % 10);
    for (int day = 0; day < 31; ++day, ++widgets)
        grid->addWidget(new QLabel(QString::number(day + 1)), day / 7, 5 + day % 7);
    for (int panel = 0; panel < 5; ++panel, ++widgets) {
        auto* frame = new QFrame;
        frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
        grid->addWidget(frame, 18, panel);
    }
    grid->addWidget(new QPlainTextEdit("Notes"), 19, 0, 1, 5);
    ++widgets;
    Q_ASSERT(widgets == 150);
    window.setCentralWidget(central);
    window.resize(width, height);
    skemora::QuitAfterFirstPaintWhenAsked(&window);
    window.show();
    return QApplication::exec();
}
