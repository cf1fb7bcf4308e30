// Enter in an input field, apart from the widgets: empty texts, parse, range and messages.
#include "values/DisplayOptions.h"
#include "values/FloatGuard.h"
#include "values/InputProtocol.h"

#include <QtTest>

using namespace ampero;

namespace {

const FieldRule kVoltage{.min = "1e-12", .max = "1e12"};
const FieldRule kGain{.messages = MessageSet::B, .min = "-298", .max = "298",
                      .reason = " dB ist nicht richtig !", .unit = " dB"};
const FieldRule kFactor{.messages = MessageSet::B, .min = "129e-13", .max = "8e+14 "};
const FieldRule kQuality{.parser = Parser::Plain, .messages = MessageSet::CwithB, .min = "1e-6",
                         .max = "1e+6"};
const FieldRule kFrequency{.min = "1e-14", .max = "1e+14"};

} // namespace

Q_DECLARE_METATYPE(ampero::FieldRule)

class TestInputProtocol : public QObject {
    Q_OBJECT

private slots:
    void init() { setPunktKomma(QLatin1Char(',')); }

    void verdicts_data()
    {
        QTest::addColumn<FieldRule>("rule");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        QTest::addColumn<double>("value");

        QTest::newRow("value field") << kVoltage << "20" << int(Verdict::Accept) << "" << 20.0;
        QTest::newRow("empty value field does nothing")
            << kVoltage << "" << int(Verdict::Ignore) << "" << 0.0;
        QTest::newRow("value field, no number")
            << kVoltage << "abc" << int(Verdict::Reject) << "ungültige Eingabe \"abc\"" << 0.0;
        QTest::newRow("value field, out of range")
            << kVoltage << "2T" << int(Verdict::Reject)
            << "Die Eingabe \"2T\" ist außerhalb des zulässigen Wertebereichs \r\rzulässiger "
               "Wertebereich: 1e-12 bis 1e12"
            << 0.0;
        QTest::newRow("lower bound is accepted")
            << kFrequency << "10f" << int(Verdict::Accept) << "" << 1e-14;
        QTest::newRow("below lower bound")
            << kFrequency << "9f" << int(Verdict::Reject)
            << "Die Eingabe \"9f\" ist außerhalb des zulässigen Wertebereichs \r\rzulässiger "
               "Wertebereich: 1e-14 bis 1e+14"
            << 0.0;
        QTest::newRow("upper bound is accepted")
            << kGain << "298" << int(Verdict::Accept) << "" << 298.0;
        QTest::newRow("empty number field is no number")
            << kGain << "" << int(Verdict::Reject)
            << "Die eingegebene Zahl  ist keine Gleitkommazahl !" << 0.0;
        QTest::newRow("number field out of range")
            << kGain << "299" << int(Verdict::Reject)
            << "Die eingegebene Zahl299 dB ist nicht richtig !\r\r        zulässiger "
               "Bereich:-298 bis 298 dB"
            << 0.0;
        QTest::newRow("bound with trailing blank")
            << kFactor << "1E15" << int(Verdict::Reject)
            << "Die eingegebene Zahl1E15 ist nicht richtig !\r\r        zulässiger "
               "Bereich:129e-13 bis 8e+14 "
            << 0.0;
        QTest::newRow("plain number") << kQuality << " 12,5 " << int(Verdict::Accept) << "" << 12.5;
        QTest::newRow("plain number takes no prefix")
            << kQuality << "10k" << int(Verdict::Reject)
            << "Die eingegebene Zahl10k  ist keine Gleitkommazahl !" << 0.0;
        QTest::newRow("set C range message")
            << kQuality << "2e6" << int(Verdict::Reject)
            << "Die Eingabe2e6  ist ausserhalb\r\rdes gültigen Wertebereiches:1e-6 bis 1e+6" << 0.0;
        // Numbers beyond a 64-bit value: each ends in its one message and leaves no fault
        // flag behind for a second report.
        QTest::newRow("plain number beyond a 64-bit value is out of range")
            << kQuality << "1e400" << int(Verdict::Reject)
            << "Die Eingabe1e400  ist ausserhalb\r\rdes gültigen Wertebereiches:1e-6 bis 1e+6"
            << 0.0;
        QTest::newRow("plain number beyond long double is no number")
            << kQuality << "1e4933" << int(Verdict::Reject)
            << "Die eingegebene Zahl1e4933  ist keine Gleitkommazahl !" << 0.0;
        QTest::newRow("plain number below a 64-bit value is zero")
            << kQuality << "1e-400" << int(Verdict::Reject)
            << "Die Eingabe1e-400  ist ausserhalb\r\rdes gültigen Wertebereiches:1e-6 bis 1e+6"
            << 0.0;
        QTest::newRow("value too large")
            << kVoltage << "1e4933" << int(Verdict::Reject) << "ungültige Eingabe \"1e4933\""
            << 0.0;
    }
    void verdicts()
    {
        QFETCH(FieldRule, rule);
        QFETCH(QString, text);
        QFETCH(int, kind);
        QFETCH(QString, message);
        QFETCH(double, value);
        clearFloatFaults();
        const Verdict v = checkEntry(rule, text);
        QCOMPARE(fetestexcept(kFaultFlags), 0);
        QCOMPARE(int(v.kind), kind);
        QCOMPARE(v.message, message);
        if (v.kind == Verdict::Accept)
            QCOMPARE(v.value, value);
    }

    void setCWithParseMessageA()
    {
        const FieldRule rule{.parser = Parser::Plain, .messages = MessageSet::CwithA, .min = "1",
                             .max = "2"};
        QCOMPARE(int(checkEntry(rule, "").kind), int(Verdict::Ignore));
        QCOMPARE(checkEntry(rule, "x").message, QString("ungültige Eingabe \"x\""));
    }

    // A field's own check runs after the parse and before the range test, and its message
    // refuses the entry.
    void checkBetweenParseAndRange_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("unparsable: the parse message") << "x" << int(Verdict::Reject)
                                                        << "ungültige Eingabe \"x\"";
        QTest::newRow("refused by the check") << "50" << int(Verdict::Reject) << "gleich groß";
        QTest::newRow("refused by the check before the range test")
            << "2T" << int(Verdict::Reject) << "gleich groß";
        QTest::newRow("passes the check, out of range")
            << "20T" << int(Verdict::Reject)
            << "Die Eingabe \"20T\" ist außerhalb des zulässigen Wertebereichs \r\rzulässiger "
               "Wertebereich: 1e-12 bis 1e12";
        QTest::newRow("passes both") << "100" << int(Verdict::Accept) << "";
    }
    void checkBetweenParseAndRange()
    {
        QFETCH(QString, text);
        QFETCH(int, kind);
        QFETCH(QString, message);
        int checked = 0;
        const EntryCheck sameAsOther = [&checked](double v) {
            ++checked;
            return v == 50 || v == 2e12 ? QStringLiteral("gleich groß") : QString();
        };
        const Verdict verdict = checkEntry(kVoltage, text, sameAsOther);
        QCOMPARE(int(verdict.kind), kind);
        QCOMPARE(verdict.message, message);
        QCOMPARE(checked, text == "x" ? 0 : 1);
    }

    // A bound can be tested as one number and named in the message as another text.
    void boundsShownOtherThanTested_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("kind");
        QTest::newRow("below the tested bound") << "0,9997" << int(Verdict::Accept);
        QTest::newRow("at the tested bound") << "0,99975" << int(Verdict::Accept);
        QTest::newRow("above it") << "0,9998" << int(Verdict::Reject);
    }
    void boundsShownOtherThanTested()
    {
        QFETCH(QString, text);
        QFETCH(int, kind);
        const FieldRule reflection{.min = "0", .max = "0,99975", .maxShown = "0.999"};
        const Verdict verdict = checkEntry(reflection, text);
        QCOMPARE(int(verdict.kind), kind);
        if (verdict.kind == Verdict::Reject)
            QCOMPARE(verdict.message,
                     "Die Eingabe \"" + text +
                         "\" ist außerhalb des zulässigen Wertebereichs \r\rzulässiger "
                         "Wertebereich: 0 bis 0.999");
    }
};

QTEST_APPLESS_MAIN(TestInputProtocol)
#include "tst_inputprotocol.moc"
