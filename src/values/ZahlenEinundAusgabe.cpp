#include "ZahlenEinundAusgabe.h"

#include "DisplayOptions.h"
#include "Errors.h"
#include "FloatGuard.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace ampero {

namespace {

constexpr QChar kBlank = QLatin1Char(' ');

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

bool isExponentChar(QChar c)
{
    return c == QLatin1Char('+') || c == QLatin1Char('-') || isDigit(c);
}

bool isMantissaChar(QChar c)
{
    return c == QLatin1Char('+') || c == QLatin1Char(',') || c == QLatin1Char('-') ||
           c == QLatin1Char('.') || isDigit(c);
}

struct Prefix {
    char16_t letter;
    long double factor;
};

// Vorsatz: the prefix letters. "u" and "µ" (U+00B5) both stand for micro.
// clang-format off
constexpr std::array<Prefix, 17> kVorsatz{{
    {u'Y', 1e24L}, {u'Z', 1e21L}, {u'E', 1e18L},  {u'P', 1e15L},  {u'T', 1e12L}, {u'G', 1e9L},
    {u'M', 1e6L},  {u'k', 1e3L},  {u'm', 1e-3L},  {u'u', 1e-6L},  {u'µ', 1e-6L}, {u'n', 1e-9L},
    {u'p', 1e-12L}, {u'f', 1e-15L}, {u'a', 1e-18L}, {u'z', 1e-21L}, {u'y', 1e-24L},
}};
// clang-format on

const Prefix* findPrefix(QChar c)
{
    for (const Prefix& p : kVorsatz)
        if (c.unicode() == p.letter)
            return &p;
    return nullptr;
}

long double prefixFactor(QChar c)
{
    const Prefix* p = findPrefix(c);
    return p ? p->factor : 1.0L;
}

// Component values as schematics write them ("4k7", "2p2", "1M5"): a prefix letter between
// two digits is the decimal point and the multiplier at once. There "K" is "k" as well; "E"
// never is one, it stays the exponent (or exa after the number).
const Prefix* infixPrefix(const QString& s, qsizetype j)
{
    if (j == 0 || j + 1 >= s.size() || !isDigit(s[j - 1]) || !isDigit(s[j + 1]))
        return nullptr;
    static constexpr Prefix kKilo{u'k', 1e3L};
    if (s[j] == QLatin1Char('K'))
        return &kKilo;
    if (s[j] == QLatin1Char('E'))
        return nullptr;
    return findPrefix(s[j]);
}

// The position of the first such letter before `end`, or -1.
qsizetype firstInfixPrefix(const QString& s, qsizetype end)
{
    for (qsizetype j = 1; j + 1 < end; ++j)
        if (infixPrefix(s, j))
            return j;
    return -1;
}

void skipLeadingBlanks(QString& s)
{
    qsizetype i = 0;
    while (i < s.size() && s[i] == kBlank)
        ++i;
    s.remove(0, i);
}

// 10^n by repeated squaring in extended precision.
long double powerOfTen(int n)
{
    long double result = 1.0L;
    long double base = 10.0L;
    for (unsigned e = static_cast<unsigned>(std::abs(n)); e != 0;) {
        if (e & 1u)
            result *= base;
        e >>= 1;
        if (e != 0)
            base *= base;
    }
    return n < 0 ? 1.0L / result : result;
}

// The integer conversion of the exponent digits: an optional sign and decimal digits
// (at most four characters, so no overflow).
bool toInt(const QString& s, int& value)
{
    qsizetype i = 0;
    const bool negative = !s.isEmpty() && s[0] == QLatin1Char('-');
    if (!s.isEmpty() && (s[0] == QLatin1Char('+') || negative))
        ++i;
    if (i == s.size())
        return false;
    int v = 0;
    for (; i < s.size(); ++i) {
        if (!isDigit(s[i]))
            return false;
        v = v * 10 + (s[i].unicode() - '0');
    }
    value = negative ? -v : v;
    return true;
}

double toDouble(long double r)
{
    if (std::isnan(r))
        throw ParseError(QStringLiteral("Ungültige Gleitkommaoperation"));
    const double d = static_cast<double>(r);
    if (std::isinf(d))
        throw ParseError(QStringLiteral("Gleitkommaüberlauf"));
    return d;
}

// The magnitude expanded to 18 significant decimal digits: value = 0.d1d2...d18 * 10^(exp10 + 1).
struct Digits {
    std::string d;
    int exp10 = 0;
};

Digits digits18(long double magnitude)
{
    std::array<char, 64> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude,
                                   std::chars_format::scientific, 17);
    const std::string s(buf.data(), res.ptr); // "d.ddddddddddddddddde+XX"
    const auto e = s.find('e');
    Digits out;
    out.d.reserve(18);
    out.d += s[0];
    out.d.append(s, 2, e - 2);
    const char* first = s.data() + e + 1;
    if (*first == '+')
        ++first;
    std::from_chars(first, s.data() + s.size(), out.exp10);
    return out;
}

// Adds one to a decimal digit string; returns true when a new leading digit was needed.
bool incrementDigits(std::string& digits)
{
    for (auto i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
    return true;
}

QString nonFiniteText(long double v)
{
    if (std::isnan(v))
        return QStringLiteral("NAN");
    return v < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

} // namespace

bool tryStrToFloat(const QString& text, long double& value)
{
    const FloatFlagsKeeper keepFlags; // a refused or underflowing text is no fault of the caller

    qsizetype i = 0;
    qsizetype end = text.size();
    while (i < end && text[i] == kBlank)
        ++i;
    while (end > i && text[end - 1] == kBlank)
        --end;

    std::string ascii;
    if (i < end && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        if (text[i] == QLatin1Char('-')) // from_chars takes no "+"
            ascii += '-';
        ++i;
    }
    qsizetype mantissaDigits = 0;
    long long magnitude = 0; // decimal position of the first significant digit, for underflow
    bool significant = false;
    for (; i < end && isDigit(text[i]); ++i, ++mantissaDigits) {
        ascii += static_cast<char>(text[i].unicode());
        significant = significant || text[i] != QLatin1Char('0');
        if (significant)
            ++magnitude;
    }
    if (i < end && text[i] == punktKomma()) {
        ascii += '.';
        for (++i; i < end && isDigit(text[i]); ++i, ++mantissaDigits) {
            ascii += static_cast<char>(text[i].unicode());
            if (!significant && text[i] == QLatin1Char('0'))
                --magnitude;
            significant = significant || text[i] != QLatin1Char('0');
        }
    }
    if (mantissaDigits == 0)
        return false;
    long long exponent = 0;
    if (i < end && (text[i] == QLatin1Char('E') || text[i] == QLatin1Char('e'))) {
        ascii += 'e';
        ++i;
        bool negative = false;
        if (i < end && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
            negative = text[i] == QLatin1Char('-');
            ascii += static_cast<char>(text[i++].unicode());
        }
        // Saturates: only the sign matters once the exponent is far outside long double, and
        // the underflow test below must not overflow for any number of digits.
        constexpr long long kSaturated = 1'000'000'000;
        qsizetype expDigits = 0;
        for (; i < end && isDigit(text[i]); ++i, ++expDigits) {
            ascii += static_cast<char>(text[i].unicode());
            exponent = std::min(exponent * 10 + (text[i].unicode() - '0'), kSaturated);
        }
        if (expDigits == 0)
            return false;
        if (negative)
            exponent = -exponent;
    }
    if (i != end)
        return false;

    long double result = 0;
    const auto res = std::from_chars(ascii.data(), ascii.data() + ascii.size(), result);
    if (res.ec == std::errc::result_out_of_range) {
        if (!significant || magnitude + exponent < 0) { // too small: it becomes zero
            value = !ascii.empty() && ascii[0] == '-' ? -0.0L : 0.0L;
            return true;
        }
        return false; // too large, however large the exponent
    }
    if (res.ec != std::errc() || res.ptr != ascii.data() + ascii.size())
        return false;
    value = result;
    return true;
}

long double strToFloat(const QString& s)
{
    long double v = 0;
    if (!tryStrToFloat(s, v))
        throw ParseError(QLatin1Char('\'') + shownValue(s) +
                         QStringLiteral("' ist kein gültiger Gleitkommawert"));
    return v;
}

double Zahleneingabe(const QString& s)
{
    const FloatFlagsKeeper keepFlags; // 10^n may overflow on the way to a valid zero

    qsizetype e = s.indexOf(QLatin1Char('E'));
    if (e < 0)
        e = s.indexOf(QLatin1Char('e'));

    if (e >= 0 && e + 1 < s.size() && isExponentChar(s[e + 1])) {
        QString expDigits;
        for (qsizetype k = e + 1; k <= e + 4 && k < s.size(); ++k)
            if (isExponentChar(s[k]))
                expDigits += s[k];
        int n = 0;
        if (!toInt(expDigits, n))
            throw ParseError(QLatin1Char('\'') + expDigits +
                             QStringLiteral("' ist kein gültiger Integerwert"));
        const long double power = powerOfTen(n);

        // "4k7E3" would be a decimal point and an exponent for one number
        if (firstInfixPrefix(s, e) >= 0)
            throw ParseError(QLatin1Char('\'') + shownValue(s) +
                             QStringLiteral("' ist kein gültiger Gleitkommawert"));
        QString mantissa;
        for (qsizetype k = 0; k < e; ++k)
            if (isMantissaChar(s[k]))
                mantissa += s[k];
        return toDouble(strToFloat(mantissa) * power);
    }

    if (const qsizetype j = firstInfixPrefix(s, s.size()); j >= 0) {
        // The mantissa is gathered as usual with each such letter as the decimal separator,
        // so a second one ("1k5k3") or a separator beside it ("4k7,5") fails as "1,2,3" does.
        // The letter gave the factor: no prefix is looked for after the number.
        QString mantissa;
        for (qsizetype k = 0; k < s.size(); ++k) {
            if (infixPrefix(s, k))
                mantissa += punktKomma();
            else if (isMantissaChar(s[k]))
                mantissa += s[k];
        }
        return toDouble(strToFloat(mantissa) * infixPrefix(s, j)->factor);
    }

    QString rest = s;
    skipLeadingBlanks(rest);
    QString mantissa;
    for (QChar c : rest)
        if (isMantissaChar(c))
            mantissa += c;
    const long double m = strToFloat(mantissa);
    rest.remove(0, mantissa.size());
    skipLeadingBlanks(rest);
    const long double factor = rest.isEmpty() ? 1.0L : prefixFactor(rest[0]);
    return toDouble(m * factor);
}

QString fixedText(long double v, int decimals)
{
    if (!std::isfinite(v))
        return nonFiniteText(v);
    decimals = std::clamp(decimals, 0, 18);

    // n = |v| * 10^decimals rounded, as a digit string
    std::string n = "0";
    const long double a = std::fabs(v);
    if (a != 0) {
        const Digits g = digits18(a);
        const int shift = g.exp10 - 17 + decimals; // n = d * 10^shift
        if (shift >= 0) {
            n = g.d + std::string(static_cast<size_t>(shift), '0');
        } else if (shift >= -18) {
            const auto kept = static_cast<size_t>(18 + shift);
            n = kept == 0 ? std::string("0") : g.d.substr(0, kept);
            if (g.d[kept] >= '5')
                incrementDigits(n);
        }
    }
    const auto firstNonZero = n.find_first_not_of('0');
    const bool zero = firstNonZero == std::string::npos;
    n.erase(0, zero ? n.size() : firstNonZero);
    if (n.size() <= static_cast<size_t>(decimals))
        n.insert(0, static_cast<size_t>(decimals) + 1 - n.size(), '0');

    QString out;
    if (v < 0 && !zero)
        out += QLatin1Char('-');
    const auto intDigits = n.size() - static_cast<size_t>(decimals);
    out += QString::fromLatin1(n.data(), static_cast<qsizetype>(intDigits));
    if (decimals > 0) {
        out += punktKomma();
        out += QString::fromLatin1(n.data() + intDigits, decimals);
    }
    return out;
}

QString fixedText(long double v) { return fixedText(v, nachkomma()); }

QString exponentText(long double v, int decimals, int expDigits)
{
    if (!std::isfinite(v))
        return nonFiniteText(v);
    const int precision = std::clamp(decimals, 0, 17) + 1;

    std::string m(static_cast<size_t>(precision), '0');
    int exp10 = 0;
    if (v != 0) {
        const Digits g = digits18(std::fabs(v));
        m = g.d.substr(0, static_cast<size_t>(precision));
        exp10 = g.exp10;
        if (precision < 18 && g.d[static_cast<size_t>(precision)] >= '5' && incrementDigits(m)) {
            m.pop_back();
            ++exp10;
        }
    }

    QString out;
    if (v < 0)
        out += QLatin1Char('-');
    out += QLatin1Char(m[0]);
    if (precision > 1) {
        out += punktKomma();
        out += QString::fromLatin1(m.data() + 1, precision - 1);
    }
    out += QLatin1Char('E');
    out += exp10 < 0 ? QLatin1Char('-') : QLatin1Char('+');
    out += QString::number(std::abs(exp10)).rightJustified(expDigits, QLatin1Char('0'));
    return out;
}

QString exponentText(long double v, int expDigits)
{
    return exponentText(v, nachkomma(), expDigits);
}

namespace {

struct Step {
    double threshold;  // the decade, as a 64-bit value
    long double scale; // exact in extended precision
    bool divide;
    const char* prefix;
};

// Prefix ladder; the last step (below 1e-21) is "y".
// clang-format off
constexpr std::array<Step, 16> kPrefixSteps{{
    {1e24, 1e24L, true, " Y"},    {1e21, 1e21L, true, " Z"},
    {1e18, 1e18L, true, " E"},    {1e15, 1e15L, true, " P"},
    {1e12, 1e12L, true, " T"},    {1e9, 1e9L, true, " G"},
    {1e6, 1e6L, true, " M"},       {1e3, 1e3L, true, " k"},
    {1.0, 1.0L, true, " "},                      {1e-3, 1e3L, false, " m"},
    {1e-6, 1e6L, false, " µ"},    {1e-9, 1e9L, false, " n"},
    {1e-12, 1e12L, false, " p"}, {1e-15, 1e15L, false, " f"},
    {1e-18, 1e18L, false, " a"}, {1e-21, 1e21L, false, " z"},
}};
// clang-format on

} // namespace

QString Zahlenausgabe(double w)
{
    if (w == 0)
        return fixedText(0) + kBlank;
    const long double a = std::fabs(static_cast<long double>(w));
    long double mantissa = a * 1e24L;
    QString prefix = QStringLiteral(" y");
    for (const Step& step : kPrefixSteps) {
        if (a >= step.threshold) {
            mantissa = step.divide ? a / step.scale : a * step.scale;
            prefix = QString::fromUtf8(step.prefix);
            break;
        }
    }
    return fixedText(w < 0 ? -mantissa : mantissa) + prefix;
}

} // namespace ampero
