#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace dosecalc {

// Selected index of the route group: air, food, or no item selected.
inline constexpr int noRoute = -1;
inline constexpr int airRoute = 0;
inline constexpr int foodRoute = 1;

// The prefixes of the two dose-rate lists, in list order; the index selects the divisor.
inline constexpr std::array<std::u16string_view, 3> sievertUnitItems{u" nSv /h", u" uSv /h",
                                                                     u" mSv /h"};
inline constexpr std::array<std::u16string_view, 3> grayUnitItems{u" nGy /h", u" uGy /h",
                                                                  u" mGy /h"};
inline constexpr int microUnit = 1;

// The index of the list item a typed unit text names, or -1 when it names none. Common spellings
// name an item too: with or without blanks, in full-width letters, with the micro sign or Greek mu
// for u, and "Sv", "Gy" and "/h" in any case; the prefix letter's case counts (m is milli).
int unitIndexOf(std::u16string_view typed, const std::array<std::u16string_view, 3>& items);

// What the dose-rate value is divided by for the unit at index 0 (n), 1 (u) or 2 (m), giving mSv/h;
// nothing for any other index.
std::optional<long double> rateDivisor(int unitIndex);

// The validated inputs of one calculation: concentrations in Bq, intake in kg or L per day,
// dose rates per hour in the units given by the indices.
struct DoseInputs {
    double iodine131 = 0.0;
    double caesium137 = 0.0;
    double caesium134 = 0.0;
    double intake = 0.0;
    double sievertRate = 0.0;
    double grayRate = 0.0;
    int route = foodRoute;
    int sievertUnit = microUnit;
    int grayUnit = microUnit;
};

// The five terms of the annual dose, in the order the calculation adds them.
enum class DoseTerm { iodine131, caesium137, caesium134, sievertRate, grayRate };
inline constexpr std::size_t doseTermCount = 5;

// Each term in mSv per year, held in the extended precision it is formed in, indexed by DoseTerm.
using DoseTerms = std::array<long double, doseTermCount>;

// The annual dose and the terms it is the sum of.
struct DoseBreakdown {
    DoseTerms terms{};
    double dose = 0.0;
};

// The annual effective dose in mSv and its terms. Each term is formed in extended precision, left
// to right, and the running sum is rounded to double after every addition. Any route but air and
// food adds no concentration term. Both unit indices must select a divisor (rateDivisor); for any
// other index it throws std::bad_optional_access (calculate checks them first).
DoseBreakdown doseBreakdown(const DoseInputs& inputs);

// The dose alone, as doseBreakdown gives it.
double annualDose(const DoseInputs& inputs);

// The terms added in order, the running sum rounded to double after every addition: the dose.
double sumOfTerms(const DoseTerms& terms);

} // namespace dosecalc
