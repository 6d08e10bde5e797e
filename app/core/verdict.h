#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace dosecalc {

inline constexpr int verdictLevelCount = 9;

// The scene the face panel draws: face type and the first two decoration selectors.
struct SceneSelectors {
    std::int32_t faceType = 1;
    std::int32_t decorA = 0;
    std::int32_t decorB = 0;

    friend bool operator==(const SceneSelectors&, const SceneSelectors&) = default;
};

// The face shown at start and after Clear.
inline constexpr SceneSelectors startScene{1, 0, 0};

// One verdict level as built into the program: its scene, headline and advice (the advice holds
// one line feed, which starts its second line).
struct VerdictRow {
    SceneSelectors scene;
    std::u16string_view headline;
    std::u16string_view advice;
};

// The nine levels, index = level, from harmless (0) to lethal (8).
extern const std::array<VerdictRow, verdictLevelCount> verdictRows;

// The number of the thresholds 1, 50, 250, 500, 1000, 2000, 4000 and 7000 mSv that the dose
// strictly exceeds, counted in order up to the first one it does not (NaN is level 0).
int verdictLevel(double dose);

// The gauge's bar colours, each as 0xRRGGBB.
enum class GaugeColour : std::uint32_t {
    blue = 0x0000FF,
    yellow = 0xFFFF00,
    red = 0xFF0000,
};

inline constexpr int gaugeMinimum = 0;
inline constexpr int gaugeMaximum = 110;

// Blue for level 0, yellow for levels 1 and 2, red above.
GaugeColour gaugeColour(int level);

// The gauge position for a dose at its level: the level's formula in extended precision, truncated
// toward zero, then clamped to the gauge's range (a huge dose fills the gauge).
int gaugePosition(double dose, int level);

struct Verdict {
    int level = 0;
    GaugeColour colour;
    int gaugePosition = 0;
    SceneSelectors scene;
};

// Everything the window shows for a computed dose besides the texts of verdictRows[level].
Verdict classifyDose(double dose);

} // namespace dosecalc
