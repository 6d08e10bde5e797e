// Start-up as a user sees it: wall time from starting the program to the face on screen, watched
// from outside the program, so that any build of it can be measured the same way. Run it on an X
// display with no window manager (tests/run-with-xvfb.sh):
//
//   dosecalc-first-frame-bench [--runs N] PROGRAM...      (default 10 runs of each)
//
// The programs take turns, one run each a round, so that all meet the same machine. A run reads
// the monotonic clock, starts the program, and reads the panel's place on the screen over and
// over until it shows the face: most of it the backdrop's grey and the orange of the nose. The
// panel's place is the layout's: the window at (314, 115), the panel 416 pixels right of its left
// edge, 241 x 177 (no window manager moves or frames the window).
#include <xcb/xcb.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int panelLeft = 314 + 416;
constexpr int panelTop = 115;
constexpr int panelWidth = 241;
constexpr int panelHeight = 177;
constexpr double timeoutMilliseconds = 30'000;

double nowMilliseconds()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Whether the panel's pixels (32-bit BGRX, as a 24-bit X screen gives them) show the face.
bool showsTheFace(const std::uint8_t* pixels, int count)
{
    int grey = 0;
    int orange = 0;
    for (int i = 0; i < count; ++i) {
        const int b = pixels[4 * i];
        const int g = pixels[4 * i + 1];
        const int r = pixels[4 * i + 2];
        if (r == g && g == b && r >= 40 && r <= 90)
            ++grey;
        else if (r > 150 && g > 60 && g < 200 && b < 90 && r - g > 50)
            ++orange;
    }
    return grey > count / 2 && orange > 200;
}

bool panelShowsTheFace(xcb_connection_t* x, xcb_window_t root)
{
    const xcb_get_image_cookie_t cookie = xcb_get_image(x, XCB_IMAGE_FORMAT_Z_PIXMAP, root, panelLeft, panelTop,
                                                        panelWidth, panelHeight, ~0U);
    const std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> image(xcb_get_image_reply(x, cookie, nullptr),
                                                                             &std::free);
    if (!image || xcb_get_image_data_length(image.get()) < panelWidth * panelHeight * 4)
        return false;
    return showsTheFace(xcb_get_image_data(image.get()), panelWidth * panelHeight);
}

// Milliseconds from the start of the program to the face on screen, or a negative number.
double timeToFace(const char* program, xcb_connection_t* x, xcb_window_t root)
{
    const double started = nowMilliseconds();
    const pid_t child = fork();
    if (child == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    double shown = -1;
    while (nowMilliseconds() - started < timeoutMilliseconds) {
        if (panelShowsTheFace(x, root)) {
            shown = nowMilliseconds() - started;
            break;
        }
        usleep(2000);
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    // Until the window is gone from the screen, so that the next run starts on an empty one.
    while (panelShowsTheFace(x, root))
        usleep(10000);
    return shown;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    int runs = 10;
    int first = 1;
    if (argc > 2 && std::strcmp(argv[1], "--runs") == 0) {
        runs = std::atoi(argv[2]);
        first = 3;
    }
    if (runs < 1 || first >= argc) {
        std::fprintf(stderr, "usage: %s [--runs N] PROGRAM...\n", argv[0]);
        return 2;
    }
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x) != 0) {
        std::fprintf(stderr, "%s: no X display\n", argv[0]);
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;

    std::vector<std::vector<double>> times(static_cast<std::size_t>(argc - first));
    for (int round = 0; round < runs; ++round)
        for (int p = first; p < argc; ++p) {
            const double t = timeToFace(argv[p], x, root);
            if (t < 0) {
                std::fprintf(stderr, "%s: %s showed no face within %.0f s\n", argv[0], argv[p],
                             timeoutMilliseconds / 1e3);
                return 1;
            }
            times[static_cast<std::size_t>(p - first)].push_back(t);
        }
    xcb_disconnect(x);

    std::printf("| %d runs each, taking turns | from start to the face on screen: first run | median | fastest | "
                "slowest |\n|---|---|---|---|---|\n",
                runs);
    for (int p = first; p < argc; ++p) {
        const std::vector<double>& t = times[static_cast<std::size_t>(p - first)];
        std::printf("| %s | %.1f ms | %.1f ms | %.1f ms | %.1f ms |\n", argv[p], t.front(), median(t),
                    *std::min_element(t.begin(), t.end()), *std::max_element(t.begin(), t.end()));
    }
    return 0;
}
