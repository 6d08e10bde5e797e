#pragma once

#include "offscreen_panel.h"

#include <string>
#include <string_view>
#include <vector>

// The command line of dosecalc-snapshot:
//   dosecalc-snapshot --out FILE.png [--face N] [--decor-a N] [--decor-b N] [--decor-c N]
//                     [--angle D] [--bands v1,v2,...] [--threshold T] [--extra E] [--size WxH]
// Every option also takes the form --name=value; when one is given twice the last one counts.
//   dosecalc-snapshot --batch    (those options, one snapshot a line of standard input)
struct SnapshotOptions {
    std::string out;
    headless::FrameRequest frame; // the tick's defaults: face 1, decorations 0, 0, 45, angle 1, ...
    int width = 241;              // the panel's size
    int height = 177;
};

struct SnapshotArguments {
    enum class Outcome { render, help, error };
    Outcome outcome = Outcome::error;
    SnapshotOptions options;
    std::string error; // one line, for Outcome::error
};

inline constexpr int maxSnapshotSide = 4096;

SnapshotArguments parseSnapshotArguments(const std::vector<std::string_view>& arguments);

extern const char* const snapshotUsage;
