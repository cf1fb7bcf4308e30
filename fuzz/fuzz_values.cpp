// The value parser on arbitrary text, and every value it accepts formatted in every notation
// with 1 to 3 decimals: no text may crash them, and a finite value never shows as "inf" or
// "nan", nor as an empty text.
#include "values/DisplayOptions.h"
#include "values/EinstellungenundRoutinen.h"
#include "values/Errors.h"
#include "values/ZahlenEinundAusgabe.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <QString>

using namespace ampero;

namespace {

void check(const QString& shown, const char* what, double value)
{
    if (shown.trimmed().isEmpty() || shown.contains(QLatin1String("inf"), Qt::CaseInsensitive) ||
        shown.contains(QLatin1String("nan"), Qt::CaseInsensitive)) {
        std::fprintf(stderr, "%s of %.17g shows \"%s\"\n", what, value, qPrintable(shown));
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    // The first byte picks the separator, the rest is the text.
    setPunktKomma(data[0] & 1 ? QLatin1Char('.') : QLatin1Char(','));
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1),
                                           static_cast<qsizetype>(size - 1));
    double value = 0;
    try {
        value = Zahleneingabe(text);
    } catch (const Error&) {
        return 0;
    }
    if (!std::isfinite(value)) {
        std::fprintf(stderr, "\"%s\" parses to %g\n", qPrintable(text), value);
        std::abort();
    }
    for (int decimals = 1; decimals <= 3; ++decimals) {
        setNachkomma(decimals);
        for (const Notation n : {Notation::Prefix, Notation::Sci, Notation::Eng}) {
            setNotation(n);
            check(displayWithUnit(value, QStringLiteral("Ω")), "displayWithUnit", value);
        }
        check(Zahlenausgabe(value), "Zahlenausgabe", value);
        check(fixedText(value, decimals), "fixedText", value);
        check(exponentText(value, decimals, 2), "exponentText", value);
        // What the program shows, it reads back.
        try {
            setNotation(Notation::Sci);
            const double again = Zahleneingabe(displayWithUnit(value, QStringLiteral("Ω")));
            // half a unit of the last decimal of a mantissa of at least 1
            const double tolerance = std::fabs(value) * 0.51 * std::pow(10.0, -decimals);
            if (!(std::fabs(again - value) <= tolerance) && value != 0 &&
                std::fabs(value) > 1e-300) {
                std::fprintf(stderr, "%.17g reads back as %.17g\n", value, again);
                std::abort();
            }
        } catch (const Error& e) {
            std::fprintf(stderr, "%.17g shown does not read back: %s\n", value, e.what());
            std::abort();
        }
    }
    return 0;
}
