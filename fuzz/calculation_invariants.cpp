#include "calculation_invariants.h"

#include "dose_breakdown.h"
#include "dose_text.h"
#include "number_parsing.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace fuzzinput {
namespace {

[[noreturn]] void broken(const PressOfCalculate& press, const char* invariant)
{
    std::fprintf(stderr, "calculation invariant broken: %s\n", invariant);
    static constexpr const char* names[] = {"I-131", "Cs-137", "Cs-134", "intake", "Sv rate", "Gy rate"};
    for (std::size_t i = 0; i < press.fields.size(); ++i)
        std::fprintf(stderr, "  %-7s \"%s\"\n", names[i], printable(press.fields[i]).c_str());
    std::fprintf(stderr, "  route %d, units %d and %d, separator \"%s\"\n", press.route, press.sievertUnit,
                 press.grayUnit, printable(press.decimalSeparator).c_str());
    std::abort();
}

void require(bool holds, const PressOfCalculate& press, const char* invariant)
{
    if (!holds)
        broken(press, invariant);
}

// What the calculation's input allows, worked out from the field texts on their own.
struct InputFacts {
    bool everyFieldAQuantity = true; // each field a number not below zero
    bool anyConcentration = false;   // some concentration above zero
    bool unitsListed = false;        // both unit indices name an item
};

InputFacts factsOf(const PressOfCalculate& press)
{
    InputFacts facts;
    for (std::size_t i = 0; i < press.fields.size(); ++i) {
        const std::optional<double> value = dosecalc::parseNumber(press.fields[i], press.decimalSeparator);
        if (!value || !(*value >= 0.0))
            facts.everyFieldAQuantity = false;
        else if (i < 3 && *value > 0.0)
            facts.anyConcentration = true;
    }
    const auto listed = [](int index) { return index >= 0 && index < 3; };
    facts.unitsListed = listed(press.sievertUnit) && listed(press.grayUnit);
    return facts;
}

void checkError(const PressOfCalculate& press, dosecalc::InputError error, const InputFacts& facts)
{
    require(!dosecalc::messageFor(error).empty(), press, "every error has a message");
    require(dosecalc::messageFor(error) != dosecalc::promptMessage, press, "an error message is not the prompt");
    const bool routeMissing = press.route == dosecalc::noRoute && facts.anyConcentration;
    switch (error) {
    case dosecalc::InputError::notANumber:
        require(!facts.everyFieldAQuantity, press, "'not a number' only when a field holds no quantity");
        return;
    case dosecalc::InputError::routeNotChosen:
        require(facts.everyFieldAQuantity && routeMissing, press,
                "'choose a route' only for concentrations without a route");
        return;
    case dosecalc::InputError::unitNotListed:
        require(facts.everyFieldAQuantity && !routeMissing && !facts.unitsListed, press,
                "'choose a unit' only for a unit that names no item");
        return;
    case dosecalc::InputError::tooLarge:
        require(facts.everyFieldAQuantity && !routeMissing && facts.unitsListed, press,
                "'too large' only for valid inputs");
        return;
    }
    broken(press, "the error is one of the four");
}

std::vector<std::u16string_view> linesOf(std::u16string_view text)
{
    std::vector<std::u16string_view> lines;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(u'\n', start);
        lines.push_back(text.substr(start, end == std::u16string_view::npos ? end : end - start));
        if (end == std::u16string_view::npos)
            return lines;
        start = end + 1;
    }
}

std::u16string percentText(int percent)
{
    std::u16string text;
    for (const char c : std::to_string(percent))
        text += static_cast<char16_t>(c);
    return text + u" %";
}

void checkBreakdown(const PressOfCalculate& press, const dosecalc::CalculationResult& result)
{
    double sum = 0.0;
    std::size_t nonZeroTerms = 0;
    for (const long double term : result.terms) {
        require(std::isfinite(term) && term >= 0, press, "every term is finite and not negative");
        sum = static_cast<double>(sum + term);
        nonZeroTerms += term != 0 ? 1 : 0;
    }
    require(sum == result.dose, press, "the terms add up to the dose, rounded after each addition");

    if (result.dose == 0.0) {
        require(result.breakdownText == dosecalc::zeroBreakdown, press, "a dose of 0 has the one-line breakdown");
        return;
    }
    const std::vector<dosecalc::BreakdownLine> lines = dosecalc::breakdownLines({result.terms, result.dose});
    require(lines.size() == nonZeroTerms, press, "the breakdown lists every term that is not 0, and only those");
    const std::vector<std::u16string_view> texts = linesOf(result.breakdownText);
    require(texts.size() == lines.size() + 1 && texts[0] == dosecalc::breakdownHeading, press,
            "the breakdown text is the heading and one line a term");
    int percentSum = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const dosecalc::BreakdownLine& line = lines[i];
        require(line.value == result.terms[static_cast<std::size_t>(line.term)], press, "a line shows its own term");
        require(i == 0 || lines[i - 1].value >= line.value, press, "the largest term comes first");
        require(line.percent >= 0 && line.percent <= 100, press, "a share is 0..100 %");
        percentSum += line.percent;
        const std::u16string value = dosecalc::formatDose(static_cast<double>(line.value), press.decimalSeparator);
        require(texts[i + 1].find(value + u" mSv ") != std::u16string_view::npos, press,
                "a line shows its term as the dose is shown");
        require(texts[i + 1].ends_with(percentText(line.percent)), press, "a line ends with its share");
    }
    // Each share rounded to whole percent is off by half a percent at most.
    require(2 * std::abs(percentSum - 100) <= static_cast<int>(lines.size()), press, "the shares add up to 100 %");
}

void checkResult(const PressOfCalculate& press, const dosecalc::CalculationResult& result, const InputFacts& facts)
{
    require(facts.everyFieldAQuantity, press, "a result only when every field holds a quantity");
    require(press.route != dosecalc::noRoute || !facts.anyConcentration, press,
            "a result only with a route for the concentrations");
    require(facts.unitsListed, press, "a result only with both units listed");

    const double dose = result.dose;
    require(std::isfinite(dose), press, "a shown dose is finite");
    require(dose >= 0.0, press, "a shown dose is not negative");

    const dosecalc::Verdict& verdict = result.verdict;
    require(verdict.level >= 0 && verdict.level < dosecalc::verdictLevelCount, press, "the level is 0..8");
    require(verdict.level == dosecalc::verdictLevel(dose), press, "the level is verdictLevel(dose)");
    require(verdict.colour == dosecalc::gaugeColour(verdict.level), press, "the gauge has its level's colour");
    require(verdict.scene == dosecalc::verdictRows[static_cast<std::size_t>(verdict.level)].scene, press,
            "the scene is its level's row");
    require(verdict.gaugePosition >= dosecalc::gaugeMinimum && verdict.gaugePosition <= dosecalc::gaugeMaximum,
            press, "the gauge position is 0..110");

    require(result.doseText.size() >= 6, press, "the dose text has at least six characters");
    const std::optional<double> shown = dosecalc::parseNumber(result.doseText, press.decimalSeparator);
    require(shown.has_value(), press, "the dose text reads back as a number");
    // Two decimals, rounded to nearest: off by half a hundredth at most, plus the rounding of a
    // large dose to the nearest double when the text is read back.
    const double tolerance = 0.005 * (1 + 1e-9) + std::abs(dose) * 4 * DBL_EPSILON;
    require(std::abs(*shown - dose) <= tolerance, press, "the dose text is the dose to two decimals");
    // Where it is too long to be shown, the short form reads true to three significant digits (near
    // the largest double, 1.80e+308 reads as beyond the range).
    const std::optional<double> brief =
        dosecalc::parseNumber(dosecalc::shortDoseText(dose, press.decimalSeparator), press.decimalSeparator);
    require(brief && (std::isinf(*brief) ? dose >= 1.795e308 : std::abs(*brief - dose) <= 0.005 * dose + DBL_TRUE_MIN),
            press, "the short dose text is the dose to three significant digits");

    checkBreakdown(press, result);
}

} // namespace

void checkCalculation(const PressOfCalculate& press)
{
    const dosecalc::CalculationOutcome outcome = dosecalc::calculate(press.input());
    const InputFacts facts = factsOf(press);
    if (const auto* error = std::get_if<dosecalc::InputError>(&outcome))
        checkError(press, *error, facts);
    else if (const auto* result = std::get_if<dosecalc::CalculationResult>(&outcome))
        checkResult(press, *result, facts);
    else
        broken(press, "every input gives an error or a result");
}

} // namespace fuzzinput
