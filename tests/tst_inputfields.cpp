// The widget side of an input field's table row: a rule chosen by the text, units that differ
// by notation, and a row without its field.
#include "support/Driver.h"
#include "values/DisplayOptions.h"
#include "widgets/EditField.h"
#include "widgets/InputFields.h"

#include <QApplication>
#include <QProcess>
#include <QVBoxLayout>
#include <QtTest>

using namespace ampero;

namespace {

// A power field as the voltage/current windows have it: "dBm" in the text reads a level.
bool isLevel(const QString& text)
{
    return text.contains(QLatin1String("dBm")) || text.contains(QLatin1String("dbm"));
}

} // namespace

class TestInputFields : public QObject {
    Q_OBJECT

    QWidget* m_window = nullptr;
    EditField* m_power = nullptr;
    EditField* m_frequency = nullptr;
    EditField* m_imaginary = nullptr;
    double m_watts = 0;

private slots:
    void initTestCase()
    {
        setPunktKomma(QLatin1Char(','));
        setNachkomma(2);
        m_window = new QWidget;
        auto* layout = new QVBoxLayout(m_window);
        m_power = new EditField("E_P", m_window);
        m_frequency = new EditField("E_F", m_window);
        m_imaginary = new EditField("E_Zj", m_window);
        for (EditField* f : {m_power, m_frequency, m_imaginary})
            layout->addWidget(f);
        const auto record = [this](double w) { m_watts = w; };
        connectInputFields({
            {m_power,
             {.min = "1e-3", .max = "1e24"},
             withUnit("W"),
             record,
             {},
             {{isLevel,
               {.min = "-150", .max = "150"},
               fixedWith(" dBm"),
               [record](double dbm) { record(std::pow(10.0, dbm / 10) * 0.001); }}}},
            {m_frequency, {.min = "1e-16", .max = "1e+16"}, withUnits("Hz", " Hz "), {}},
            {m_imaginary, {.min = "-1e+5", .max = "1e+5"}, withUnits("Ω", " Ω", " "), {}},
        });
        m_window->show();
        QVERIFY(driver::activate(m_window));
    }
    void cleanupTestCase() { delete m_window; }
    void init() { setNotation(Notation::Prefix); }

    void theTextChoosesTheRule_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<double>("watts");
        QTest::addColumn<QString>("message");
        QTest::newRow("watts") << "2" << "2,00 W" << 2.0 << "";
        QTest::newRow("a level in dBm") << "30 dBm" << "30,00 dBm" << 1.0 << "";
        QTest::newRow("written small") << "-10dbm" << "-10,00 dBm" << 1e-4 << "";
        QTest::newRow("a level outside its own range")
            << "200 dBm" << "1,00 W" << 1.0
            << "Die Eingabe \"200 dBm\" ist außerhalb des zulässigen Wertebereichs \n\nzulässiger "
               "Wertebereich: -150 bis 150";
        QTest::newRow("watts below their range")
            << "100u" << "1,00 W" << 1.0
            << "Die Eingabe \"100u\" ist außerhalb des zulässigen Wertebereichs \n\nzulässiger "
               "Wertebereich: 1e-3 bis 1e24";
    }
    void theTextChoosesTheRule()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(double, watts);
        QFETCH(QString, message);
        m_power->setFieldText("1,00 W");
        m_watts = 1;
        const auto boxes = driver::boxesDuring([&] {
            m_power->setFocus();
            QTest::keyClick(m_power, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(m_power, typed);
            QTest::keyClick(m_power, Qt::Key_Return);
        });
        QCOMPARE(boxes.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QCOMPARE(boxes[0].text, message);
        QCOMPARE(m_power->text(), shown);
        QVERIFY(qAbs(m_watts - watts) <= 1e-12 * watts);
    }

    // " Hz " and a leading blank before imaginary parts only where the notation asks for them.
    void unitsDifferByNotation_data()
    {
        QTest::addColumn<int>("notation");
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("imaginary");
        QTest::newRow("prefix") << 0 << "10,00 MHz" << " -5,00 Ω";
        QTest::newRow("SCI") << 1 << "1,00E+07 Hz " << " -5,00E+00 Ω";
        QTest::newRow("ENG") << 2 << "10,00E06 Hz " << " -5,00E00 Ω";
    }
    void unitsDifferByNotation()
    {
        QFETCH(int, notation);
        QFETCH(QString, frequency);
        QFETCH(QString, imaginary);
        setNotation(static_cast<Notation>(notation));
        for (auto [field, typed] : {std::pair{m_frequency, QString("10M")},
                                    std::pair{m_imaginary, QString("-5")}}) {
            field->setFocus();
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(field, typed);
            QTest::keyClick(field, Qt::Key_Return);
        }
        QCOMPARE(m_frequency->text(), frequency);
        QCOMPARE(m_imaginary->text(), imaginary);
    }

    // A table row that lost its field stops the program at start, with a message, in every
    // build type (the program runs this test binary once more to see it).
    void aRowWithoutItsFieldStopsTheProgram()
    {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("AMPERO_TEST_ROW_WITHOUT_FIELD", "1");
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(20000));
        QVERIFY(child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0);
        QVERIFY2(child.readAllStandardError().contains("a row without its field"),
                 "no message on stderr");
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("AMPERO_TEST_ROW_WITHOUT_FIELD")) {
        connectInputFields({{nullptr, {}, {}, {}}});
        return 0; // not reached
    }
    TestInputFields test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_inputfields.moc"
