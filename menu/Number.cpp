#include "menu/Number.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace Menu {

namespace {

// Past this a float's digits are not worth showing, and the scaled value
// below still fits an int64 with six decimals.
constexpr double LargestShown = 1e12;
constexpr std::int32_t MostDecimals = 6;

// 10 to the power of 0 to MostDecimals.
constexpr double PowersOfTen[] = {1.0, 10.0, 100.0, 1000.0, 10000.0, 100000.0, 1000000.0};

double PowerOfTen(std::int32_t exponent) {
    return PowersOfTen[std::clamp(exponent, 0, MostDecimals)];
}

// Digits of a value below 10^18, written backwards from end; where they start.
char* WriteDigits(char* end, std::uint64_t value, std::int32_t atLeast) {
    char* at = end;
    do {
        *--at = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0 || end - at < atLeast);
    return at;
}

DecimalText FloatText(double value, std::int32_t decimals) {
    DecimalText text;
    if (!std::isfinite(value) || std::fabs(value) >= LargestShown) {
        text.digits[0] = '?';
        text.length = 1;
        return text;
    }
    const std::int32_t digits = std::clamp(decimals, 0, MostDecimals);
    const double scale = PowerOfTen(digits);
    // Halves away from zero, as llround does, without a call into the library.
    const double scaled = value * scale;
    const auto rounded = static_cast<std::int64_t>(scaled < 0.0 ? scaled - 0.5 : scaled + 0.5);
    const auto magnitude = static_cast<std::uint64_t>(rounded < 0 ? -rounded : rounded);
    const auto whole = static_cast<std::uint64_t>(scale);
    // Written from the end of a scratch buffer: fraction, point, whole part, sign.
    char scratch[sizeof text.digits];
    char* const end = scratch + sizeof scratch;
    char* at = end;
    if (digits > 0) {
        at = WriteDigits(at, magnitude % whole, digits);
        *--at = '.';
    }
    at = WriteDigits(at, magnitude / whole, 1);
    if (rounded < 0) {
        *--at = '-';
    }
    text.length = static_cast<std::size_t>(end - at);
    std::memcpy(text.digits, at, text.length);
    return text;
}

double Clamped(const Option& row, double value) {
    return std::clamp(value, row.numberMin, std::max(row.numberMin, row.numberMax));
}

bool StepInteger(Option& row, bool right) {
    const auto step = static_cast<std::int64_t>(row.numberStep);
    const std::int64_t current = *row.numberTarget;
    const double next = Clamped(row, static_cast<double>(right ? current + step : current - step));
    const auto value = static_cast<std::int32_t>(next);
    if (value == *row.numberTarget) {
        return false;
    }
    *row.numberTarget = value;
    return true;
}

bool StepFloat(Option& row, bool right) {
    const double current = *row.floatTarget;
    double next = row.numberMin;
    if (std::isfinite(current)) {
        // Counted in steps from min, so no error piles up from step to step.
        const double steps = std::round((current - row.numberMin) / row.numberStep) + (right ? 1.0 : -1.0);
        next = Clamped(row, row.numberMin + steps * row.numberStep);
        const double scale = PowerOfTen(std::clamp(row.decimals, 0, MostDecimals));
        next = Clamped(row, std::round(next * scale) / scale);
    }
    const auto value = static_cast<float>(next);
    if (value == *row.floatTarget) {
        return false;
    }
    *row.floatTarget = value;
    return true;
}

} // namespace

DecimalText NumberText(const Option& row) {
    if (row.numberTarget != nullptr) {
        return Decimal(*row.numberTarget);
    }
    if (row.floatTarget != nullptr) {
        return FloatText(*row.floatTarget, row.decimals);
    }
    return {};
}

bool StepNumber(Option& row, bool right) {
    if (row.numberTarget != nullptr) {
        return StepInteger(row, right);
    }
    if (row.floatTarget != nullptr) {
        return StepFloat(row, right);
    }
    return false;
}

void ShowNumber(Option& row) {
    const double value = row.numberTarget != nullptr  ? *row.numberTarget
                         : row.floatTarget != nullptr ? static_cast<double>(*row.floatTarget)
                                                      : 0.0;
    // A NaN never equals itself, so it is shown afresh each time, as "?".
    if (value == row.frame.numberShown) {
        return;
    }
    row.valueText.assign(NumberText(row).View());
    row.frame.numberShown = value;
}

} // namespace Menu
