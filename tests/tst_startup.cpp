// Start-up and closing with the settings file, the factory defaults, and the options window
// with the re-formatting of the pages.
#include "app/Ampero361.h"
#include "app/Main361.h"
#include "pages/Page.h"
#include "pages/dB.h"
#include "platform/Folders.h"
#include "settings/IniDocument.h"
#include "settings/Load361.h"
#include "settings/Optionen361.h"
#include "settings/ProgramState.h"
#include "settings/Store361.h"
#include "settings/StoredSettings.h"
#include "support/Driver.h"
#include "values/DisplayOptions.h"
#include "values/Errors.h"
#include "widgets/EditField.h"
#include "widgets/PageControl.h"
#include "widgets/Placement.h"
#include "widgets/RadioGroup.h"
#include "windows/SpannungStrom.h"

#include <QCheckBox>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolTip>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace ampero;
using driver::boxesDuring;
using driver::text;

namespace {

QByteArray fileContents()
{
    QFile f(settingsFile());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeSettings(const QString& text)
{
    writeFileAtomically(settingsFile(), "\xEF\xBB\xBF" + text.toUtf8());
}

// A start with the current settings file, as the program does it when its window shows.
QList<driver::Box> restart()
{
    Parameter_geladen = false; // as in a new process
    return driver::boxesDuring([] { Form1->FormShow(); });
}

// Closing the program as its user does; the window shows again for the next start.
QByteArray closeAndRead()
{
    Form1->show();
    Form1->close();
    return fileContents();
}

// A click on an item of a radio group of the options window, as the user makes it.
QList<driver::Box> click(ampero::RadioGroup* group, int item)
{
    Form3->show();
    if (!QTest::qWaitForWindowExposed(Form3) || !driver::activate(Form3))
        qWarning("the options window did not become active");
    QRadioButton* button = group->item(item);
    return driver::boxesDuring([button] {
        // on the round indicator: a short item takes no click in the empty space beside it
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    });
}

int powerWordPointSize() { return driver::find<QLabel>("dB_L_P_Verstaerkung")->font().pointSize(); }

// A page that keeps a font colour, to see a bad colour name stop the loading.
class ColourPage : public Page {
public:
    ColourPage()
    {
        setObjectName("Farbseite");
        setHelpContext(999);
    }
    void loadSettings(const StoredSettings& s) override
    {
        colour = s.colour("Farbe", "Schrift", "clWindowText");
    }
    QColor colour;
};

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { driver::startProgram(); }

    void cleanup()
    {
        driver::clearFocus();
        QFile::remove(settingsFile());
        Form3->hide();
        Form1->dBPage->loadFactoryDefaults();
        Form3->RG_Ansicht->setItemIndex(0);
        setPunktKomma(QLocale::system().decimalPoint().front());
        Form1->show();
    }

    // Runs first: the process started without a settings file.
    void firstStartShowsTheFactoryState()
    {
        QVERIFY(Parameter_geladen);
        QCOMPARE(iniPath, programFolderPath());
        QCOMPARE(Form1->PageControl1->currentIndex(), 2); // "dBm"
        QCOMPARE(nachkomma(), 3);
        QCOMPARE(Form3->RG_Nachkomma->itemIndex(), 2);
        QCOMPARE(Form3->UI_Position->itemIndex(), 2);
        QCOMPARE(Form3->RG_Ansicht->itemIndex(), 0);
        for (QCheckBox* box : {Form3->CBKurzhinweise, Form3->Optionen_CB_AutoUpdate, Form3->CB_Vordergrund})
            QVERIFY(!box->isChecked());
        QCOMPARE(text("dB_U_E_Uin"), withPunktKomma("20,000 V"));
        QCOMPARE(text("db_P_a_dB"), withPunktKomma("10,000 dB"));
        QCOMPARE(Form1->windowTitle(), QString("Rozerar       Ampero Version 3.6"));
    }

    void closingWritesTheFileAndTheNextStartRestoresIt()
    {
        Form1->PageControl1->setCurrentIndex(0);
        driver::find<QTabWidget>("PageControl2")->setCurrentIndex(0);
        driver::enter("db_P_E_Pin", "5m");
        driver::enter("db_U_a_dB", "-6");
        Form3->RG_Nachkomma->setItemIndex(1);
        Form3->UI_Position->setItemIndex(0);
        Form3->CBKurzhinweise->setChecked(true);
        Form3->Optionen_CB_AutoUpdate->setChecked(true);
        Form3->RG_Ansicht->setItemIndex(1);
        const QStringList shown{text("db_P_E_Pin"), text("db_P_E_Pout"), text("db_U_a_dB"),
                                text("dB_U_a_lin"), text("dB_U_E_Uout"), text("dB_L_U_Verstaerkung")};

        Form1->close();
        const QByteArray written = fileContents();
        QVERIFY(written.startsWith("\xEF\xBB\xBF[dB-Register]\ndB-Karte=0\n\n[dB-U]\n"));
        QVERIFY(written.contains("\n[Optionen]\nKommastellen=2\nPos_UI_Fenster=0\nKurzhinweise=1\n"
                                 "AutoUpdate=1\nZahlenDarstellung=1\n"));
        QVERIFY(written.contains("[dB-P]\nPin-Zahl=" + text("db_P_E_Pin").toUtf8()));
        QVERIFY(written.endsWith("[Dezimalseparator]\nDezimals=" +
                                 QLocale::system().decimalPoint().toUtf8() + "\n"));
        QVERIFY(!written.contains("Vordergrund")); // stay-on-top is not kept

        // everything back to other values, then start again
        Form1->show();
        Form1->dBPage->loadFactoryDefaults();
        Form1->PageControl1->setCurrentIndex(5);
        driver::find<QTabWidget>("PageControl2")->setCurrentIndex(1);
        Form3->RG_Nachkomma->setItemIndex(2);
        Form3->UI_Position->setItemIndex(2);
        Form3->CBKurzhinweise->setChecked(false);
        Form3->Optionen_CB_AutoUpdate->setChecked(false);
        Form3->RG_Ansicht->setItemIndex(0);
        QCOMPARE(restart().size(), 0);

        QCOMPARE(Form1->PageControl1->currentIndex(), 0);
        QCOMPARE(driver::find<QTabWidget>("PageControl2")->currentIndex(), 0);
        QCOMPARE(QStringList({text("db_P_E_Pin"), text("db_P_E_Pout"), text("db_U_a_dB"),
                              text("dB_U_a_lin"), text("dB_U_E_Uout"), text("dB_L_U_Verstaerkung")}),
                 shown);
        QCOMPARE(nachkomma(), 2);
        QCOMPARE(Form3->RG_Nachkomma->itemIndex(), 1);
        QCOMPARE(Form3->UI_Position->itemIndex(), 0);
        QVERIFY(Form3->CBKurzhinweise->isChecked());
        QVERIFY(Form3->Optionen_CB_AutoUpdate->isChecked());
        QCOMPARE(Form3->RG_Ansicht->itemIndex(), 1);
        QCOMPARE(powerWordPointSize(), 14); // "Va" is always written as 0
    }

    void storedTextsTakeTheSeparatorInUse()
    {
        writeSettings("[Dezimalseparator]\nDezimals=,\n[dB-U]\nUin-Zahl=20,00 V\n");
        setPunktKomma(QLatin1Char('.'));
        // a process started with "." holds no texts with ","
        for (Page* page : Form1->pages())
            page->loadFactoryDefaults();
        QCOMPARE(restart().size(), 0);
        QCOMPARE(text("dB_U_E_Uin"), QString("20.00 V"));
        QCOMPARE(text("dB_U_E_Uout"), QString("200.000")); // the default, with the separator in use
    }

    void optionsInOtherCaseAndMissingKeys_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<int>("item");
        QTest::newRow("names in other case") << "[optionen]\nkommastellen=2\n" << 2 << 1;
        QTest::newRow("no decimals stored") << "[Optionen]\nKurzhinweise=1\n" << 3 << 2;
        QTest::newRow("one decimal") << "[OPTIONEN]\nKOMMASTELLEN=1\n" << 1 << 0;
    }
    void optionsInOtherCaseAndMissingKeys()
    {
        QFETCH(QString, file);
        QFETCH(int, decimals);
        QFETCH(int, item);
        writeSettings(file);
        QCOMPARE(restart().size(), 0);
        QCOMPARE(nachkomma(), decimals);
        QCOMPARE(Form3->RG_Nachkomma->itemIndex(), item);
    }

    void notationStoredAsSciShowsSciAfterStart()
    {
        writeSettings("[Optionen]\nKommastellen=2\nZahlenDarstellung=1\n[dB-U]\nUin-Zahl=20,00 V\na-lin=10,00\n");
        QCOMPARE(restart().size(), 0);
        QCOMPARE(Form3->RG_Ansicht->itemIndex(), 1);
        QCOMPARE(text("dB_U_E_Uin"), withPunktKomma("2,00E+01 V"));
        QCOMPARE(text("dB_U_E_Uout"), withPunktKomma("2,00E+02 V"));
    }

    void radioIndexesOutsideTheItems_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("notation");
        QTest::addColumn<int>("position");
        QTest::newRow("negative") << "-1" << 0 << 2;
        QTest::newRow("too large") << "7" << 2 << 2;
        QTest::newRow("in range") << "1" << 1 << 1;
    }
    void radioIndexesOutsideTheItems()
    {
        QFETCH(QString, stored);
        QFETCH(int, notation);
        QFETCH(int, position);
        writeSettings("[Optionen]\nZahlenDarstellung=" + stored + "\nPos_UI_Fenster=" + stored + "\n");
        QCOMPARE(restart().size(), 0);
        QCOMPARE(Form3->RG_Ansicht->itemIndex(), notation);
        QCOMPARE(Form3->UI_Position->itemIndex(), position);
    }

    void gainWordSizeFromVa()
    {
        writeSettings("[dB-P]\nVa=0\n");
        restart();
        QCOMPARE(powerWordPointSize(), 14);
        writeSettings("[dB-P]\nPin-Zahl=1 W\n");
        restart();
        QCOMPARE(powerWordPointSize(), 18);
    }

    void keysAddedByHandSurvive()
    {
        writeSettings("; meine Notizen\n[dB-U]\nUin-Zahl=3,00 V\nMeinWert=42\n\n[Eigenes]\nFarbe=blau\n\n"
                      "[]\nohne Namen = ja \n\n[ Mit Blanks ]\n=x\n");
        restart();
        Form1->close();
        const QString written = QString::fromUtf8(fileContents());
        QVERIFY(written.contains("; meine Notizen\n"));
        QVERIFY(written.contains("MeinWert=42\n"));
        QVERIFY(written.contains("[Eigenes]\nFarbe=blau\n\n[]\nohne Namen = ja \n\n[ Mit Blanks ]\n=x\n\n"));
        QVERIFY(written.contains("Uin-Zahl=" + withPunktKomma("3,00 V") + "\n"));
    }

    void fileWithoutByteOrderMarkIsReadAsWindows1252()
    {
        QFile f(settingsFile());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[dB-U]\r\nUin-Zahl=20,00 V \xB5\r\n");
        f.close();
        restart();
        QCOMPARE(text("dB_U_E_Uin"), withPunktKomma("20,00 V µ"));
    }

    // Editors that drop the byte-order mark leave UTF-8 behind; it must not turn into "Âµ",
    // neither in the field nor in the file written at closing.
    void utf8WithoutByteOrderMarkIsReadAsUtf8()
    {
        QFile f(settingsFile());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[dB-U]\r\nUin-Zahl=20,00 \xC2\xB5V\r\n");
        f.close();
        restart();
        QCOMPARE(text("dB_U_E_Uin"), withPunktKomma("20,00 µV"));
        const QByteArray written = closeAndRead();
        QVERIFY(written.startsWith("\xEF\xBB\xBF"));
        QVERIFY(written.contains("Uin-Zahl=" + withPunktKomma("20,00 µV").toUtf8() + "\n"));
    }

    // Only a regular file of a sensible size is read; anything else is the usual report at
    // once, never a start that hangs on a FIFO or eats memory on /dev/zero.
    void onlyARegularFileIsRead_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("why");
        QTest::newRow("FIFO") << "fifo" << "Sie ist keine gewöhnliche Datei.";
        QTest::newRow("link to /dev/zero") << "zero" << "Sie ist keine gewöhnliche Datei.";
        QTest::newRow("folder") << "folder" << "Sie ist keine gewöhnliche Datei.";
        QTest::newRow("17 MB") << "large" << "Sie ist größer als 16 MB.";
    }
    void onlyARegularFileIsRead()
    {
        QFETCH(QString, kind);
        QFETCH(QString, why);
        const QString path = settingsFile();
        const QByteArray name = QFile::encodeName(path);
        QFile::remove(path);
        if (kind == "fifo")
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        else if (kind == "zero")
            QVERIFY(QFile::link("/dev/zero", path));
        else if (kind == "folder")
            QVERIFY(QDir().mkdir(path));
        else
            QCOMPARE(::truncate((writeSettings("[dB-U]\n"), name.constData()), 17 << 20), 0);
        QElapsedTimer clock;
        clock.start();
        const auto boxes = restart();
        QVERIFY(clock.elapsed() < 2000);
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, "Die Datei \"" + path + "\" kann nicht gelesen werden: " + why);
        QVERIFY(!Parameter_geladen);
        if (kind == "folder")
            QVERIFY(QDir().rmdir(path));
    }

    void aFactorTheParserRejectsStopsTheLoading()
    {
        writeSettings("[dB-P]\nPin-Zahl=7,00 W\na-lin=abc\n[dB-U]\nUin-Zahl=9,00 V\n"
                      "[Optionen]\nZahlenDarstellung=2\n");
        const auto boxes = restart();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].title, QString("Ampero V3.60"));
        QCOMPARE(boxes[0].text, QString("'' ist kein gültiger Gleitkommawert."));
        QVERIFY(!Parameter_geladen);
        QCOMPARE(text("db_P_E_Pin"), withPunktKomma("7,00 W")); // loaded before the stop
        QVERIFY(text("dB_U_E_Uin") != withPunktKomma("9,00 V")); // not after it
        QCOMPARE(Form3->RG_Ansicht->itemIndex(), 0);
        QCOMPARE(Form1->windowTitle(), QString("Rozerar       Ampero Version 3.6"));
    }

    void anUnknownColourNameStopsTheLoading_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("report");
        QTest::newRow("unknown name") << "clHellgrau" << "'clHellgrau' ist kein gültiger Integerwert.";
        // a megabyte of a name kept the box from answering for half a minute
        QTest::newRow("name of a megabyte")
            << QString(1 << 20, 'x') << "'" + QString(100, 'x') + "…' ist kein gültiger Integerwert.";
    }
    void anUnknownColourNameStopsTheLoading()
    {
        QFETCH(QString, name);
        QFETCH(QString, report);
        auto* page = new ColourPage;
        Form1->PageControl1->addTab(page, "Farbe");
        writeSettings("[Farbe]\nSchrift=" + name + "\n[Optionen]\nZahlenDarstellung=1\n");
        const auto boxes = restart();
        delete page;
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, report);
        QVERIFY(!Parameter_geladen);
        QCOMPARE(Form3->RG_Ansicht->itemIndex(), 0);
    }

    // A bad colour stops the loading; closing then writes what was loaded or changed since,
    // and every other key keeps its stored text.
    void aBadColourLosesNoStoredValue()
    {
        const QString file = "[dB-U]\nUin-Zahl=3,00 V\n\n"
                             "[XL]\nFrequenz=2,000 kHz\nSchrift_Guete=clHellgrau\n\n"
                             "[XC]\nFrequenz=5,000 kHz\n\n"
                             "[RC-Glieder]\nFrequenz=100,00 Hz\n\n"
                             "[PS-Gleich]\nFrequenz=7,100 MHz\nRp=33,000 Ω\nMeinWert=42\n\n"
                             "[Optionen]\nKommastellen=2\nZahlenDarstellung=1\n\n"
                             "[Dezimalseparator]\nDezimals=,\n";
        writeSettings(file);
        auto boxes = restart();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QString("'clHellgrau' ist kein gültiger Integerwert."));
        QCOMPARE(text("dB_U_E_Uin"), withPunktKomma("3,00 V"));

        boxesDuring([] { driver::enter("dB_U_E_Uin", "4"); }); // a loaded page
        boxesDuring([] { driver::enter("XC_E_F", "3k"); });    // a page the load did not reach
        const QString written = QString::fromUtf8(closeAndRead());
        const auto section = [&written](const QString& name) {
            const qsizetype start = written.indexOf("[" + name + "]\n");
            return start < 0 ? QString() : written.mid(start, written.indexOf("\n\n", start) - start);
        };
        QCOMPARE(section("PS-Gleich"),
                 withPunktKomma("[PS-Gleich]\nFrequenz=7,100 MHz\nRp=33,000 Ω\nMeinWert=42"));
        QCOMPARE(section("RC-Glieder"), withPunktKomma("[RC-Glieder]\nFrequenz=100,00 Hz"));
        QVERIFY(written.contains("\nZahlenDarstellung=1\n"));
        QVERIFY(written.contains("\nKommastellen=2\n"));
        QVERIFY(written.contains("\nSchrift_Guete=clHellgrau\n"));
        QVERIFY(section("XL").contains(withPunktKomma("\nFrequenz=2,000 kHz\n")));
        QVERIFY(section("XC").contains(withPunktKomma("\nFrequenz=3,00 kHz")));
        QVERIFY(section("dB-U").contains(withPunktKomma("\nUin-Zahl=4,00 V")));
        QCOMPARE(section("Dezimalseparator"),
                 "[Dezimalseparator]\nDezimals=" + QLocale::system().decimalPoint());

        // the next run stops at the same colour and, untouched, writes the same file
        const QByteArray once = fileContents();
        boxes = restart();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(closeAndRead(), once);

        // a complete load writes every key again
        writeFileAtomically(settingsFile(), QByteArray(once).replace("Schrift_Guete=clHellgrau\n", ""));
        QCOMPARE(restart().size(), 0);
        const QString complete = QString::fromUtf8(closeAndRead());
        QCOMPARE(complete.count("\nSchrift_Guete="), 2); // of XL and XC
        QVERIFY(complete.contains("\nLp="));
        QVERIFY(complete.contains("\nKapazitaet="));
    }

    // Options of any size that a hand-edited file may hold.
    void decimalsOfAnySize_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("shown");
        QTest::newRow("int min") << "-2147483648" << int(-2147483648LL) << -1 << "2E+01 V";
        QTest::newRow("zero") << "0" << 0 << -1 << "2E+01 V";
        QTest::newRow("int max") << "2147483647" << 3 << 2 << "2,000E+01 V";
        QTest::newRow("beyond int") << "99999999999" << 3 << 2 << "2,000E+01 V";
        QTest::newRow("below int") << "-99999999999" << 3 << 2 << "2,000E+01 V";
    }
    void decimalsOfAnySize()
    {
        QFETCH(QString, stored);
        QFETCH(int, decimals);
        QFETCH(int, item);
        QFETCH(QString, shown);
        Form3->RG_Nachkomma->setItemIndex(-1);
        writeSettings("[Optionen]\nKommastellen=" + stored + "\nZahlenDarstellung=1\n"
                      "[dB-U]\nUin-Zahl=20 V\n");
        const auto boxes = restart();
        const int loaded = nachkomma();
        setNachkomma(3);
        QCOMPARE(boxes.size(), 0);
        QCOMPARE(loaded, decimals);
        QCOMPARE(Form3->RG_Nachkomma->itemIndex(), item);
        QCOMPARE(text("dB_U_E_Uin"), withPunktKomma(shown));
    }

    // Closed, started and closed again, the file does not change: no text loses its blanks
    // on the way (the twin-T network's empty R2 and C2 are six blanks).
    void aFileWrittenAndReadBackTwiceGivesTheSameBytes_data()
    {
        QTest::addColumn<int>("notation");
        QTest::newRow("prefix symbols") << 0;
        QTest::newRow("SCI") << 1;
        QTest::newRow("ENG") << 2;
    }
    void aFileWrittenAndReadBackTwiceGivesTheSameBytes()
    {
        QFETCH(int, notation);
        QCOMPARE(restart().size(), 0); // the factory state
        Form3->RG_Ansicht->setItemIndex(notation);
        const QByteArray first = closeAndRead();
        QVERIFY(first.contains("WiderstandR2=\"      \"\n"));
        const auto startAgain = [] {
            Form3->RG_Ansicht->setItemIndex(0); // as a new process starts
            return restart();
        };
        QCOMPARE(startAgain().size(), 0);
        QCOMPARE(text("RC_E_R2"), QString("      "));
        const QByteArray second = closeAndRead();
        QCOMPARE(startAgain().size(), 0);
        QCOMPARE(second, first);
        QCOMPARE(closeAndRead(), second);
    }

    void aFileThatCannotBeWrittenIsReportedAndTheProgramStillEnds()
    {
        QTemporaryFile blocker;
        QVERIFY(blocker.open());
        const QString saved = iniPath;
        iniPath = blocker.fileName() + "/Ampero"; // a folder below a file cannot be made
        const auto boxes = driver::boxesDuring([] { Form1->close(); });
        iniPath = saved;
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].title, QString("Ampero V3.60"));
        QVERIFY(boxes[0].text.startsWith("Der Ordner \""));
        QVERIFY(!Form1->isVisible());
    }

    // A disk with no room, or room for half the file only: the file as it was stays, and the
    // user is told. The process's file size limit stands in for the full disk.
    void aFullDiskKeepsThePreviousFileAndSaysSo_data()
    {
        QTest::addColumn<double>("room"); // a share of the file's size
        QTest::newRow("no room") << 0.0;
        QTest::newRow("room for half the file") << 0.5;
    }
    void aFullDiskKeepsThePreviousFileAndSaysSo()
    {
        QFETCH(double, room);
        closeAndRead();
        const QByteArray before = fileContents();
        QVERIFY(!before.isEmpty());
        driver::enter("XL_E_F", "4,7M"); // something to store

        rlimit saved{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
        const auto savedSignal = signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved;
        limited.rlim_cur = rlim_t(room * double(before.size()));
        QVERIFY(setrlimit(RLIMIT_FSIZE, &limited) == 0);
        Form1->show();
        const auto boxes = driver::boxesDuring([] { Form1->close(); });
        setrlimit(RLIMIT_FSIZE, &saved);
        signal(SIGXFSZ, savedSignal);

        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].icon, QMessageBox::Critical);
        QVERIFY2(boxes[0].text.contains("kann nicht geschrieben werden"), qPrintable(boxes[0].text));
        QCOMPARE(fileContents(), before);
        const QString name = QFileInfo(settingsFile()).fileName();
        QCOMPARE(QDir(iniPath).entryList({name + "*"}, QDir::Files | QDir::Hidden), QStringList{name});
        QVERIFY(!Form1->isVisible());
    }

    void settingsFolderOfTheInstalledProgram()
    {
        qputenv("XDG_CONFIG_HOME", "/home/funk/.config");
        QCOMPARE(settingsFolderFor("/opt/Korvan_Software/Ampero"),
                 QString("/home/funk/.config/Korvan_Software/Ampero"));
        QCOMPARE(settingsFolderFor("/opt/korvan_software/Ampero"), QString("/opt/korvan_software/Ampero"));
        QCOMPARE(settingsFolderFor("/media/stick/Ampero"), QString("/media/stick/Ampero"));
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(settingsFolderFor("/opt/Korvan_Software/Ampero"),
                 QDir::homePath() + "/.config/Korvan_Software/Ampero");
    }

    // The options window

    void optionsWindowLayout()
    {
        driver::find<QPushButton>("Button6")->click();
        QVERIFY(Form3->isVisible());
        QCOMPARE(Form3->size(), QSize(519, 318));
        QCOMPARE(Form3->windowTitle(), QString("  Optionen"));
        QCOMPARE(Form3->CBKurzhinweise->text(), QString("Kurzhinweise  anzeigen"));
        QCOMPARE(Form3->Optionen_CB_AutoUpdate->text(), QString("automatisch nach Updates sehen"));
        QCOMPARE(Form3->CB_Vordergrund->text(), QString("immer im Vordergrund"));
        const auto items = [](RadioGroup* g) {
            QStringList texts;
            for (int i = 0; i < g->count(); ++i)
                texts << g->item(i)->text();
            return g->title() + ": " + texts.join('|');
        };
        QCOMPARE(items(Form3->UI_Position), QString("U / I - Fenster: über dem Hauptfenster|"
                                                    "links neben dem Hauptfenster|rechts neben dem Hauptfenster"));
        QCOMPARE(items(Form3->RG_Nachkomma), QString(" Nachkommastellen : 1 Stelle|2 Stellen|3 Stellen"));
        QCOMPARE(items(Form3->RG_Ansicht), QString(" Ergebnis Ansicht : mit Präfix Symbol|"
                                                   "wissenschaftliche Notation (SCI)|technische Notation (ENG)"));
        QCOMPARE(Form3->Button1->text(), QString("Schließen")); // "Schießen" would be "shoot"
        Form3->Button1->click();
        QVERIFY(!Form3->isVisible());
    }

    void tooltipsOnlyWithKurzhinweise()
    {
        QWidget* field = driver::find("dB_U_E_Uin");
        Form1->PageControl1->setCurrentIndex(0);
        driver::find<QTabWidget>("PageControl2")->setCurrentIndex(1);
        const auto hover = [field] {
            QToolTip::hideText();
            QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), field->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(field, &help);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        Form3->CBKurzhinweise->setChecked(false);
        QCOMPARE(hover(), QString());
        Form3->CBKurzhinweise->setChecked(true);
        QCOMPARE(hover(), QString("Eingangsspannung"));
        Form3->CBKurzhinweise->setChecked(false);
        QToolTip::hideText();
    }

    void stayOnTop()
    {
        Form3->CB_Vordergrund->setChecked(true);
        QVERIFY(Form1->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(Form1->isVisible());
        Form3->CB_Vordergrund->setChecked(false);
        QVERIFY(!(Form1->windowFlags() & Qt::WindowStaysOnTopHint));
    }

    void decimalsReformatOnlyOnceLoaded()
    {
        Form1->dBPage->loadFactoryDefaults();
        Parameter_geladen = false;
        Form3->RG_Nachkomma->setItemIndex(0);
        QCOMPARE(nachkomma(), 1);
        QCOMPARE(text("dB_U_E_Uin"), withPunktKomma("20,000 V"));
        Parameter_geladen = true;
        QCOMPARE(click(Form3->RG_Nachkomma, 1).size(), 0);
        QCOMPARE(nachkomma(), 2);
        QCOMPARE(text("dB_U_E_Uin"), withPunktKomma("20,00 V"));
        QCOMPARE(text("db_P_E_Pout"), withPunktKomma("200,00 W"));
    }

    void notationAlwaysReformats()
    {
        Form1->dBPage->loadFactoryDefaults();
        Parameter_geladen = false;
        Form3->RG_Nachkomma->setItemIndex(2);
        QCOMPARE(click(Form3->RG_Ansicht, 2).size(), 0);
        QCOMPARE(text("dB_U_E_Uin"), withPunktKomma("20,000E00 V"));
        QCOMPARE(text("dB_U_E_Uout"), withPunktKomma("200,000E00 V"));
        QCOMPARE(text("db_P_E_Pin"), withPunktKomma("20,000E00 W"));
        QCOMPARE(text("db_U_a_dB"), withPunktKomma("20,000 dB")); // not a re-formatted field
        Parameter_geladen = true;
    }

    void reformattingStopsAtAFieldThatDoesNotParse()
    {
        Form1->dBPage->loadFactoryDefaults();
        driver::field("dB_U_E_Uin")->setText("abc");
        const auto boxes = click(Form3->RG_Ansicht, 1);
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QString("'' ist kein gültiger Gleitkommawert."));
        QCOMPARE(text("db_P_E_Pin"), withPunktKomma("20,000 W")); // later fields keep their form
    }

    // A notation change right after a first start goes through every page, past the blank R2
    // and C2 of the RC networks page.
    void notationChangeRightAfterAFirstStart()
    {
        QCOMPARE(restart().size(), 0); // no settings file: the factory state
        QCOMPARE(click(Form3->RG_Ansicht, 2).size(), 0);
        EXPECT_TEXTS({"RC_E_R2=      ", "RC_E_C2=      ", "RC_E_F=100,000E00 Hz",
                      "PS_E_F=3,600E06 Hz", "dB_U_E_Uin=20,000E00 V"});
    }

    void anUnparsableValueInTheTwinTNetworkStillStopsTheReformatting()
    {
        QCOMPARE(restart().size(), 0);
        auto* rc = driver::find<RadioGroup>("RC_RG_Schaltung");
        rc->setItemIndex(2);
        driver::field("RC_E_R2")->setText("x");
        const auto boxes = click(Form3->RG_Ansicht, 1);
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QString("'' ist kein gültiger Gleitkommawert."));
        EXPECT_TEXTS({"PS_E_F=3,600 MHz"}); // the pages after it keep their form
        rc->setItemIndex(0);
    }

    // The three ways a field text fails to parse where a calculation reads it.
    void reportTextsOfUnparsableFields_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("report");
        QTest::newRow("no number") << "abc" << "'' ist kein gültiger Gleitkommawert.";
        QTest::newRow("exponent without digits") << "1E+" << "'+' ist kein gültiger Integerwert.";
        QTest::newRow("too large") << "1E999" << "Gleitkommaüberlauf.";
    }
    void reportTextsOfUnparsableFields()
    {
        QFETCH(QString, typed);
        QFETCH(QString, report);
        Form1->PageControl1->setCurrentIndex(0);
        driver::find<QTabWidget>("PageControl2")->setCurrentIndex(0);
        driver::type("db_P_a_lin", typed);
        const auto boxes = driver::boxesDuring([] { driver::leave("db_P_a_lin"); });
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].title, QString("Ampero V3.60"));
        QCOMPARE(boxes[0].text, report);
    }

    void voltageCurrentWindowPosition_data()
    {
        QTest::addColumn<int>("item");
        QTest::newRow("über dem Hauptfenster") << 0;
        QTest::newRow("links neben dem Hauptfenster") << 1;
        QTest::newRow("rechts neben dem Hauptfenster") << 2;
    }
    void voltageCurrentWindowPosition()
    {
        QFETCH(int, item);
        Form1->move(300, 200);
        Form3->UI_Position->setItemIndex(-1);
        Form3->UI_Position->setItemIndex(item);
        Form4->show();
        const QRect main = Form1->frameGeometry();
        const QRect window = Form4->frameGeometry();
        const QRect room = Form1->screen()->availableGeometry();
        QVERIFY(room.contains(window));
        if (item == 0) { // over the main window, as the user chose, as far as the screen allows
            QCOMPARE(window.top(), std::max(room.top(), main.top() - 3));
            QCOMPARE(window.left(), std::min(main.left() + 120, room.right() + 1 - window.width()));
        } else {
            // no room beside the main window on this screen: it covers none of the page's
            // input fields that the plain side place would cover
            const QRect side = window.translated(
                (item == 1 ? main.left() - 20 - window.width() : main.right() + 1 + 20) -
                    window.left(),
                0);
            const QRect plain(std::clamp(side.left(), room.left(), room.right() + 1 - side.width()),
                              window.top(), side.width(), side.height());
            int covered = 0, coveredThere = 0;
            for (const QRect& field : inputFieldRects(Form1)) {
                covered += window.intersects(field);
                coveredThere += plain.intersects(field);
            }
            QVERIFY2(covered <= coveredThere, qPrintable(QString("%1 > %2").arg(covered).arg(coveredThere)));
        }
        Form4->close();
    }

private:
    static QString programFolderPath() { return QFileInfo(settingsFile()).path(); }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
