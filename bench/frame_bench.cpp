// Frame cost on the headless panel (241 x 177, Mesa's software rasterizer): one frame as the tick
// draws it (setupFrame, which composes the scene, then glFinish so the rasterizer has finished).
//
//   dosecalc-frame-bench [--frames N]
//     each verdict picture, and beside it the same frame compiled once into a display list and
//     replayed (glCallList, glFinish): the floor the rasterizer sets for that geometry. The program
//     itself draws immediately, every tick; the list is only the yardstick. Default 300 timed
//     frames per picture and way, in rounds in which the two ways take turns.
//   dosecalc-frame-bench --catalogue [--frames N]
//     every face type alone and every decoration over face 1, with the angle stepping evenly
//     through the whole turn over the timed frames (animated figures cost what they cost over a
//     turn), sorted dearest first. Default 100 timed frames per entry.
//
// Prints Markdown tables: the median and the 90th percentile per frame and the median's share of
// the 70 ms tick (and for the verdict pictures the ratio of the two ways' medians).
//
// Both modes keep freed memory in the process (keepFreedMemory), so that every picture is timed
// as the running window draws it, whatever the run allocated before it.
#include "catalogue_entries.h"
#include "frame_request.h"
#include "offscreen_panel.h"
#include "toge.h"
#include "verdict.h"

#include <GL/gl.h>
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int panelWidth = 241;
constexpr int panelHeight = 177;
constexpr double tickMilliseconds = 70.0;
constexpr int warmUpFrames = 20;
constexpr int timingRounds = 10;

// Mesa's rasterizer takes memory in blocks of 64 KiB while it draws and frees it when the draw is
// done. With glibc's defaults, a young process whose heap ends in that freed memory hands it back
// to the kernel (trims the heap) and faults it in afresh at the next draw: 270 to 500 page faults
// a frame, kernel time that no draw pays once something that stays lies above it in the heap.
// Which pictures paid depended on what the run had allocated before them; mostly it was the first,
// the start face, timed at 3 times its own display-list replay. The window, its heap long in use,
// takes about 30 page faults a tick in all. Here the heap is never trimmed and blocks up to 32 MiB
// come from it rather than from mappings of their own, so that every frame draws in memory the
// process already has, as the window's frames do.
void keepFreedMemory()
{
    mallopt(M_TRIM_THRESHOLD, -1);
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
}

struct Picture {
    std::string name;
    dosecalc::SceneSelectors scene;
};

// The start face and each distinct verdict picture (levels 5 to 8 share theirs).
std::vector<Picture> verdictPictures()
{
    std::vector<Picture> pictures{{"start", dosecalc::startScene}};
    for (int level = 0; level <= 5; ++level) {
        const std::string name = level == 5 ? "levels 5-8" : "level " + std::to_string(level);
        pictures.push_back({name, dosecalc::verdictRows[static_cast<std::size_t>(level)].scene});
    }
    return pictures;
}

struct Timing {
    double median = 0.0; // ms
    double p90 = 0.0;    // ms
};

// Milliseconds of one call of draw() and the rasterizer's work for it.
template <class Draw>
double timeFrame(Draw draw)
{
    const auto start = std::chrono::steady_clock::now();
    draw();
    glFinish();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

Timing summarise(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    const auto at = [&](double q) {
        return ms[static_cast<std::size_t>(q * static_cast<double>(ms.size() - 1))];
    };
    return {at(0.5), at(0.9)};
}

// Pixels whose channels differ by more than a few steps (the pole of each sphere varies from run
// to run on this rasterizer, so a handful may differ between any two frames).
int differingPixels(const headless::Image& a, const headless::Image& b)
{
    int count = 0;
    for (std::size_t i = 0; i + 2 < a.rgb().size(); i += 3)
        for (std::size_t c = 0; c < 3; ++c)
            if (std::abs(a.rgb()[i + c] - b.rgb()[i + c]) > 8) {
                ++count;
                break;
            }
    return count;
}

struct Options {
    bool catalogue = false;
    int frames = 0; // 0: the mode's default
};

Options optionsFromArguments(int argc, char* argv[])
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--frames") == 0 && i + 1 < argc) {
            options.frames = std::atoi(argv[++i]);
            if (options.frames < 1) {
                std::fprintf(stderr, "%s: --frames needs a positive count\n", argv[0]);
                std::exit(2);
            }
        } else if (std::strcmp(argv[i], "--catalogue") == 0) {
            options.catalogue = true;
        } else {
            std::fprintf(stderr, "usage: %s [--catalogue] [--frames N]\n", argv[0]);
            std::exit(2);
        }
    }
    if (options.frames == 0)
        options.frames = options.catalogue ? 100 : 300;
    return options;
}

bool glReportedError(const std::string& what)
{
    if (glGetError() == GL_NO_ERROR)
        return false;
    std::fprintf(stderr, "GL reported an error drawing %s\n", what.c_str());
    return true;
}

// Each picture is timed both ways in rounds over all the pictures, a tenth of its frames a round
// and way, so that a busy spell of a shared machine falls on every picture and on both ways alike.
int benchVerdictPictures(int frames)
{
    headless::OffscreenPanel panel(panelWidth, panelHeight);
    Toge& surface = panel.surface();
    const int rounds = std::min(timingRounds, frames);
    const int warmUp = std::min(warmUpFrames, frames);
    const auto* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    std::printf(
        "Renderer: %s, OpenGL %s; %d x %d; %d timed frames per picture and way in %d rounds over "
        "the pictures, the ways taking turns, after %d warm-up frames of each; freed memory kept "
        "in the process\n\n",
        panel.renderer().c_str(), version != nullptr ? version : "?", panelWidth, panelHeight,
        frames, rounds, warmUp);

    struct Row {
        Picture picture;
        FrameRequest request;
        GLuint list = 0;
        std::vector<double> immediate; // ms
        std::vector<double> replayed;  // ms
    };
    std::vector<Row> rows;
    for (const Picture& picture : verdictPictures()) {
        FrameRequest request; // the tick's frame: decorC 45, 14 zero bands, threshold 60
        request.faceType = picture.scene.faceType;
        request.decorA = picture.scene.decorA;
        request.decorB = picture.scene.decorB;
        request.angle = 1;
        const GLuint list = glGenLists(1);
        glNewList(list, GL_COMPILE);
        setupFrame(surface, request);
        glEndList();
        rows.push_back({picture, request, list, {}, {}});
    }
    const auto immediately = [&surface](const Row& row) {
        return [&surface, &row] { setupFrame(surface, row.request); };
    };
    const auto fromTheList = [](const Row& row) { return [&row] { glCallList(row.list); }; };

    int status = 0;
    for (const Row& row : rows)
        for (int i = 0; i < warmUp; ++i) {
            timeFrame(immediately(row));
            timeFrame(fromTheList(row));
        }
    for (int round = 0; round < rounds; ++round)
        for (Row& row : rows) {
            const int count = (round + 1) * frames / rounds - round * frames / rounds;
            timeFrame(immediately(row)); // untimed: the first frame after other drawing
            for (int i = 0; i < count; ++i)
                row.immediate.push_back(timeFrame(immediately(row)));
            timeFrame(fromTheList(row));
            for (int i = 0; i < count; ++i)
                row.replayed.push_back(timeFrame(fromTheList(row)));
            if (glReportedError(row.picture.name))
                status = 1;
        }

    std::printf(
        "| picture | face, A, B | immediate median | p90 | share of 70 ms tick | display list median | p90 | immediate / list | pixels that differ |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|\n");
    for (Row& row : rows) {
        timeFrame(immediately(row));
        const headless::Image drawn = panel.readPixels();
        timeFrame(fromTheList(row));
        const headless::Image replayedImage = panel.readPixels();
        glDeleteLists(row.list, 1);
        const Timing immediate = summarise(std::move(row.immediate));
        const Timing replayed = summarise(std::move(row.replayed));
        const dosecalc::SceneSelectors& scene = row.picture.scene;
        std::printf(
            "| %s | %d, %d, %d | %.2f ms | %.2f ms | %.1f %% | %.2f ms | %.2f ms | %.2f | %d |\n",
            row.picture.name.c_str(), scene.faceType, scene.decorA, scene.decorB, immediate.median,
            immediate.p90, 100.0 * immediate.median / tickMilliseconds, replayed.median,
            replayed.p90, immediate.median / replayed.median,
            differingPixels(drawn, replayedImage));
    }
    return status;
}

// Every entry is timed in rounds over the whole catalogue, a tenth of its frames a round, so
// that a busy spell of a shared machine falls on every entry alike rather than on a few.
int benchCatalogue(int frames)
{
    headless::OffscreenPanel panel(panelWidth, panelHeight);
    Toge& surface = panel.surface();
    const int rounds = std::min(timingRounds, frames);
    const int warmUp = std::min(warmUpFrames, frames);
    const auto* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    std::printf(
        "Renderer: %s, OpenGL %s; %d x %d; %d timed frames per entry in %d rounds over the catalogue, "
        "after %d warm-up frames of every entry; the angle steps evenly through one turn; freed "
        "memory kept in the process\n\n",
        panel.renderer().c_str(), version != nullptr ? version : "?", panelWidth, panelHeight,
        frames, rounds, warmUp);
    const std::vector<CatalogueEntry> entries = catalogueEntries();
    const auto draw = [&](const CatalogueEntry& entry, int frame) {
        FrameRequest request; // a face alone, a decoration over face 1
        entry.select(request);
        request.angle = frame * 360 / frames;
        return [&surface, request] { setupFrame(surface, request); };
    };
    // llvmpipe builds its shader variants for each new state on first use: all of them first.
    for (const CatalogueEntry& entry : entries)
        for (int i = 0; i < warmUp; ++i)
            timeFrame(draw(entry, i * frames / warmUp));
    std::vector<std::vector<double>> ms(entries.size());
    int status = 0;
    for (int round = 0; round < rounds; ++round)
        for (std::size_t e = 0; e < entries.size(); ++e) {
            const int first = round * frames / rounds;
            timeFrame(draw(entries[e], first)); // untimed: the first frame after another entry's
            for (int i = first; i < (round + 1) * frames / rounds; ++i)
                ms[e].push_back(timeFrame(draw(entries[e], i)));
            if (glReportedError(entries[e].label()))
                status = 1;
        }

    struct Row {
        CatalogueEntry entry;
        Timing timing;
    };
    std::vector<Row> rows;
    for (std::size_t e = 0; e < entries.size(); ++e)
        rows.push_back({entries[e], summarise(std::move(ms[e]))});
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Row& a, const Row& b) { return a.timing.median > b.timing.median; });
    std::printf("| entry | median | p90 | share of 70 ms tick |\n");
    std::printf("|---|---|---|---|\n");
    for (const Row& row : rows)
        std::printf("| %s%s | %.2f ms | %.2f ms | %.1f %% |\n", row.entry.label().c_str(),
                    row.entry.isFace() ? "" : " over face 1", row.timing.median, row.timing.p90,
                    100.0 * row.timing.median / tickMilliseconds);
    return status;
}

} // namespace

int main(int argc, char* argv[])
{
    const Options options = optionsFromArguments(argc, argv);
    keepFreedMemory();
    return options.catalogue ? benchCatalogue(options.frames)
                             : benchVerdictPictures(options.frames);
}
