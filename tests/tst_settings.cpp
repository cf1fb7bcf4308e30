// The settings file: the INI document, typed reading with its fallbacks, colour names and
// the atomic write.
#include "settings/IniDocument.h"
#include "settings/Store361.h"
#include "settings/StoredSettings.h"
#include "values/DisplayOptions.h"
#include "values/Errors.h"
#include "values/FloatGuard.h"

#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace ampero;

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void init() { setPunktKomma(QLatin1Char(',')); }

    void namesMatchWithoutRegardToCase()
    {
        const auto ini = IniDocument::fromText("[optionen]\nkommastellen = 2\n");
        QCOMPARE(ini.value("Optionen", "Kommastellen").value_or("none"), QString("2"));
        QVERIFY(!ini.value("Optionen", "Stellen"));
    }

    void unknownLinesSurviveAndSectionsAreSeparatedByOneEmptyLine()
    {
        auto ini = IniDocument::fromText("[dB-U]\r\nUin-Zahl=20,00 V\r\n; by hand\r\nMein=Wert\r\n\r\n\r\n"
                                         "[Eigenes]\r\nx = 1\r\n");
        ini.setValue("DB-U", "uin-zahl", "30,00 V");
        ini.setValue("Optionen", "Kommastellen", "3");
        QCOMPARE(ini.toText(), QString("[dB-U]\nUin-Zahl=30,00 V\n; by hand\nMein=Wert\n\n"
                                       "[Eigenes]\nx = 1\n\n"
                                       "[Optionen]\nKommastellen=3\n"));
    }

    // Whatever a hand-edited file holds outside the program's keys comes back as it was.
    void unknownSectionsAndLinesAreWrittenAsRead_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("empty section name") << "[A]\na=1\n\n[]\nb=2\n\n[C]\nc=3\n";
        QTest::newRow("empty section first") << "[]\nb=2\n\n[A]\na=1\n";
        QTest::newRow("blanks in a header") << "[ Mein Abschnitt ]\nx=1\n\n  [eingerückt]  \ny=2\n";
        QTest::newRow("bracket inside a name") << "[a]b]\nx=1\n\n[[doppelt]]\ny=2\n";
        QTest::newRow("lines before any header") << "; Notiz\nlose=1\n\n[A]\na=1\n";
        QTest::newRow("blanks around keys and values") << "[A]\n  k  =  v w  \n\tt\t=\t1\n";
        QTest::newRow("no key before the equals sign") << "[A]\n=ohne Schlüssel\n==\n";
        QTest::newRow("comments and other lines") << "[A]\n; Kommentar\n# Raute\nnur Text\n;k=v\n";
        QTest::newRow("quotes as read") << "[A]\nq=\"  \"\nr=\"\"\ns=\"\n";
        QTest::newRow("a lone bracket") << "[\nx=1\n]\n";
        QTest::newRow("repeated key") << "[A]\nk=1\nK=2\n";
        QTest::newRow("characters beyond Latin-1") << "[Ω µ 😀]\nΩ=😀\n";
    }
    void unknownSectionsAndLinesAreWrittenAsRead()
    {
        QFETCH(QString, file);
        auto ini = IniDocument::fromText(file);
        QCOMPARE(ini.toText(), file);
        ini.setValue("Optionen", "Kommastellen", "2"); // a key of the program, added at the end
        QCOMPARE(ini.toText(), file + "\n[Optionen]\nKommastellen=2\n");
        QCOMPARE(IniDocument::fromText(ini.toText()).toText(), ini.toText());
    }

    void sectionWithAnEmptyNameKeepsItsLines()
    {
        auto ini = IniDocument::fromText("[A]\na=1\n[]\na=2\n");
        QCOMPARE(ini.value("A", "a").value_or(""), QString("1"));
        QCOMPARE(ini.value("", "a").value_or(""), QString("2"));
        ini.setValue("A", "a", "3");
        QCOMPARE(ini.toText(), QString("[A]\na=3\n\n[]\na=2\n"));
    }

    // A text set is a text read back, blanks and quotes included; written twice, the bytes
    // are the same.
    void textsReadBackExactly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("blanks only") << "      ";
        QTest::newRow("leading blank") << " 20,00 V";
        QTest::newRow("trailing blank") << "20,00 V ";
        QTest::newRow("tab") << "\t";
        QTest::newRow("no-break space at the end") << QString("1,00 k") + QChar(0xA0);
        QTest::newRow("enclosed in quotes") << "\"x\"";
        QTest::newRow("two quotes") << "\"\"";
        QTest::newRow("one quote") << "\"";
        QTest::newRow("quote at one end") << "\"20,00 V";
        QTest::newRow("quoted blanks") << "\" \"";
        QTest::newRow("equals signs") << "a=b=";
        QTest::newRow("semicolon first") << ";1";
        QTest::newRow("bracketed") << "[x]";
        QTest::newRow("empty") << "";
    }
    void textsReadBackExactly()
    {
        QFETCH(QString, text);
        IniDocument ini;
        ini.setValue("RC-Glieder", "WiderstandR2", text);
        const QByteArray once = ini.toBytes();
        const auto read = IniDocument::fromBytes(once);
        QCOMPARE(read.value("RC-Glieder", "WiderstandR2").value_or("missing"), text);
        auto again = read;
        again.setValue("RC-Glieder", "WiderstandR2", *read.value("RC-Glieder", "WiderstandR2"));
        QCOMPARE(again.toBytes(), once);
    }

    // A text with a line break (pasted into a field) stays one line of its key.
    void lineBreaksInATextAddNoLines()
    {
        IniDocument ini;
        ini.setValue("dB-U", "Uin-Zahl", "20\n[Optionen]\r\nKommastellen=-5");
        QCOMPARE(ini.toText(), QString("[dB-U]\nUin-Zahl=20 [Optionen]  Kommastellen=-5\n"));
        QVERIFY(!IniDocument::fromText(ini.toText()).value("Optionen", "Kommastellen"));
    }

    // Line ends of a file edited elsewhere: written as "\n", and the same the next time.
    void carriageReturnsAtLineEnds()
    {
        const auto ini = IniDocument::fromText("[A]\r\r\nk=1\r\n; x\r\r\n");
        QCOMPARE(ini.toText(), QString("[A]\nk=1\n; x\n"));
        QCOMPARE(IniDocument::fromText(ini.toText()).toText(), ini.toText());
    }

    // Lookups are hashed: many sections and keys, in any case, still find their own.
    void manySectionsAndKeys()
    {
        QString text;
        for (int i = 0; i < 20000; ++i)
            text += QStringLiteral("[Abschnitt%1]\nSchluessel=%1\n").arg(i);
        for (int i = 0; i < 20000; ++i)
            text += QStringLiteral("[abschnitt0]\nk%1=%1\n").arg(i); // one section, repeated
        auto ini = IniDocument::fromText(text);
        QCOMPARE(ini.value("ABSCHNITT19999", "schluessel").value_or(""), QString("19999"));
        QCOMPARE(ini.value("Abschnitt0", "K19999").value_or(""), QString("19999"));
        ini.setValue("abschnitt12345", "SCHLUESSEL", "neu");
        ini.setValue("Abschnitt0", "k5", "fuenf");
        QCOMPARE(ini.value("Abschnitt12345", "Schluessel").value_or(""), QString("neu"));
        const auto read = IniDocument::fromText(ini.toText());
        QCOMPARE(read.value("Abschnitt12345", "Schluessel").value_or(""), QString("neu"));
        QCOMPARE(read.value("Abschnitt0", "k5").value_or(""), QString("fuenf"));
        QCOMPARE(read.entries().size(), 20000 + 20000);
        QCOMPARE(read.entries().first().section, QString("Abschnitt0"));
    }

    void writtenInUtf8WithByteOrderMark()
    {
        IniDocument ini;
        ini.setValue("dBm", "Impedanz", "50,000 Ω");
        const QByteArray bytes = ini.toBytes();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF[dBm]\n"));
        QCOMPARE(IniDocument::fromBytes(bytes).value("dBm", "Impedanz").value_or(""),
                 QString("50,000 Ω"));
    }

    void fileWithoutByteOrderMarkIsWindows1252()
    {
        const QByteArray bytes("[XL]\nWirkR=6,283 \xA6\x80\x96\xC4\n");
        QCOMPARE(IniDocument::fromBytes(bytes).value("XL", "WirkR").value_or(""),
                 QString("6,283 ¦€–Ä"));
    }

    void fieldTextsTakeTheSeparatorInUse()
    {
        const auto ini = IniDocument::fromText("[dB-U]\nUin-Zahl=20,00 V\n");
        setPunktKomma(QLatin1Char('.'));
        const StoredSettings stored(ini, QLatin1Char(','));
        QCOMPARE(stored.fieldText("dB-U", "Uin-Zahl", "1,000"), QString("20.00 V"));
        QCOMPARE(stored.fieldText("dB-U", "Uout-Zahl", "200,000"), QString("200.000"));
    }

    void numbersFallBackToTheirDefaults_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("integer");
        QTest::addColumn<bool>("boolean");
        QTest::addColumn<double>("floating");
        QTest::newRow("plain") << "2" << 2 << true << 2.0;
        QTest::newRow("blanks and sign") << " -3 " << -3 << true << -3.0;
        QTest::newRow("hex") << "$1F" << 31 << true << 7.5;
        QTest::newRow("zero") << "0" << 0 << false << 0.0;
        QTest::newRow("decimal") << "1,01" << 7 << true << 1.01;
        QTest::newRow("not a number") << "zwei" << 7 << true << 7.5;
        QTest::newRow("empty") << "" << 7 << true << 7.5;
        QTest::newRow("int min") << "-2147483648" << int(-2147483648LL) << true << -2147483648.0;
        QTest::newRow("beyond int") << "2147483648" << 7 << true << 2147483648.0;
        QTest::newRow("beyond long long") << "-99999999999999999999" << 7 << true << -1e20;
        QTest::newRow("hex beyond long long") << "$FFFFFFFFFFFFFFFFF" << 7 << true << 7.5;
        QTest::newRow("beyond a 64-bit value") << "-1e400" << 7 << true << 7.5;
    }
    void numbersFallBackToTheirDefaults()
    {
        QFETCH(QString, stored);
        QFETCH(int, integer);
        QFETCH(bool, boolean);
        QFETCH(double, floating);
        const auto ini = IniDocument::fromText("[S]\nk=" + stored + "\n");
        const StoredSettings s(ini, QLatin1Char(','));
        clearFloatFaults();
        QCOMPARE(s.integer("S", "k", 7), integer);
        QCOMPARE(s.boolean("S", "k", true), boolean);
        QCOMPARE(s.floating("S", "k", 7.5), floating);
        QCOMPARE(s.integer("S", "missing", 7), 7);
        QCOMPARE(fetestexcept(kFaultFlags), 0); // nothing for the load's handler to report
    }

    void radioIndexes_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("item");
        QTest::newRow("stored item") << "1" << 1;
        QTest::newRow("negative takes its fallback") << "-1" << 2;
        QTest::newRow("beyond the last takes the last") << "9" << 3;
        QTest::newRow("missing takes the default") << "" << 3;
    }
    void radioIndexes()
    {
        QFETCH(QString, stored);
        QFETCH(int, item);
        const auto ini = IniDocument::fromText(stored.isEmpty() ? "" : "[XL]\nF-L-X=" + stored);
        QCOMPARE(StoredSettings(ini, ',').itemIndex("XL", "F-L-X", 3, 2, 4), item);
    }

    void floatsAreWrittenWithTheSeparatorInUse()
    {
        IniDocument ini;
        ini.setFloat("Pi-Netz", "a", 1.01);
        ini.setFloat("Pi-Netz", "b", 5);
        ini.setFloat("Pi-Netz", "c", 0.1 + 0.2);
        ini.setFloat("Pi-Netz", "d", 1.5e-7);
        QCOMPARE(ini.toText(), QString("[Pi-Netz]\na=1,01\nb=5\nc=0,3\nd=1,5E-7\n"));
    }

    void colours()
    {
        QCOMPARE(colourFromName("clWindowText"), QColor()); // the desktop's text colour
        QCOMPARE(colourName(QColor()), QString("clWindowText"));
        QCOMPARE(colourFromName("clMedGray"), QColor(160, 160, 164));
        QCOMPARE(colourFromName("255"), QColor(255, 0, 0));
        QCOMPARE(colourName(QColor(160, 160, 164)), QString("clMedGray"));
        QCOMPARE(colourFromName("clBlack"), QColor(Qt::black));
        QCOMPARE(colourFromName(colourName(QColor(10, 20, 30))), QColor(10, 20, 30));
        try {
            colourFromName("clHellgrau");
            QFAIL("unknown colour name accepted");
        } catch (const ParseError& e) {
            QCOMPARE(e.message(), QString("'clHellgrau' ist kein gültiger Integerwert"));
        }
    }

    // Which keys a load has read, for the writer after a load that stopped at an error.
    void readKeysAreNoted()
    {
        const auto ini = IniDocument::fromText("[XL]\nFrequenz=1 kHz\nSchrift_Guete=clHellgrau\n");
        ReadKeys read;
        const StoredSettings s(ini, QLatin1Char(','), &read);
        s.fieldText("XL", "Frequenz", "1,000");
        s.integer("xl", "F-L-X", 3); // missing: its default counts as read
        QVERIFY_THROWS_EXCEPTION(ParseError, s.colour("XL", "Schrift_Guete", "clWindowText"));
        QVERIFY(read.contains("xl", "frequenz"));
        QVERIFY(read.contains("XL", "F-L-X"));
        QVERIFY(!read.contains("XL", "Schrift_Guete"));
        read.forgetLast();
        QVERIFY(!read.contains("XL", "F-L-X"));
        QVERIFY(read.contains("XL", "Frequenz"));
    }

    void writingReplacesTheFileAsAWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("AmperoV361.ini");
        writeFileAtomically(path, "alt");
        writeFileAtomically(path, "neu");
        QCOMPARE(readAll(path), QByteArray("neu"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"AmperoV361.ini"});
        QVERIFY_THROWS_EXCEPTION(Error, writeFileAtomically(dir.filePath("no/such/dir/x.ini"), "x"));
    }

    void aWriterKilledHalfwayLeavesThePreviousFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("AmperoV361.ini");
        const QByteArray previous("\xEF\xBB\xBF[Optionen]\nKommastellen=2\n");
        writeFileAtomically(path, previous);

        const pid_t child = fork();
        if (child == 0) {
            // a settings file far larger than any real one, so the kill comes mid-write
            writeFileAtomically(path, QByteArray(128 * 1024 * 1024, 'x'));
            _exit(0);
        }
        QVERIFY(child > 0);
        // wait until the writer is well into the file
        const auto written = [child] {
            QFile io(QStringLiteral("/proc/%1/io").arg(child));
            if (!io.open(QIODevice::ReadOnly))
                return 0LL;
            for (const QByteArray& line : io.readAll().split('\n'))
                if (line.startsWith("wchar:"))
                    return line.mid(6).trimmed().toLongLong();
            return 0LL;
        };
        QVERIFY(QTest::qWaitFor([&] { return written() > 1024 * 1024; }, 20000));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        if (!WIFSIGNALED(status))
            QSKIP("the writer finished before it could be killed");
        QCOMPARE(readAll(path), previous);
    }
};

QTEST_APPLESS_MAIN(TestSettings)
#include "tst_settings.moc"
