// Start-up of Verdeval (creating the 23 screens until the splash is shown) against a bare Qt
// application showing one empty window, measured in the same run: each is started as a
// process of its own, alternately, and timed from launch until it has painted its window
// and exited.   bench_startup [runs]
#include "app/VerdevalApp.h"
#include "app/UnitInicial.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

int child(int argc, char **argv, bool full)
{
    QApplication app(argc, argv);
    std::unique_ptr<verdeval::VerdevalApp> verdeval;
    std::unique_ptr<QWidget> bare;
    QWidget *shown = nullptr;
    if (full) {
        verdeval = std::make_unique<verdeval::VerdevalApp>();
        verdeval->start();
        shown = &verdeval->FInicial();
    } else {
        bare = std::make_unique<QWidget>();
        bare->showMaximized();
        shown = bare.get();
    }
    // Paint once, as the first frame on screen would.
    shown->repaint();
    QApplication::processEvents();
    return 0;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && (qstrcmp(argv[1], "--full") == 0 || qstrcmp(argv[1], "--bare") == 0))
        return child(argc, argv, qstrcmp(argv[1], "--full") == 0);

    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
    QCoreApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    std::vector<double> bare, full;
    auto timeOne = [&](const char *mode) {
        QElapsedTimer t;
        t.start();
        QProcess p;
        p.start(self, {QString::fromLatin1(mode)});
        p.waitForFinished(60000);
        return t.nsecsElapsed() / 1e6;
    };
    timeOne("--bare"); // warm the file cache
    timeOne("--full");
    for (int k = 0; k < runs; ++k) {
        bare.push_back(timeOne("--bare"));
        full.push_back(timeOne("--full"));
    }
    const double b = median(bare), f = median(full);
    std::printf("platform: %s, %d runs each (median)\n", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "default" : qgetenv("QT_QPA_PLATFORM").constData(), runs);
    std::printf("bare Qt application, one empty window: %8.1f ms\n", b);
    std::printf("Verdeval, 23 screens until the splash: %8.1f ms\n", f);
    std::printf("ratio: %.2f (goal: under 1.5)\n", f / b);
    return 0;
}
