// Value texts: the parser, the prefix/SCI/ENG formatters, fixed and exponent texts, the
// locale float conversion and the texts of the standard error report.
#include "values/DisplayOptions.h"
#include "values/EinstellungenundRoutinen.h"
#include "values/Errors.h"
#include "values/FloatGuard.h"
#include "values/ZahlenEinundAusgabe.h"

#include <QtTest>

using namespace ampero;

namespace {

// A value in the three notations: prefix text, SCI and ENG.
QStringList shownAs(long double value)
{
    QStringList texts{Zahlenausgabe(value)};
    setNotation(Notation::Sci);
    texts << technischeNotation(value);
    setNotation(Notation::Eng);
    texts << technischeNotation(value);
    setNotation(Notation::Prefix);
    return texts;
}

} // namespace

class TestValues : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        setPunktKomma(QLatin1Char(','));
        setNachkomma(2);
        setNotation(Notation::Prefix);
    }

    void parses_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("prefix k") << "47k" << 47000.0;
        QTest::newRow("prefix and unit") << "4,7 kΩ" << 4700.0;
        QTest::newRow("nano") << "100 nF" << 1e-7;
        QTest::newRow("u for micro") << "2,2uH" << 2.2e-6;
        QTest::newRow("micro sign") << "2,2 µH" << 2.2e-6;
        QTest::newRow("greek mu is no prefix") << "2,2μH" << 2.2;
        QTest::newRow("negative milli") << "-12,5 m" << -0.0125;
        QTest::newRow("exponent") << "1,5E3" << 1500.0;
        QTest::newRow("small e exponent") << "1,5e-3" << 0.0015;
        QTest::newRow("SCI display") << "2,50E+03 Hz" << 2500.0;
        QTest::newRow("ENG display") << "2,50E03 Hz" << 2500.0;
        QTest::newRow("ENG negative exponent") << "10,00E-03 V" << 0.01;
        QTest::newRow("E then blank is exa") << "3 E" << 3e18;
        QTest::newRow("lone E is exa") << "3E" << 3e18;
        QTest::newRow("E with digit is exponent") << "3E3" << 3000.0;
        QTest::newRow("capital K is no prefix") << "5 K" << 5.0;
        QTest::newRow("K after the number") << "5K" << 5.0;
        QTest::newRow("four exponent chars only") << "1E-1234" << 1e-123;
        QTest::newRow("E before e") << "5e2E3" << 52000.0;
        QTest::newRow("exponent chars among four") << "2E1 E5" << 2e15;
        QTest::newRow("e only without E") << "2e2 mV" << 200.0;
        QTest::newRow("leading blanks") << "   7 mA" << 0.007;
        QTest::newRow("plus sign") << "+5 k" << 5000.0;
        QTest::newRow("display with dB unit") << "-108,751 dBm" << -108.751;
        QTest::newRow("too small becomes zero") << "1E-4999" << 0.0;
        QTest::newRow("exact lower decade") << "10f" << 1e-14;
        QTest::newRow("long exponent, four chars") << "0,01e-2147483648" << 1e-216;
        // a prefix letter between digits is the decimal point and the factor
        QTest::newRow("4k7") << "4k7" << 4700.0;
        QTest::newRow("1k5") << "1k5" << 1500.0;
        QTest::newRow("K between digits") << "2K2" << 2200.0;
        QTest::newRow("1M5") << "1M5" << 1.5e6;
        QTest::newRow("2m2 is milli") << "2m2" << 2.2e-3;
        QTest::newRow("4n7") << "4n7" << 4.7e-9;
        QTest::newRow("2p2") << "2p2" << 2.2e-12;
        QTest::newRow("4µ7") << "4µ7" << 4.7e-6;
        QTest::newRow("4u7") << "4u7" << 4.7e-6;
        QTest::newRow("10k0") << "10k0" << 10000.0;
        QTest::newRow("negative") << "-4k7" << -4700.0;
        QTest::newRow("unit after it") << "4k7 Ω" << 4700.0;
        QTest::newRow("no second prefix") << "4k7 k" << 4700.0;
        QTest::newRow("stray digits join") << "4k7 5" << 4750.0;
        QTest::newRow("lone E after it is no exa") << "4k7 E" << 4700.0;
        QTest::newRow("blank before the letter") << "4 k7" << 47000.0;
        QTest::newRow("greek mu between digits") << "4μ7" << 47.0;
        QTest::newRow("E between digits is exponent") << "4E7" << 4e7;
    }
    void parses()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(Zahleneingabe(text), value);
    }

    void rejects_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("wrong separator") << "1.5" << "'1.5' ist kein gültiger Gleitkommawert";
        QTest::newRow("no digits") << "abc" << "'' ist kein gültiger Gleitkommawert";
        QTest::newRow("empty") << "" << "'' ist kein gültiger Gleitkommawert";
        QTest::newRow("sign inside digits") << "1-2" << "'1-2' ist kein gültiger Gleitkommawert";
        QTest::newRow("two separators") << "1,2,3" << "'1,2,3' ist kein gültiger Gleitkommawert";
        QTest::newRow("exponent sign only") << "1E+" << "'+' ist kein gültiger Integerwert";
        QTest::newRow("exponent with trailing sign") << "1E5-" << "'5-' ist kein gültiger Integerwert";
        QTest::newRow("too large") << "1E400" << "Gleitkommaüberlauf";
        QTest::newRow("far too large") << "1E5000" << "Gleitkommaüberlauf";
        QTest::newRow("exponent of int max") << "1e2147483647" << "Gleitkommaüberlauf";
        QTest::newRow("long mantissa, long exponent") << "99999999999e2147483640"
                                                     << "Gleitkommaüberlauf";
        // a prefix letter between digits is a separator: a second one fails as "1,2,3" does
        QTest::newRow("separator after 4k7") << "4k7,5" << "'4,7,5' ist kein gültiger Gleitkommawert";
        QTest::newRow("separator before 7k5") << "4,7k5" << "'4,7,5' ist kein gültiger Gleitkommawert";
        QTest::newRow("two letters") << "1k5k3" << "'1,5,3' ist kein gültiger Gleitkommawert";
        QTest::newRow("letter before exponent") << "4k7E3" << "'4k7E3' ist kein gültiger Gleitkommawert";
        QTest::newRow("K before small e") << "4K7e3" << "'4K7e3' ist kein gültiger Gleitkommawert";
    }
    void rejects()
    {
        QFETCH(QString, text);
        QFETCH(QString, message);
        try {
            Zahleneingabe(text);
            QFAIL("parsed");
        } catch (const ParseError& e) {
            QCOMPARE(e.message(), message);
        }
    }

    // The letter stands for the separator in use, whichever that is.
    void componentValuesWithDecimalPoint()
    {
        setPunktKomma(QLatin1Char('.'));
        QCOMPARE(Zahleneingabe("4k7"), 4700.0);
        QCOMPARE(Zahleneingabe("4.7k"), 4700.0);
        QVERIFY_THROWS_EXCEPTION(ParseError, Zahleneingabe("4k7.5"));
        QVERIFY_THROWS_EXCEPTION(ParseError, Zahleneingabe("4k7,5"));
    }

    void formats_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("sci");
        QTest::addColumn<QString>("eng");
        QTest::newRow("4700") << 4700.0 << "4,70 k" << "4,70E+03" << "4,70E03";
        QTest::newRow("50") << 50.0 << "50,00 " << "5,00E+01" << "50,00E00";
        QTest::newRow("2.2e-6") << 2.2e-6 << "2,20 µ" << "2,20E-06" << "2,20E-06";
        QTest::newRow("-0.0125") << -0.0125 << "-12,50 m" << "-1,25E-02" << "-12,50E-03";
        QTest::newRow("0") << 0.0 << "0,00 " << "0,00E+00" << "0,00E00";
        QTest::newRow("just below a decade") << 999.999 << "1000,00 " << "1,00E+03" << "1000,00E00";
        QTest::newRow("below yocto") << 1e-30 << "0,00 y" << "1,00E-30" << "0,00E00";
        QTest::newRow("tie in extended") << 2675.0 << "2,68 k" << "2,68E+03" << "2,68E03";
        QTest::newRow("exact micro") << 1e-6 << "1,00 µ" << "1,00E-06" << "1,00E-06";
        QTest::newRow("exact pico") << 1e-12 << "1,00 p" << "1,00E-12" << "1,00E-12";
        QTest::newRow("exact yotta") << 1e24 << "1,00 Y" << "1,00E+24" << "1,00E24";
        QTest::newRow("above yotta") << 1e27 << "1000,00 Y" << "1,00E+27" << "1000,00E24";
        QTest::newRow("negative mega") << -3.3e6 << "-3,30 M" << "-3,30E+06" << "-3,30E06";
    }
    void formats()
    {
        QFETCH(double, value);
        QFETCH(QString, prefix);
        QFETCH(QString, sci);
        QFETCH(QString, eng);
        QCOMPARE(shownAs(value), QStringList({prefix, sci, eng}));
    }

    // Decades computed in extended precision lie on either side of the 64-bit decade; both
    // take the decade's step.
    void computedDecades()
    {
        QCOMPARE(shownAs(0.001L), QStringList({"1,00 m", "1,00E-03", "1,00E-03"}));
        QCOMPARE(shownAs(1.0L / 1e6L), QStringList({"1,00 µ", "1,00E-06", "1,00E-06"}));
        QCOMPARE(shownAs(std::pow(10.0L, 0.0L) * 0.001L), QStringList({"1,00 m", "1,00E-03", "1,00E-03"}));
        QCOMPARE(shownAs(1e-12L), QStringList({"1,00 p", "1,00E-12", "1,00E-12"}));
        QCOMPARE(shownAs(1e-9L), QStringList({"1,00 n", "1,00E-09", "1,00E-09"}));
    }

    void displayWithUnitFollowsNotation()
    {
        QCOMPARE(displayWithUnit(20, "V"), QString("20,00 V"));
        setNotation(Notation::Sci);
        QCOMPARE(displayWithUnit(20, "V"), QString("2,00E+01 V"));
        setNotation(Notation::Eng);
        QCOMPARE(displayWithUnit(20, "V"), QString("20,00E00 V"));
    }

    void redisplayedTextsParseBack()
    {
        for (auto n : {Notation::Prefix, Notation::Sci, Notation::Eng}) {
            setNotation(n);
            for (double v : {4700.0, -0.0125, 2.2e-6, 50.0, 1.5e13}) {
                const QString shown = displayWithUnit(v, QStringLiteral("Ω"));
                QCOMPARE(Zahleneingabe(shown), Zahleneingabe(displayWithUnit(v, QString())));
                QVERIFY2(qAbs(Zahleneingabe(shown) - v) <= qAbs(v) * 0.005, qPrintable(shown));
            }
        }
    }

    void decimalsOption()
    {
        setNotation(Notation::Sci);
        setNachkomma(1);
        QCOMPARE(technischeNotation(4700), QString("4,7E+03"));
        setNachkomma(3);
        QCOMPARE(technischeNotation(4700), QString("4,700E+03"));
        QCOMPARE(Zahlenausgabe(4700), QString("4,700 k"));
    }

    void fixedAndExponentTexts()
    {
        QCOMPARE(fixedText(0.125L, 2), QString("0,13")); // ties away from zero
        QCOMPARE(fixedText(-0.125L, 2), QString("-0,13"));
        QCOMPARE(fixedText(-3.5L, 2), QString("-3,50"));
        QCOMPARE(fixedText(0.0049L, 2), QString("0,00"));
        QCOMPARE(fixedText(-0.001L, 2), QString("0,00"));
        QCOMPARE(fixedText(9.995L, 2), QString("10,00"));
        QCOMPARE(fixedText(1234567.0L, 0), QString("1234567"));
        QCOMPARE(fixedText(0.5L, 0), QString("1"));
        QCOMPARE(fixedText(0.3L, 0), QString("0"));
        QCOMPARE(fixedText(1e20L, 1), QString("100000000000000000000,0"));
        QCOMPARE(exponentText(4700, 2, 3), QString("4,70E+003"));
        QCOMPARE(exponentText(0.0125L, 2, 2), QString("1,25E-02"));
        QCOMPARE(exponentText(9.996L, 2, 2), QString("1,00E+01"));
        QCOMPARE(exponentText(-0.00099L, 2, 2), QString("-9,90E-04"));
    }

    void localeFloatConversion_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "10" << true << 10.0;
        QTest::newRow("separator") << "1,5" << true << 1.5;
        QTest::newRow("blanks around") << " 8e+14 " << true << 8e14;
        QTest::newRow("exponent") << "1585e-27" << true << 1585e-27;
        QTest::newRow("signed") << "-298" << true << -298.0;
        QTest::newRow("plus sign") << "+2,5" << true << 2.5;
        QTest::newRow("two signs") << "+-2" << false << 0.0;
        QTest::newRow("other separator") << "1.5" << false << 0.0;
        QTest::newRow("thousands") << "1.000,5" << false << 0.0;
        QTest::newRow("blank inside") << "1 000" << false << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("sign only") << "-" << false << 0.0;
        QTest::newRow("unit") << "10 dB" << false << 0.0;
        QTest::newRow("exponent without digits") << "1E" << false << 0.0;
        QTest::newRow("huge") << "1e99999" << false << 0.0;
        QTest::newRow("tiny becomes zero") << "1e-99999" << true << 0.0;
        // exponents beyond int: too large fails as "huge" does, too small is zero
        QTest::newRow("exponent int max") << "1e2147483647" << false << 0.0;
        QTest::newRow("exponent int max - 1") << "1e2147483646" << false << 0.0;
        QTest::newRow("exponent int min, small mantissa") << "0,01e-2147483648" << true << 0.0;
        QTest::newRow("long mantissa, exponent near int max")
            << "99999999999e2147483640" << false << 0.0;
        QTest::newRow("exponent beyond long long") << "1e99999999999999999999999" << false << 0.0;
        QTest::newRow("negative exponent beyond long long")
            << "-5e-99999999999999999999999" << true << 0.0;
        QTest::newRow("many digits against the exponent")
            << "1" + QString(5000, '0') + "e-5000" << true << 1.0;
    }
    void localeFloatConversion()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, value);
        long double v = 0;
        QCOMPARE(tryStrToFloat(text, v), ok);
        if (ok)
            QCOMPARE(static_cast<double>(v), value);
    }

    void pointAsSeparator()
    {
        setPunktKomma(QLatin1Char('.'));
        QCOMPARE(Zahleneingabe("1.5 k"), 1500.0);
        QVERIFY_THROWS_EXCEPTION(ParseError, Zahleneingabe("1,5"));
        QCOMPARE(displayWithUnit(20, "V"), QString("20.00 V"));
        QCOMPARE(exponentText(4700, 2, 2), QString("4.70E+03"));
    }

    void standardReportText()
    {
        QCOMPARE(withFullStop("Gleitkommaüberlauf"), QString("Gleitkommaüberlauf."));
        QCOMPARE(withFullStop("'' ist kein gültiger Gleitkommawert"),
                 QString("'' ist kein gültiger Gleitkommawert."));
        QCOMPARE(withFullStop("Achtung!"), QString("Achtung!"));
        QCOMPARE(withFullStop("Ende."), QString("Ende."));
        QCOMPARE(withFullStop(""), QString(""));
    }

    void floatFaults()
    {
        volatile long double zero = 0;
        clearFloatFaults();
        volatile long double q = 1 / zero;
        Q_UNUSED(q);
        try {
            checkFloatFaults();
            QFAIL("no fault reported");
        } catch (const FloatFault& e) {
            QCOMPARE(e.message(), QString("Gleitkommadivision durch Null"));
        }
        checkFloatFaults(); // the report clears the flags

        volatile long double r = std::sqrt(-1.0L + zero);
        Q_UNUSED(r);
        QVERIFY_THROWS_EXCEPTION(FloatFault, checkFloatFaults());

        volatile long double big = 1e4900L;
        volatile long double o = big * big;
        Q_UNUSED(o);
        QVERIFY_THROWS_EXCEPTION(FloatFault, checkFloatFaults());
    }

    void parserLeavesNoFaultBehind()
    {
        clearFloatFaults();
        QCOMPARE(Zahleneingabe("1E-9999"), 0.0); // 10^9999 overflows on the way to zero
        QVERIFY_THROWS_EXCEPTION(ParseError, Zahleneingabe("1E9999"));
        long double v = 0;
        QVERIFY(!tryStrToFloat("1e4933", v)); // beyond long double
        QVERIFY(tryStrToFloat("1e-4960", v));
        QVERIFY_THROWS_EXCEPTION(ParseError, strToFloat("1e99999"));
        checkFloatFaults();
    }

    // A report quotes at most 100 characters of a value; a megabyte of it froze the box.
    void reportsCutLongValues()
    {
        QCOMPARE(shownValue(QString(100, 'x')), QString(100, 'x'));
        QCOMPARE(shownValue(QString(101, 'x')), QString(100, 'x') + "…");
        const QString emoji = QString(99, 'x') + QString::fromUtf8("😀") + "y"; // a surrogate pair
        QCOMPARE(shownValue(emoji), QString(99, 'x') + "…");
        try {
            strToFloat(QString(1 << 20, '7') + "x");
            QFAIL("parsed");
        } catch (const ParseError& e) {
            QCOMPARE(e.message(), "'" + QString(100, '7') + "…' ist kein gültiger Gleitkommawert");
        }
    }
};

QTEST_APPLESS_MAIN(TestValues)
#include "tst_values.moc"
