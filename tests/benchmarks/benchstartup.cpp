// Start-up benchmark: how long the program takes from its start to its main window on screen
// with both plug-ins loaded and the device model handed over, against a bare Qt main window
// on the same X server. Each program runs as a child process, alternately, several times; the
// time runs from just before the start to the "ready" line the child writes (benchready.h).
// Prints the medians and their ratio (target: at most 1.5).
//
// Usage: bench_startup [runs]   (needs an X server: DISPLAY; scripts/bench-startup.sh)
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTextStream>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

qint64 steadyNowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Milliseconds from the start of program to its "ready" line; negative when it gave none.
double startupMs(const QString &program, const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(QFileInfo(program).absolutePath());
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardErrorFile(QProcess::nullDevice());
    const qint64 start = steadyNowNs();
    process.start(program, QStringList());
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    const QStringList lines = QString::fromLocal8Bit(process.readAllStandardOutput()).split('\n');
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1String("ready ")))
            return static_cast<double>(line.mid(6).toLongLong() - start) / 1e6;
    }
    return -1;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 9;
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "bench_startup: no X server (DISPLAY is not set)\n");
        return 2;
    }
    const QString folder = QStringLiteral(VYR_BENCH_STARTUP_DIR);
    const QString program = folder + QStringLiteral("/vyrpell");
    const QString bare =
        QCoreApplication::applicationDirPath() + QStringLiteral("/bench_barewindow");

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("VYR_DRIVER_SETTINGS"),
                       QStringLiteral(VYR_DRIVER_SETTINGS_FILE));

    // One run of each first, not counted: files and libraries come into the cache.
    startupMs(program, environment);
    startupMs(bare, environment);
    std::vector<double> programTimes;
    std::vector<double> bareTimes;
    for (int i = 0; i < runs; ++i) {
        // Each run starts as a first start: no settings file beside the program.
        QFile::remove(folder + QStringLiteral("/vyredidutility.ini"));
        const double programMs = startupMs(program, environment);
        const double bareMs = startupMs(bare, environment);
        if (programMs < 0 || bareMs < 0) {
            std::fprintf(stderr, "bench_startup: a run gave no ready line (%s: %.1f, bare: %.1f)\n",
                         qPrintable(program), programMs, bareMs);
            return 1;
        }
        programTimes.push_back(programMs);
        bareTimes.push_back(bareMs);
    }
    const double programMedian = median(programTimes);
    const double bareMedian = median(bareTimes);
    std::printf("vyrpell to its main window, both plug-ins loaded: %8.1f ms (median of %d)\n",
                programMedian, runs);
    std::printf("bare Qt main window:                              %8.1f ms (median of %d)\n",
                bareMedian, runs);
    std::printf("ratio: %.2f (target: at most 1.5)\n", programMedian / bareMedian);
    return 0;
}
