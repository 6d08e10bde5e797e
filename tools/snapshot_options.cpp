#include "snapshot_options.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <system_error>

const char* const snapshotUsage =
    "usage: dosecalc-snapshot --out FILE.png [--face N] [--decor-a N] [--decor-b N] [--decor-c N]\n"
    "                         [--angle D] [--bands v1,v2,...] [--threshold T] [--extra E] [--size WxH]\n"
    "   or: dosecalc-snapshot --batch\n"
    "Renders one frame of the face panel, as the running program draws it, into a PNG file.\n"
    "Defaults: face 1, decorations 0, 0 and 45, angle 1, 14 zero bands, threshold 60, extra 0,\n"
    "size 241x177. --bands takes 0 to 20 numbers and sets the band count.\n"
    "With --batch, reads such options (blank-separated, no quoting) for one snapshot a line from\n"
    "standard input and renders each in turn, as that many runs would; a bad line renders nothing.\n";

namespace {

// Appended piece by piece: g++ 12 at -O3 takes "\"" + std::string(...) for an overlapping copy
// (-Wrestrict, a false positive of its inliner) and warned in every release build.
std::string quoted(std::string_view text)
{
    std::string result;
    result.reserve(text.size() + 2);
    result += '"';
    result += text;
    result += '"';
    return result;
}

std::optional<std::int32_t> parseInteger(std::string_view text)
{
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<double> parseNumber(std::string_view text)
{
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// Takes the band list; returns an error line or nothing.
std::optional<std::string> parseBands(std::string_view text, std::vector<double>& bands)
{
    bands.clear();
    if (text.empty())
        return std::nullopt;
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        const std::optional<double> value = parseNumber(item);
        if (!value)
            return "--bands takes numbers separated by commas, not " + quoted(item);
        bands.push_back(*value);
        if (bands.size() > 20)
            return std::string("--bands takes at most 20 values");
        if (comma == std::string_view::npos)
            return std::nullopt;
        text.remove_prefix(comma + 1);
    }
}

std::optional<std::string> parseSize(std::string_view text, int& width, int& height)
{
    const std::size_t x = text.find('x');
    const std::optional<std::int32_t> w =
        x == std::string_view::npos ? std::nullopt : parseInteger(text.substr(0, x));
    const std::optional<std::int32_t> h =
        x == std::string_view::npos ? std::nullopt : parseInteger(text.substr(x + 1));
    if (!w || !h || *w < 1 || *h < 1 || *w > maxSnapshotSide || *h > maxSnapshotSide)
        return "--size takes WIDTHxHEIGHT, each from 1 to " + std::to_string(maxSnapshotSide)
               + ", not " + quoted(text);
    width = *w;
    height = *h;
    return std::nullopt;
}

} // namespace

SnapshotArguments parseSnapshotArguments(const std::vector<std::string_view>& arguments)
{
    SnapshotArguments result;
    SnapshotOptions& o = result.options;
    const auto fail = [&result](std::string message) {
        result.outcome = SnapshotArguments::Outcome::error;
        result.error = std::move(message);
        return result;
    };
    bool haveOut = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view name = arguments[i];
        if (name == "--help" || name == "-h") {
            result.outcome = SnapshotArguments::Outcome::help;
            return result;
        }
        std::optional<std::string_view> value;
        if (const std::size_t equals = name.find('=');
            name.starts_with("--") && equals != std::string_view::npos) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
        }
        std::int32_t* integer = nullptr;
        if (name == "--face")
            integer = &o.frame.faceType;
        else if (name == "--decor-a")
            integer = &o.frame.decorA;
        else if (name == "--decor-b")
            integer = &o.frame.decorB;
        else if (name == "--decor-c")
            integer = &o.frame.decorC;
        else if (name == "--angle")
            integer = &o.frame.angle;
        else if (name == "--threshold")
            integer = &o.frame.threshold;
        else if (name == "--extra")
            integer = &o.frame.extra;
        else if (name != "--out" && name != "--bands" && name != "--size")
            return fail("unknown option " + quoted(name) + " (see --help)");

        if (!value) {
            if (i + 1 == arguments.size())
                return fail(std::string(name) + " needs a value");
            value = arguments[++i];
        }
        if (integer != nullptr) {
            const std::optional<std::int32_t> parsed = parseInteger(*value);
            if (!parsed)
                return fail(std::string(name)
                            + " takes a whole number from -2147483648 to 2147483647, not "
                            + quoted(*value));
            *integer = *parsed;
        } else if (name == "--out") {
            if (value->empty())
                return fail("--out needs a file name");
            o.out = std::string(*value);
            haveOut = true;
        } else if (name == "--bands") {
            if (auto error = parseBands(*value, o.frame.bands))
                return fail(*error);
        } else if (auto error = parseSize(*value, o.width, o.height)) {
            return fail(*error);
        }
    }
    if (!haveOut)
        return fail("--out FILE.png is required (see --help)");
    result.outcome = SnapshotArguments::Outcome::render;
    return result;
}
