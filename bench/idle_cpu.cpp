// CPU use of the desktop window while the drive runs steadily at 60 Hz and
// nobody touches anything. Run it on a real display server (bench/idle_cpu.sh
// starts one under Xvfb); offscreen painting costs differently.
//   qd720_bench_idle_cpu [seconds]     (default 30)
// Prints the CPU time of the process over the measuring window as a percentage
// of one core, and which widgets repainted how often.
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "app/QD720SIM.h"
#include "core/ParameterCatalogue.h"
#include "platform/qt/MainWindow.h"
#include "support/RecordingPlatform.h"

namespace {

double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    auto s = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return s(u.ru_utime) + s(u.ru_stime);
}

// Counts paint events per widget while `counting` is set.
class PaintCounter : public QObject {
public:
    bool counting = false;
    std::map<std::string, int> paints;
    int total = 0;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (counting && e->type() == QEvent::Paint) {
            ++total;
            std::string name = o->objectName().toStdString();
            if (name.empty()) name = std::string("(") + o->metaObject()->className() + ")";
            ++paints[name];
        }
        return false;
    }
};

void Wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 30;

    qd::testing::RecordingPlatform platform;
    platform.SeedReturningUser();
    qd::Program program = qd::StartProgram(platform.services, "/nonexistent/qd720sim");
    if (!program.form) {
        std::fputs("start-up failed\n", stderr);
        return 1;
    }
    qd::TSimForm& form = *program.form;
    qd::qt::MainWindow window(form);
    window.show();
    window.Pump().Start();

    auto& d = *form.data;
    qd::StoreParameterValue(d, 'C', '1', 1, 10.0f);
    qd::StoreParameterValue(d, 'E', '1', 4, 60.0f);
    qd::StoreParameterValue(d, 'D', '1', 1, 60.0f);
    form.MainPower.on = true;
    Wait(500);
    form.Run([&] { form.LOREKEYClick(); });
    if (!d.state.localMode) form.Run([&] { form.LOREKEYClick(); });
    form.Run([&] { form.RunKeyClick(); });
    QElapsedTimer ramp;
    ramp.start();
    while (d.state.outputFrequency < 59.999f && ramp.elapsed() < 30000) Wait(50);
    if (d.state.outputFrequency < 59.999f) {
        std::fputs("the drive did not reach 60 Hz within 30 s\n", stderr);
        return 1;
    }
    Wait(1500);  // the lamps and monitors settle

    PaintCounter counter;
    app.installEventFilter(&counter);
    counter.counting = true;
    QElapsedTimer wall;
    const double cpu0 = CpuSeconds();
    const int steps0 = window.Pump().Steps();
    wall.start();
    Wait(seconds * 1000);
    const double cpu = CpuSeconds() - cpu0;
    const int steps = window.Pump().Steps() - steps0;
    const double elapsed = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    counter.counting = false;
    window.Pump().Stop();

    std::printf("output frequency   %.2f Hz\n", static_cast<double>(d.state.outputFrequency));
    std::printf("measured over      %.2f s\n", elapsed);
    std::printf("cpu time           %.3f s\n", cpu);
    std::printf("cpu use            %.2f %% of one core\n", cpu / elapsed * 100.0);
    std::printf("pump steps         %d (%.1f per second)\n", steps, steps / elapsed);
    std::printf("paint events       %d (%.1f per second)\n", counter.total,
                counter.total / elapsed);
    for (const auto& [name, n] : counter.paints)
        std::printf("  %-24s %6d  (%.1f/s)\n", name.c_str(), n, n / elapsed);
    return 0;
}
