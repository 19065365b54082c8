// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
// Runs the benchmarks, then times start-up against a bare Qt window, and
// prints the figures that matter beside their targets.
//
//   morvanecalc_bench [benchmark options]
//   morvanecalc_bench --startup-child real|bare   (used by the start-up timing)
#include "window/layout.h"
#include "window/qt/frmhaupt.h"

#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// Shows the real window, or a bare one of the same size with one line edit,
// and ends the process at its first paint.
int startupChild(int argc, char *argv[], bool real)
{
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    if (real) {
        window = std::make_unique<frmHaupt>();
    } else {
        window = std::make_unique<QWidget>();
        window->setFixedSize(toQRect(layout::clientRect()).size());
        const layout::Control &frequencyBox = layout::row(layout::Array::Text1, 0);
        auto *box = new QLineEdit(QString::fromLatin1(frequencyBox.text), window.get());
        box->setGeometry(toQRect(layout::pixelRect(frequencyBox)));
    }

    class FirstPaint : public QObject {
    public:
        using QObject::QObject;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint)
                QCoreApplication::exit(0);
            return false;
        }
    } firstPaint;
    window->installEventFilter(&firstPaint);
    window->show();
    return QApplication::exec();
}

struct Startup {
    double milliseconds;
    long peakKilobytes;
};

Startup timeChild(const char *self, const char *variant)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(self, self, "--startup-child", variant, static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::fprintf(stderr, "start-up child '%s' failed\n", variant);
    return {elapsed.count(), usage.ru_maxrss};
}

template <typename T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Keeps each benchmark's time per iteration in microseconds for the table.
class Recorder : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs)
            microseconds[run.benchmark_name()] =
                run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e6;
    }
    std::map<std::string, double> microseconds;
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && std::strcmp(argv[1], "--startup-child") == 0)
        return startupChild(argc, argv, std::strcmp(argv[2], "real") == 0);

    Recorder recorder;
    QString platform;
    {
        QApplication app(argc, argv);
        platform = QGuiApplication::platformName();
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks(&recorder);
        benchmark::Shutdown();
    }

    // Alternate the two so that whatever else the machine does falls on both.
    constexpr int runs = 21;
    std::vector<double> realMs, bareMs;
    std::vector<long> realKb, bareKb;
    for (int run = 0; run < runs; ++run) {
        const Startup real = timeChild("/proc/self/exe", "real");
        const Startup bare = timeChild("/proc/self/exe", "bare");
        realMs.push_back(real.milliseconds);
        bareMs.push_back(bare.milliseconds);
        realKb.push_back(real.peakKilobytes);
        bareKb.push_back(bare.peakKilobytes);
    }

    const double startupRatio = median(realMs) / median(bareMs);
    const double memoryRatio = double(median(realKb)) / double(median(bareKb));
    std::printf("\nplatform: %s\n\n| measure | result | target |\n|---|---|---|\n", qPrintable(platform));
    std::printf("| whole calculation, text to nine texts | %.2f us | < 2 us |\n",
                recorder.microseconds["WholeCalculation"]);
    std::printf("| - reading the frequency | %.3f us | |\n", recorder.microseconds["ReadFrequency"]);
    std::printf("| - the three lengths | %.3f us | |\n", recorder.microseconds["Lengths"]);
    std::printf("| - three metric texts | %.3f us | |\n", recorder.microseconds["MetricTexts"]);
    std::printf("| - three feet-and-inches conversions | %.3f us | |\n", recorder.microseconds["FeetInchesTexts"]);
    std::printf("| Calculate command on a live window | %.1f us | < 100 us |\n",
                recorder.microseconds["CalculateCommand"]);
    std::printf("| start-up to first paint, median of %d | %.1f ms vs %.1f ms bare: %.3fx | <= 1.15x |\n",
                runs,
                median(realMs),
                median(bareMs),
                startupRatio);
    std::printf("| peak memory, median of %d | %ld KiB vs %ld KiB bare: %.3fx | <= 1.10x |\n",
                runs,
                median(realKb),
                median(bareKb),
                memoryRatio);
    return 0;
}
