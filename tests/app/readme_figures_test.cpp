// The README's account of what the figures assume states the dose coefficients and the verdict
// levels' bounds and headlines in two tables; they must stay what the program does.
#include "dose_calculation.h"
#include "verdict.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <map>
#include <regex>
#include <string>
#include <utility>

namespace {

using dosecalc::DoseTerm;

std::string utf8(std::u16string_view text)
{
    std::string out;
    for (const char16_t c : text) { // the headlines are all in the Basic Multilingual Plane
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// The coefficient in mSv per Bq the program applies to one Bq of a nuclide on a route, taken from
// the term a year of it makes.
double programCoefficient(const std::string& nuclide, int route)
{
    const std::map<std::string, std::pair<double dosecalc::DoseInputs::*, DoseTerm>> nuclides{
        {"I-131", {&dosecalc::DoseInputs::iodine131, DoseTerm::iodine131}},
        {"Cs-134", {&dosecalc::DoseInputs::caesium134, DoseTerm::caesium134}},
        {"Cs-137", {&dosecalc::DoseInputs::caesium137, DoseTerm::caesium137}},
    };
    const auto& [field, term] = nuclides.at(nuclide);
    dosecalc::DoseInputs inputs;
    inputs.route = route;
    inputs.intake = 1;
    inputs.*field = 1;
    return static_cast<double>(dosecalc::doseBreakdown(inputs).terms[static_cast<std::size_t>(term)] / 365);
}

TEST(ReadmeFigures, CoefficientsAndLevelsAreThoseOfTheProgram)
{
    std::ifstream readme(README_PATH);
    ASSERT_TRUE(readme) << README_PATH;
    // | I-131 | food 飲食物 | `2.2e-5` | ...
    const std::regex coefficientRow(R"(^\| (I-131|Cs-134|Cs-137) \| (food|air) [^|]*\| `([^`]+)` \|)");
    // | 3 | 250 < dose ≤ 500 | 健康に害 |
    const std::regex levelRow(R"(^\| ([0-8]) \| (?:([0-9]+) < )?dose(?: ≤ ([0-9]+))? \| ([^|]+) \|$)");
    const double infinity = std::numeric_limits<double>::infinity();
    int coefficients = 0;
    int levels = 0;
    for (std::string line; std::getline(readme, line);) {
        std::smatch row;
        if (std::regex_search(line, row, coefficientRow)) {
            ++coefficients;
            const int route = row[2] == "food" ? dosecalc::foodRoute : dosecalc::airRoute;
            const double stated = std::stod(row[3]);
            EXPECT_NEAR(programCoefficient(row[1], route), stated, stated * 1e-12) << line;
        } else if (std::regex_match(line, row, levelRow)) {
            const int level = std::stoi(row[1]);
            EXPECT_EQ(level, levels++) << "the levels in order: " << line;
            if (row[2].matched) { // the lower bound belongs to the level below
                const double lower = std::stod(row[2]);
                EXPECT_EQ(dosecalc::verdictLevel(lower), level - 1) << line;
                EXPECT_EQ(dosecalc::verdictLevel(std::nextafter(lower, infinity)), level) << line;
            }
            if (row[3].matched) {
                const double upper = std::stod(row[3]);
                EXPECT_EQ(dosecalc::verdictLevel(upper), level) << line;
                EXPECT_EQ(dosecalc::verdictLevel(std::nextafter(upper, infinity)), level + 1) << line;
            }
            EXPECT_EQ(row[2].matched, level > 0) << line;
            EXPECT_EQ(row[3].matched, level < dosecalc::verdictLevelCount - 1) << line;
            EXPECT_EQ(row[4].str(), utf8(dosecalc::verdictRows[static_cast<std::size_t>(level)].headline)) << line;
        }
    }
    EXPECT_EQ(coefficients, 6) << "three nuclides on two routes";
    EXPECT_EQ(levels, dosecalc::verdictLevelCount);
}

} // namespace
