#include "joints/general_number.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace velmora {
namespace {

// A number's decimal digits, without leading zeros, and where its point stands: the
// value is 0.<digits> × 10^point. Worked out from the text itself, so that no locale
// (a desktop program runs in the user's, where the point may be a comma) and no
// binary rounding comes between what the sheet stores and what is shown.

struct Decimal {
    bool negative = false;
    std::string digits;
    long point = 0;
};

std::optional<Decimal> decimalOf(std::string_view text) {
    Decimal d;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        d.negative = text[i] == '-';
        ++i;
    }
    bool seenPoint = false;
    bool anyDigit = false;
    for (; i < text.size() && text[i] != 'e' && text[i] != 'E'; ++i) {
        if (text[i] == '.' && !seenPoint) {
            seenPoint = true;
        } else if (text[i] >= '0' && text[i] <= '9') {
            anyDigit = true;
            if (d.digits.empty() && text[i] == '0') {
                d.point -= seenPoint ? 1 : 0;
            } else {
                d.digits += text[i];
                d.point += seenPoint ? 0 : 1;
            }
        } else {
            return std::nullopt;
        }
    }
    if (!anyDigit) {
        return std::nullopt;
    }
    if (i < text.size()) {
        long exponent = 0;
        std::string_view e = text.substr(i + 1);
        if (!e.empty() && e.front() == '+') {
            e.remove_prefix(1);
        }
        const auto [end, error] = std::from_chars(e.data(), e.data() + e.size(), exponent);
        if (e.empty() || error != std::errc() || end != e.data() + e.size() || exponent > 400 ||
            exponent < -400) {
            return std::nullopt;
        }
        d.point += exponent;
    }
    while (!d.digits.empty() && d.digits.back() == '0') {
        d.digits.pop_back();
    }
    return d;
}

// Rounded, half away from zero, to `kept` digits (the point moves where a carry adds one).
void roundTo(Decimal& d, long kept) {
    if (kept < 0) {
        d.digits.clear();
        return;
    }
    if (static_cast<std::size_t>(kept) >= d.digits.size()) {
        return;
    }
    const bool up = d.digits[static_cast<std::size_t>(kept)] >= '5';
    d.digits.resize(static_cast<std::size_t>(kept));
    if (up) {
        std::size_t at = d.digits.size();
        while (at > 0 && d.digits[at - 1] == '9') {
            d.digits.pop_back();
            --at;
        }
        if (at == 0) {
            d.digits.assign(1, '1');
            ++d.point;
        } else {
            ++d.digits[at - 1];
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0') {
        d.digits.pop_back();
    }
}

} // namespace

std::string generalNumberText(std::string_view stored) {
    std::optional<Decimal> number = decimalOf(stored);
    if (!number) {
        return std::string(stored);
    }
    Decimal& d = *number;
    constexpr long kWidth = 11; // characters General gives a number
    const std::string sign = d.negative ? "-" : "";
    if (d.digits.empty()) {
        return "0";
    }
    const auto digit = [&d](long k) {
        return k >= 0 && static_cast<std::size_t>(k) < d.digits.size()
                   ? d.digits[static_cast<std::size_t>(k)]
                   : '0';
    };
    if (d.point <= kWidth && d.point > -4) {
        const long room = std::max(kWidth - (d.negative ? 1 : 0) - std::max(d.point, 1L) - 1, 0L);
        roundTo(d, d.point + room);
        if (d.digits.empty()) {
            return "0";
        }
        if (d.point <= kWidth) {
            std::string whole;
            for (long k = 0; k < d.point; ++k) {
                whole += digit(k);
            }
            std::string fraction;
            for (long k = std::max(d.point, 0L); k < static_cast<long>(d.digits.size()); ++k) {
                fraction += digit(k);
            }
            fraction.insert(0, static_cast<std::size_t>(std::max(-d.point, 0L)), '0');
            std::string shown = sign + (whole.empty() ? "0" : whole);
            if (!fraction.empty()) {
                shown += '.';
                shown += fraction;
            }
            return shown;
        }
    }
    roundTo(d, 6);
    std::string mantissa(1, digit(0));
    if (d.digits.size() > 1) {
        mantissa += '.';
        mantissa.append(d.digits, 1);
    }
    const long exponent = d.point - 1;
    const std::string power = std::to_string(exponent < 0 ? -exponent : exponent);
    return sign + mantissa + "E" + (exponent < 0 ? "-" : "+") + (power.size() < 2 ? "0" : "") +
           power;
}

} // namespace velmora
