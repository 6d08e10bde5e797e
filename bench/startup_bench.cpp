// Start-up of the real window: wall time from process start to the first frame presented on
// screen, and the resident memory then. Run it on an X display (tests/run-with-xvfb.sh):
//
//   dosecalc-startup-bench [--runs N]     (default 10)
//
// The bench starts itself N times as a child (--child), one after another. The parent reads the
// monotonic clock just before fork and exec; the child does what main() of dosecalc does (the
// application object, the window, show, the event loop) with the renderer's frame setup wrapped
// so that it notes the first frame drawn for an exposed panel, and reports the clock at entering
// main, after the window was built and shown, at the start of that frame, and after its present,
// with its resident size, then quits. The first frame is drawn when the panel is first painted,
// with the window; before, it waited for the first tick, one timer interval (70 ms) after the
// window was built.
#include "dosecalc_application.h"
#include "frame_setup.h"
#include "keep_gl_driver_loaded.h"
#include "mainframe.h"
#include "process_memory.h"

#include <QMetaObject>
#include <QTimer>
#include <QWindow>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace {

double nowMilliseconds()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Child side.
struct ChildClock {
    double mainEntered = 0;
    double windowBuilt = 0;
    double tickStarted = 0; // of the first frame presented
};
ChildClock childClock;

void reportFirstPresent()
{
    const double presented = nowMilliseconds();
    std::printf("%.3f %.3f %.3f %.3f %ld %ld %ld\n", childClock.mainEntered, childClock.windowBuilt,
                childClock.tickStarted, presented, processmemory::residentKilobytes(),
                processmemory::statusKilobytes("RssAnon"),
                processmemory::statusKilobytes("RssFile"));
    std::fflush(stdout);
    QCoreApplication::quit();
}

// The frame setup, unchanged; afterwards, once the frame has been presented (the queued call runs
// when the paint or the tick has returned), the first frame of an exposed panel ends the run.
void drawAndWatch(Toge& surface, std::int32_t faceType, std::int32_t decorA, std::int32_t decorB,
                  std::int32_t decorC, std::int32_t angle, float angleScale, std::int32_t bandCount,
                  double* bandValues, std::int32_t threshold, std::int32_t extra)
{
    const double tickStarted = nowMilliseconds();
    setupFrame(surface, faceType, decorA, decorB, decorC, angle, angleScale, bandCount, bandValues,
               threshold, extra);
    if (MainForm == nullptr || MainForm->windowHandle() == nullptr
        || !MainForm->windowHandle()->isExposed())
        return; // present() shows nothing on a panel that is not on screen yet
    if (childClock.tickStarted == 0) {
        childClock.tickStarted = tickStarted;
        QMetaObject::invokeMethod(qApp, &reportFirstPresent, Qt::QueuedConnection);
    }
}

int runChild()
{
    childClock.mainEntered = nowMilliseconds();
    DoseCalcApplication application;
    TMainForm mainForm(nullptr, &drawAndWatch);
    MainForm = &mainForm;
    mainForm.show();
    childClock.windowBuilt = nowMilliseconds();
    // Ends a run that never presents (no display, say) instead of hanging.
    QTimer::singleShot(30'000, &application, [] { std::exit(3); });
    DoseCalcApplication::exec();
    MainForm = nullptr;
    keepGlDriversLoaded(); // for the sanitizer build's leak check, after the display is closed
    return 0;
}

// Parent side.
struct Run {
    double toMain, toWindow, toFirstTick, toFirstPresent;
    long residentKilobytes, anonymousKilobytes, fileKilobytes;
};

bool runOnce(const char* self, Run& run)
{
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    const double started = nowMilliseconds();
    const pid_t child = fork();
    if (child == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        close(fds[1]);
        execl(self, self, "--child", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string line;
    char buffer[256];
    ssize_t n = 0;
    while ((n = read(fds[0], buffer, sizeof buffer)) > 0)
        line.append(buffer, static_cast<std::size_t>(n));
    close(fds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    double mainEntered = 0, windowBuilt = 0, tickStarted = 0, presented = 0;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0
        || std::sscanf(line.c_str(), "%lf %lf %lf %lf %ld %ld %ld", &mainEntered, &windowBuilt,
                       &tickStarted, &presented, &run.residentKilobytes, &run.anonymousKilobytes,
                       &run.fileKilobytes)
               != 7)
        return false;
    run.toMain = mainEntered - started;
    run.toWindow = windowBuilt - started;
    run.toFirstTick = tickStarted - started;
    run.toFirstPresent = presented - started;
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 2 && std::strcmp(argv[1], "--child") == 0)
        return runChild();
    int runs = 10;
    if (argc == 3 && std::strcmp(argv[1], "--runs") == 0)
        runs = std::atoi(argv[2]);
    if (runs < 1 || (argc != 1 && argc != 3)) {
        std::fprintf(stderr, "usage: %s [--runs N]\n", argv[0]);
        return 2;
    }

    std::vector<Run> results;
    for (int i = 0; i < runs; ++i) {
        Run run{};
        if (!runOnce("/proc/self/exe", run)) {
            std::fprintf(stderr, "run %d: the window did not present a frame\n", i + 1);
            return 1;
        }
        results.push_back(run);
    }
    const auto column = [&](auto field) {
        std::vector<double> values;
        for (const Run& r : results)
            values.push_back(r.*field);
        return values;
    };
    const auto mebibytes = [&](auto field) {
        std::vector<double> values;
        for (const Run& r : results)
            values.push_back(static_cast<double>(r.*field) / 1024.0);
        return values;
    };
    std::printf(
        "| %d runs, from fork | main() entered | window built and shown | first frame on an exposed panel "
        "starts | presented | resident memory then (heap and other anonymous + mapped files) |\n",
        runs);
    std::printf("|---|---|---|---|---|---|\n");
    const auto row = [](const char* name, double toMain, double toWindow, double toTick,
                        double toPresent, double resident, double anonymous, double file) {
        std::printf("| %s | %.1f ms | %.1f ms | %.1f ms | %.1f ms | %.1f MiB (%.1f + %.1f) |\n",
                    name, toMain, toWindow, toTick, toPresent, resident, anonymous, file);
    };
    const Run& first = results.front();
    row("first run", first.toMain, first.toWindow, first.toFirstTick, first.toFirstPresent,
        static_cast<double>(first.residentKilobytes) / 1024.0,
        static_cast<double>(first.anonymousKilobytes) / 1024.0,
        static_cast<double>(first.fileKilobytes) / 1024.0);
    row("median", median(column(&Run::toMain)), median(column(&Run::toWindow)),
        median(column(&Run::toFirstTick)), median(column(&Run::toFirstPresent)),
        median(mebibytes(&Run::residentKilobytes)), median(mebibytes(&Run::anonymousKilobytes)),
        median(mebibytes(&Run::fileKilobytes)));
    return 0;
}
