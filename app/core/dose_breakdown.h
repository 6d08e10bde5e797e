#pragma once

#include "dose_calculation.h"
#include "dose_text.h"

#include <string>
#include <string_view>
#include <vector>

namespace dosecalc {

// One term of the dose as the breakdown lists it: its value in mSv per year and its share of the
// terms' sum in whole percent, rounded to nearest (halves away from zero).
struct BreakdownLine {
    DoseTerm term = DoseTerm::iodine131;
    long double value = 0;
    int percent = 0;
};

// The terms that are not exactly 0, largest first (equal ones in the order of the sum); empty for
// a dose of 0, which has no shares.
std::vector<BreakdownLine> breakdownLines(const DoseBreakdown& breakdown);

// What the window calls a term: a concentration by its nuclide and the route it was measured on
// (air or food), a dose rate by its unit.
std::u16string termName(DoseTerm term, int route);

// The breakdown as the dose's tooltip shows it: a heading, then one line a term (name, the value
// as the dose would be shown if it were the only term, "mSv", the share and "%"), in columns that
// line up in a font whose full-width characters are twice as wide as its ASCII ones. A dose of 0
// is one line.
std::u16string breakdownText(const DoseBreakdown& breakdown, int route,
                             std::u16string_view decimalSeparator, const DoseTextFits& fits = {});

inline constexpr std::u16string_view breakdownHeading = u"内訳（1年間）";
inline constexpr std::u16string_view zeroBreakdown = u"内訳: すべて 0 mSv";

} // namespace dosecalc
