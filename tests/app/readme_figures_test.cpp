// The README's account of what the figures assume states the dose coefficients and the verdict
// levels' bounds and headlines in two tables; they must stay what the program does.
#include "dose_calculation.h"
#include "verdict.h"

#include <QString>

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using dosecalc::DoseTerm;

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
    return static_cast<double>(dosecalc::doseBreakdown(inputs).terms[static_cast<std::size_t>(term)]
                               / 365);
}

// The cells of a Markdown table row, "| a | b |" as {"a", "b"}; nothing for another line.
std::vector<std::string> cellsOf(const std::string& line)
{
    std::vector<std::string> cells;
    if (line.size() < 2 || line.front() != '|' || line.back() != '|')
        return cells;
    std::istringstream row(line.substr(1, line.size() - 2));
    for (std::string cell; std::getline(row, cell, '|');) {
        const auto first = cell.find_first_not_of(' ');
        const auto last = cell.find_last_not_of(' ');
        cells.push_back(first == std::string::npos ? std::string()
                                                   : cell.substr(first, last - first + 1));
    }
    return cells;
}

// "250 < dose ≤ 500" as {250, 500}; a missing bound is nothing.
struct Bounds {
    std::optional<double> lower;
    std::optional<double> upper;
};
std::optional<Bounds> boundsOf(const std::string& cell)
{
    const std::string below = " < dose";
    const std::string above = "dose ≤ ";
    Bounds bounds;
    std::string rest = cell;
    if (const auto at = rest.find(below); at != std::string::npos) {
        bounds.lower = std::stod(rest.substr(0, at));
        rest = "dose" + rest.substr(at + below.size());
    }
    if (rest.rfind(above, 0) == 0)
        bounds.upper = std::stod(rest.substr(above.size()));
    else if (rest != "dose")
        return std::nullopt;
    return bounds;
}

TEST(ReadmeFigures, CoefficientsAndLevelsAreThoseOfTheProgram)
{
    std::ifstream readme(README_PATH);
    ASSERT_TRUE(readme) << README_PATH;
    const double infinity = std::numeric_limits<double>::infinity();
    const std::set<std::string> nuclides{"I-131", "Cs-134", "Cs-137"};
    int coefficients = 0;
    int levels = 0;
    for (std::string line; std::getline(readme, line);) {
        const std::vector<std::string> cells = cellsOf(line);
        if (cells.size() == 4 && nuclides.count(cells[0]) != 0 && cells[2].size() > 2
            && cells[2].front() == '`') {
            // | I-131 | food 飲食物 | `2.2e-5` | ...
            ++coefficients;
            const int route =
                cells[1].rfind("food", 0) == 0 ? dosecalc::foodRoute : dosecalc::airRoute;
            const double stated = std::stod(cells[2].substr(1, cells[2].size() - 2));
            EXPECT_NEAR(programCoefficient(cells[0], route), stated, stated * 1e-12) << line;
        } else if (const auto bounds = cells.size() == 3 ? boundsOf(cells[1]) : std::nullopt) {
            // | 3 | 250 < dose ≤ 500 | 健康に害 |
            const int level = std::stoi(cells[0]);
            EXPECT_EQ(level, levels++) << "the levels in order: " << line;
            if (bounds->lower) { // the lower bound belongs to the level below
                EXPECT_EQ(dosecalc::verdictLevel(*bounds->lower), level - 1) << line;
                EXPECT_EQ(dosecalc::verdictLevel(std::nextafter(*bounds->lower, infinity)), level)
                    << line;
            }
            if (bounds->upper) {
                EXPECT_EQ(dosecalc::verdictLevel(*bounds->upper), level) << line;
                EXPECT_EQ(dosecalc::verdictLevel(std::nextafter(*bounds->upper, infinity)),
                          level + 1)
                    << line;
            }
            EXPECT_EQ(bounds->lower.has_value(), level > 0) << line;
            EXPECT_EQ(bounds->upper.has_value(), level < dosecalc::verdictLevelCount - 1) << line;
            EXPECT_EQ(QString::fromStdString(cells[2]).toStdU16String(),
                      dosecalc::verdictRows[static_cast<std::size_t>(level)].headline)
                << line;
        }
    }
    EXPECT_EQ(coefficients, 6) << "three nuclides on two routes";
    EXPECT_EQ(levels, dosecalc::verdictLevelCount);
}

} // namespace
