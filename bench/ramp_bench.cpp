// Wall time of an acceleration in the real window with C1-01 = 10.0 s,
// E1-04 = 60 Hz and a 60 Hz reference: from the RUN command to 60 Hz and from
// the minimum-frequency start (the output jumps to E1-09) to 60 Hz. The ramp
// climbs C1-01 per E1-04 from E1-09, so with E1-09 = 1.5 Hz the drive itself
// takes (60 - 1.5) / 60 * 10 s = 9.75 s; the counters compare against that.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <memory>

#include "app/QD720SIM.h"
#include "core/ParameterCatalogue.h"
#include "platform/qt/MainWindow.h"
#include "support/RecordingPlatform.h"

namespace {

void RampTo60Hz(benchmark::State& state) {
    for (auto _ : state) {
        qd::testing::RecordingPlatform platform;
        platform.SeedReturningUser();
        qd::Program program = qd::StartProgram(platform.services, "/nonexistent/qd720sim");
        if (!program.form) {
            state.SkipWithError("start-up failed");
            return;
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

        QEventLoop loop;
        QElapsedTimer wall;
        QElapsedTimer sinceRun;
        double startDelay = -1;
        float firstHz = 0;  // the output the start lifted the drive to
        QTimer watch;
        watch.setTimerType(Qt::PreciseTimer);
        watch.setInterval(1);
        int phase = 0;         // 0 settle, 1 waiting for the start, 2 ramping
        double seconds = -1;   // minimum-frequency start to 60 Hz
        double runToTop = -1;  // RUN command to 60 Hz
        QElapsedTimer total;
        total.start();
        QObject::connect(&watch, &QTimer::timeout, [&] {
            const float f = d.state.outputFrequency;
            if (phase == 0 && total.elapsed() > 500) {
                form.Run([&] { form.LOREKEYClick(); });
                if (!d.state.localMode) form.Run([&] { form.LOREKEYClick(); });
                sinceRun.start();
                form.Run([&] { form.RunKeyClick(); });
                phase = 1;
            } else if (phase == 1 && f > 0) {
                wall.start();
                startDelay = static_cast<double>(sinceRun.nsecsElapsed()) / 1e6;
                firstHz = f;
                phase = 2;
            } else if (phase == 2 && f >= 59.999f) {
                seconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;
                runToTop = static_cast<double>(sinceRun.nsecsElapsed()) / 1e9;
                loop.quit();
            }
            if (total.elapsed() > 30000) loop.quit();
        });
        watch.start();
        loop.exec();
        window.Pump().Stop();
        if (seconds < 0) {
            state.SkipWithError("the drive did not reach 60 Hz within 30 s");
            return;
        }
        state.SetIterationTime(seconds);
        state.counters["start_to_60_s"] = seconds;
        state.counters["run_to_60_s"] = runToTop;
        state.counters["run_to_start_ms"] = startDelay;
        state.counters["start_hz"] = firstHz;
        // The start lifts the output to E1-09 at once; the rest of the ramp runs at
        // C1-01 per E1-04, so this is what the drive itself should take.
        const double e109 = qd::FindParameterValue(d, 'E', '1', 9).value;
        const double expected = (60.0 - e109) / 60.0 * 10.0;
        state.counters["expected_s"] = expected;
        state.counters["vs_expected_pct"] = (seconds - expected) / expected * 100.0;
    }
}

BENCHMARK(RampTo60Hz)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
