#include "dose_breakdown.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

namespace dosecalc {
namespace {

// Columns a text takes in a font whose full-width characters are twice as wide as ASCII ones; the
// names hold ASCII and full-width characters only.
std::size_t columnsOf(std::u16string_view text)
{
    std::size_t columns = 0;
    for (const char16_t c : text)
        columns += c < 0x80 ? 1 : 2;
    return columns;
}

std::u16string padLeft(std::u16string text, std::size_t columns)
{
    const std::size_t used = columnsOf(text);
    if (used < columns)
        text.insert(0, columns - used, u' ');
    return text;
}

std::u16string padRight(std::u16string text, std::size_t columns)
{
    const std::size_t used = columnsOf(text);
    if (used < columns)
        text.append(columns - used, u' ');
    return text;
}

std::u16string percentText(int percent)
{
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + percent % 10));
        percent /= 10;
    } while (percent > 0);
    return padLeft(digits, 3) + u" %";
}

} // namespace

std::vector<BreakdownLine> breakdownLines(const DoseBreakdown& breakdown)
{
    std::vector<BreakdownLine> lines;
    if (breakdown.dose == 0.0)
        return lines;
    // Shares of the terms' own sum, so that they are the terms' proportions even where the dose's
    // rounding to double is coarse (subnormal doses); in extended precision the sum cannot
    // overflow.
    long double total = 0;
    for (const long double term : breakdown.terms)
        total += term;
    for (std::size_t index = 0; index < breakdown.terms.size(); ++index) {
        const long double value = breakdown.terms[index];
        if (value == 0)
            continue;
        const long double share = value * 100 / total;
        lines.push_back(
            {static_cast<DoseTerm>(index), value, static_cast<int>(std::llround(share))});
    }
    std::stable_sort(
        lines.begin(), lines.end(),
        [](const BreakdownLine& a, const BreakdownLine& b) { return a.value > b.value; });
    return lines;
}

std::u16string termName(DoseTerm term, int route)
{
    std::u16string name;
    switch (term) {
    case DoseTerm::iodine131:
        name = u"ヨウ素131";
        break;
    case DoseTerm::caesium134:
        name = u"セシウム134";
        break;
    case DoseTerm::caesium137:
        name = u"セシウム137";
        break;
    case DoseTerm::sievertRate:
        return u"空間線量率 (Sv/h)";
    case DoseTerm::grayRate:
        return u"空間線量率 (Gy/h)";
    }
    if (route == airRoute)
        name += u"（空気中）";
    else if (route == foodRoute)
        name += u"（飲食物）";
    return name;
}

std::u16string breakdownText(const DoseBreakdown& breakdown, int route,
                             std::u16string_view decimalSeparator, const DoseTextFits& fits)
{
    const std::vector<BreakdownLine> lines = breakdownLines(breakdown);
    if (lines.empty())
        return std::u16string(zeroBreakdown);

    struct Columns {
        std::u16string name;
        std::u16string value;
    };
    std::vector<Columns> cells;
    std::size_t nameWidth = 0;
    std::size_t valueWidth = 0;
    for (const BreakdownLine& line : lines) {
        // Each term printed as the dose would be if it were the only one.
        Columns cell{termName(line.term, route),
                     doseText(static_cast<double>(line.value), decimalSeparator, fits)};
        nameWidth = std::max(nameWidth, columnsOf(cell.name));
        valueWidth = std::max(valueWidth, columnsOf(cell.value));
        cells.push_back(std::move(cell));
    }

    std::u16string text(breakdownHeading);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += u'\n';
        text += padRight(cells[i].name, nameWidth);
        text += u' ';
        text += padLeft(cells[i].value, valueWidth);
        text += u" mSv ";
        text += percentText(lines[i].percent);
    }
    return text;
}

} // namespace dosecalc
