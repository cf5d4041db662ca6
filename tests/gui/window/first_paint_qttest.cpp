// The start-up measurement's hook: with SKEMORA_QUIT_AFTER_FIRST_PAINT set, a window's first paint
// (of the window or any widget in it) prints one "first-paint <ns>" line and ends the event loop
// with status 0; without it, or for another window's paint, the loop runs on.
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>
#include <unistd.h>

#include "gui/window/first_paint.h"
#include "support/temp_folder.h"

using namespace skemora;

namespace {

long long MonotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

constexpr int kStillRunning = 2;  // the status of the loop ended by the test's own timer

}  // namespace

class FirstPaintQtTest : public QObject {
    Q_OBJECT
private slots:
    void firstPaintEndsTheLoop_data() {
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("watchedShown");  // false: only another window is shown
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("printed");
        QTest::newRow("asked") << true << true << 0 << true;
        QTest::newRow("not asked") << false << true << kStillRunning << false;
        QTest::newRow("another window painted") << true << false << kStillRunning << false;
    }

    void firstPaintEndsTheLoop() {
        QFETCH(bool, asked);
        QFETCH(bool, watchedShown);
        QFETCH(int, status);
        QFETCH(bool, printed);
        if (asked) {
            qputenv(kQuitAfterFirstPaintVariable, "1");
        } else {
            qunsetenv(kQuitAfterFirstPaintVariable);
        }
        // The line goes to stdout: caught in a file for the length of the loop.
        test::TempFolder folder;
        const std::string caught = folder.Path() + "stdout";
        std::fflush(stdout);
        const int saved = dup(STDOUT_FILENO);
        QVERIFY(std::freopen(caught.c_str(), "w", stdout) != nullptr);

        QWidget watched, other;
        auto* layout = new QVBoxLayout(&watched);
        layout->addWidget(new QLabel("Week 12"));
        watched.resize(300, 200);
        other.resize(200, 100);
        QuitAfterFirstPaintWhenAsked(&watched);
        QTimer::singleShot(1500, [] { QCoreApplication::exit(kStillRunning); });
        const long long before = MonotonicNs();
        if (watchedShown) {
            watched.show();
        } else {
            other.show();
        }
        const int ended = QCoreApplication::exec();
        const long long after = MonotonicNs();

        std::fflush(stdout);
        dup2(saved, STDOUT_FILENO);
        close(saved);
        qunsetenv(kQuitAfterFirstPaintVariable);
        std::ifstream in(caught);
        std::stringstream text;
        text << in.rdbuf();
        QCOMPARE(ended, status);
        // The offscreen platform's own warnings are caught too: only the hook's lines count.
        std::vector<long long> painted;
        for (std::string line; std::getline(text, line);) {
            if (line.rfind("first-paint ", 0) == 0) painted.push_back(std::stoll(line.substr(12)));
        }
        QCOMPARE(painted.size(), printed ? std::size_t{1} : std::size_t{0});
        if (printed) QVERIFY(painted[0] > before && painted[0] < after);
    }
};

QTEST_MAIN(FirstPaintQtTest)
#include "first_paint_qttest.moc"
