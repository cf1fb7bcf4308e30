// The R-L-C network page, series and parallel: what each choice of view, circuit and display
// shows, the worked examples, entries of derived quantities, settings and re-formatting.
#include "app/Ampero361.h"
#include "app/Main361.h"
#include "pages/RLC.h"
#include "settings/IniDocument.h"
#include "settings/Optionen361.h"
#include "settings/StoredSettings.h"
#include "support/Driver.h"
#include "values/DisplayOptions.h"
#include "widgets/EditField.h"
#include "widgets/PageControl.h"
#include "widgets/RadioGroup.h"

#include <QLabel>
#include <QtTest>

using namespace ampero;
using driver::text;

namespace {

constexpr int kRlc = 5;
const QString O = QStringLiteral("\u2126");

RLC* page() { return qobject_cast<RLC*>(Form1->PageControl1->widget(kRlc)); }

RLCNetzwerk* side(const QString& s) { return s == "R" ? page()->series() : page()->parallel(); }

void show(const QString& s)
{
    Form1->PageControl1->setCurrentIndex(kRlc);
    page()->PageControl3->setCurrentIndex(s == "R" ? 0 : 1);
}

void select(RLCNetzwerk* n, int view, int circuit, int display)
{
    n->Auswahl->setItemIndex(view);
    n->Schaltung->setItemIndex(circuit);
    n->Display->setItemIndex(display);
}

// The visible edit fields of a side (without their prefix) and its visible picture.
QString visibleFields(RLCNetzwerk* n)
{
    QStringList shown;
    const QString prefix = n->kind() == RLCNetzwerk::Reihe ? "RLC_E_R_" : "RLC_E_P_";
    for (EditField* f : n->findChildren<EditField*>())
        if (f->isVisibleTo(n))
            shown << f->objectName().mid(prefix.size());
    for (QWidget* w : n->findChildren<QWidget*>())
        if (w->objectName().startsWith("RLC_I_") && w->isVisibleTo(n))
            shown << w->objectName();
    shown.sort();
    return shown.join(' ');
}

QString sorted(const QString& list)
{
    QStringList items = list.split(' ', Qt::SkipEmptyParts);
    items.sort();
    return items.join(' ');
}

} // namespace

class TestRlcPage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { driver::startProgram(); }

    void init()
    {
        driver::startEachTest();
        page()->loadFactoryDefaults();
        for (const QString s : {"R", "P"})
            select(side(s), 0, 0, s == "R" ? 0 : 1);
    }

    void visibility_data()
    {
        QTest::addColumn<QString>("side");
        QTest::addColumn<int>("view");
        QTest::addColumn<int>("circuit");
        QTest::addColumn<int>("display");
        QTest::addColumn<QString>("fields");
        const QString angle = " deg rad";
        struct Row { int v, c, d; const char* series; const char* parallel; };
        const Row rows[] = {
            {0, 0, 0, "F R L XL C XC Z_Be Z_Re Z_Im RLC_I_R_RLC1", "F R L XL C XC Y_Be Z_Re Z_Im RLC_I_P_RLC1"},
            {0, 0, 1, "F G L BL C BC Z_Be Z_Re Z_Im RLC_I_R_RLC1", "F G L BL C BC Y_Be Z_Re Z_Im RLC_I_P_RLC1"},
            {0, 1, 0, "F R L XL Z_Be Z_Re Z_Im RLC_I_R_RL1", "F R L XL Y_Be Z_Re Z_Im RLC_I_P_RL1"},
            {0, 1, 1, "F G L BL Z_Be Z_Re Z_Im RLC_I_R_RL1", "F G L BL Y_Be Z_Re Z_Im RLC_I_P_RL1"},
            {0, 2, 0, "F R C XC Z_Be Z_Re Z_Im RLC_I_R_RC1", "F R C XC Y_Be Z_Re Z_Im RLC_I_P_RC1"},
            {0, 2, 1, "F G C BC Z_Be Z_Re Z_Im RLC_I_R_RC1", "F G C BC Y_Be Z_Re Z_Im RLC_I_P_RC1"},
            {1, 0, 0, "F I R Ur L UL C UC U_Be U_Re U_Im RLC_I_R_RLC2", "F U R Ir L IL C IC I_Be I_Re I_Im RLC_I_P_RLC2"},
            {1, 0, 1, "F I G Ur L UL C UC U_Be U_Re U_Im RLC_I_R_RLC2", "F U G Ir L IL C IC I_Be I_Re I_Im RLC_I_P_RLC2"},
            {1, 1, 0, "F I R Ur L UL U_Be U_Re U_Im RLC_I_R_RL2", "F U R Ir L IL I_Be I_Re I_Im RLC_I_P_RL2"},
            {1, 1, 1, "F I G Ur L UL U_Be U_Re U_Im RLC_I_R_RL2", "F U G Ir L IL I_Be I_Re I_Im RLC_I_P_RL2"},
            {1, 2, 0, "F I R Ur C UC U_Be U_Re U_Im RLC_I_R_RC2", "F U R Ir C IC I_Be I_Re I_Im RLC_I_P_RC2"},
            {1, 2, 1, "F I G Ur C UC U_Be U_Re U_Im RLC_I_R_RC2", "F U G Ir C IC I_Be I_Re I_Im RLC_I_P_RC2"},
            {2, 0, 0, "F I R P L QL C QC S_Be S_Re S_Im RLC_I_R_RLC3", "F U R P L QL C QC S_Be S_Re S_Im RLC_I_P_RLC3"},
            {2, 0, 1, "F I G P L QL C QC S_Be S_Re S_Im RLC_I_R_RLC3", "F U G P L QL C QC S_Be S_Re S_Im RLC_I_P_RLC3"},
            {2, 1, 0, "F I R P L QL S_Be S_Re S_Im RLC_I_R_RL3", "F U R P L QL S_Be S_Re S_Im RLC_I_P_RL3"},
            {2, 1, 1, "F I G P L QL S_Be S_Re S_Im RLC_I_R_RL3", "F U G P L QL S_Be S_Re S_Im RLC_I_P_RL3"},
            {2, 2, 0, "F I R P C QC S_Be S_Re S_Im RLC_I_R_RC3", "F U R P C QC S_Be S_Re S_Im RLC_I_P_RC3"},
            {2, 2, 1, "F I G P C QC S_Be S_Re S_Im RLC_I_R_RC3", "F U G P C QC S_Be S_Re S_Im RLC_I_P_RC3"},
        };
        const char* views[] = {"Widerst./Leitwert", "Spannung/Strom", "Leistung"};
        const char* circuits[] = {"RLC", "RL", "RC"};
        const char* displays[] = {"Widst.", "Leitw."};
        for (const Row& r : rows) {
            for (const QString s : {"R", "P"}) {
                const QString name = QString("%1 %2 %3 %4").arg(s == "R" ? "Reihe" : "Parallel", views[r.v], circuits[r.c], displays[r.d]);
                QTest::newRow(qPrintable(name))
                    << s << r.v << r.c << r.d << sorted(QString(s == "R" ? r.series : r.parallel) + angle);
            }
        }
    }
    void visibility()
    {
        QFETCH(QString, side);
        QFETCH(int, view);
        QFETCH(int, circuit);
        QFETCH(int, display);
        QFETCH(QString, fields);
        RLCNetzwerk* n = ::side(side);
        // reach the combination from another one, so that each group's change counts
        select(n, (view + 1) % 3, (circuit + 2) % 3, 1 - display);
        select(n, view, circuit, display);
        QCOMPARE(visibleFields(n), fields);
        const QString s = side;
        QCOMPARE(n->label("RLC_L_" + s + "_j")->isVisibleTo(n), true);
        QCOMPARE(n->label(s == "R" ? "RLC_R_L_Bezugsgroesse" : "RLC_P_L_Bezugsgroesse")->isVisibleTo(n), view != 0);
        QCOMPARE(n->label("RLC_L_" + s + "_R")->text(), QString(display == 0 ? "Wirkwiderstand R" : "Wirkleitwert G"));
        QCOMPARE(n->label("RLC_L_" + s + "_Z_2")->text(), QString(display == 0 ? "Scheinwiderstand" : "Scheinleitwert"));
        QCOMPARE(n->label(s == "R" ? "RLC_L_R_Z_1" : "RLC_L_P_Y_1")->text(),
                 QString(display == 0 ? "Scheinwiderst." : "Scheinleitwert"));
        if (view == 0 && circuit != 2)
            QCOMPARE(n->label("RLC_L_" + s + "_XL")->text(), QString(display == 0 ? "Blindwiderstand XL" : "Blindleitwert BL"));
    }

    void entries_data()
    {
        QTest::addColumn<QString>("side");
        QTest::addColumn<QList<int>>("selection"); // view, circuit, display
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("Reihe: RLC, Widst.")
            << "R" << QList<int>{1, 0, 0}
            << QStringList{"RLC_E_R_F=10M", "RLC_E_R_I=1", "RLC_E_R_Ur=1", "RLC_E_R_L=42u", "RLC_E_R_C=10n"}
            << QStringList{"RLC_E_R_XL=2,639 k" + O, "RLC_E_R_XC=1,592 " + O, "RLC_E_R_BL=378,940 µS",
                           "RLC_E_R_BC=628,319 mS", "RLC_E_R_Z_Im=2,637 k" + O, "RLC_E_R_Z_Be=2,637 k" + O,
                           "RLC_E_R_Z_Re=1,000 " + O, "RLC_E_R_U_Re=1,000 V", "RLC_E_R_UL=2,639 kV",
                           "RLC_E_R_UC=1,592 V", "RLC_E_R_U_Be=2,637 kV", "RLC_E_R_U_Im=2,637 kV",
                           "RLC_E_R_P=1,000 W", "RLC_E_R_QL=2,639 kvar", "RLC_E_R_QC=1,592 var",
                           "RLC_E_R_S_Im=2,637 kvar", "RLC_E_R_S_Be=2,637 kVA", "RLC_E_R_S_Re=1,000 W",
                           "RLC_E_R_deg=89,978 °deg", "RLC_E_R_rad=1,570 rad", "RLC_E_R_R=1,000 " + O};
        QTest::newRow("Reihe: RL has no capacitor voltage")
            << "R" << QList<int>{1, 1, 0} << QStringList{"RLC_E_R_F=10M", "RLC_E_R_I=1", "RLC_E_R_Ur=1"}
            << QStringList{"RLC_E_R_UC=0,000 V", "RLC_E_R_QC=0,000 var", "RLC_E_R_XC=1,592 " + O,
                           "RLC_E_R_BC=628,319 mS", "RLC_E_R_deg=89,978 °deg", "RLC_E_R_Z_Be=2,639 k" + O};
        QTest::newRow("Reihe: RC has a negative angle")
            << "R" << QList<int>{0, 2, 0} << QStringList{"RLC_E_R_F=10M", "RLC_E_R_C=10n", "RLC_E_R_R=1"}
            << QStringList{"RLC_E_R_deg=-57,858 °deg", "RLC_E_R_Z_Be=1,880 " + O, "RLC_E_R_UL=0,000 V"};
        QTest::newRow("Reihe: RC admittance, the angle of Y")
            << "R" << QList<int>{0, 2, 1} << QStringList{"RLC_E_R_F=10M", "RLC_E_R_C=10n", "RLC_E_R_R=1"}
            << QStringList{"RLC_E_R_deg=57,858 °deg", "RLC_E_R_Z_Re=283,043 mS", "RLC_E_R_Z_Im=-450,477 mS"};
        QTest::newRow("Reihe: UL at 2 A sets L, the current stays")
            << "R" << QList<int>{1, 0, 0} << QStringList{"RLC_E_R_F=10M", "RLC_E_R_I=2", "RLC_E_R_UL=100"}
            << QStringList{"RLC_E_R_L=795,775 nH", "RLC_E_R_I=2,000 A", "RLC_E_R_UL=100,000 V"};
        QTest::newRow("Reihe: UR in Leitw. changes R, not G")
            << "R" << QList<int>{1, 0, 1} << QStringList{"RLC_E_R_I=1", "RLC_E_R_Ur=5"}
            << QStringList{"RLC_E_R_R=5,000 " + O, "RLC_E_R_G=1,000 S", "RLC_E_R_U_Re=5,000 V"};
        QTest::newRow("Reihe: BL comes back from its rounded element")
            << "R" << QList<int>{0, 0, 1} << QStringList{"RLC_E_R_F=10M", "RLC_E_R_BL=400u"}
            << QStringList{"RLC_E_R_L=39,789 µH", "RLC_E_R_BL=399,997 µS", "RLC_E_R_XL=2,500 k" + O};
        QTest::newRow("Reihe: R and G are each other's inverse")
            << "R" << QList<int>{0, 0, 0} << QStringList{"RLC_E_R_R=4"} << QStringList{"RLC_E_R_G=250,000 mS"};

        QTest::newRow("Parallel: RLC, Leitw.")
            << "P" << QList<int>{1, 0, 1}
            << QStringList{"RLC_E_P_F=10M", "RLC_E_P_U=10", "RLC_E_P_G=20u", "RLC_E_P_L=42u", "RLC_E_P_C=10n"}
            << QStringList{"RLC_E_P_BL=378,940 µS", "RLC_E_P_BC=628,319 mS", "RLC_E_P_Z_Im=627,940 mS",
                           "RLC_E_P_Y_Be=627,940 mS", "RLC_E_P_Ir=200,000 µA", "RLC_E_P_IL=3,789 mA",
                           "RLC_E_P_IC=6,283 A", "RLC_E_P_I_Be=6,279 A", "RLC_E_P_P=2,000 mW",
                           "RLC_E_P_QL=37,894 mvar", "RLC_E_P_QC=62,832 var", "RLC_E_P_S_Im=62,794 var",
                           "RLC_E_P_S_Be=62,794 VA", "RLC_E_P_deg=89,998 °deg", "RLC_E_P_rad=1,571 rad",
                           "RLC_E_P_R=50,000 k" + O};
        QTest::newRow("Parallel: RLC, Widst.")
            << "P" << QList<int>{0, 0, 0}
            << QStringList{"RLC_E_P_F=10M", "RLC_E_P_G=20u", "RLC_E_P_L=42u", "RLC_E_P_C=10n"}
            << QStringList{"RLC_E_P_Z_Re=50,722 µ" + O, "RLC_E_P_Z_Im=1,593 " + O, "RLC_E_P_deg=-89,998 °deg",
                           "RLC_E_P_Y_Be=1,593 " + O};
        QTest::newRow("Parallel: RL is inductive, a negative angle of Y")
            << "P" << QList<int>{1, 1, 1} << QStringList{"RLC_E_P_F=10M", "RLC_E_P_U=10", "RLC_E_P_G=20u"}
            << QStringList{"RLC_E_P_deg=-86,979 °deg", "RLC_E_P_IC=0,000 A", "RLC_E_P_QC=0,000 var",
                           "RLC_E_P_I_Be=3,795 mA", "RLC_E_P_XC=1,592 " + O};
        QTest::newRow("Parallel: RC is capacitive, a positive angle of Y")
            << "P" << QList<int>{1, 2, 1} << QStringList{"RLC_E_P_F=10M", "RLC_E_P_U=10", "RLC_E_P_G=20u"}
            << QStringList{"RLC_E_P_deg=89,998 °deg", "RLC_E_P_IL=0,000 A", "RLC_E_P_I_Be=6,283 A"};
        QTest::newRow("Parallel: Ir in Widst. changes G, not R")
            << "P" << QList<int>{1, 0, 0} << QStringList{"RLC_E_P_U=10", "RLC_E_P_Ir=1m"}
            << QStringList{"RLC_E_P_G=100,000 µS", "RLC_E_P_R=50,000 k" + O};
        QTest::newRow("Parallel: XL comes back from its element")
            << "P" << QList<int>{0, 0, 0} << QStringList{"RLC_E_P_F=10M", "RLC_E_P_XL=1k"}
            << QStringList{"RLC_E_P_L=15,915 µH", "RLC_E_P_XL=999,969 " + O};
        QTest::newRow("Parallel: IC sets C at the voltage")
            << "P" << QList<int>{1, 0, 0} << QStringList{"RLC_E_P_F=1M", "RLC_E_P_U=10", "RLC_E_P_IC=62,832m"}
            << QStringList{"RLC_E_P_C=1,000 nF", "RLC_E_P_U=10,000 V"};
    }
    void entries()
    {
        QFETCH(QString, side);
        QFETCH(QList<int>, selection);
        QFETCH(QStringList, entries);
        QFETCH(QStringList, expected);
        show(side);
        select(::side(side), selection[0], selection[1], selection[2]);
        QCOMPARE(driver::boxesDuring([&] { driver::enterEach(entries); }).size(), 0);
        EXPECT_TEXTS(expected);
    }

    void changingOnlyTheViewRecomputesNothing()
    {
        show("R");
        RLCNetzwerk* n = side("R");
        select(n, 0, 0, 0);
        driver::field("RLC_E_R_L")->setText("1 mH"); // not entered
        const QString before = text("RLC_E_R_XL");
        n->Auswahl->setItemIndex(1);
        n->Auswahl->setItemIndex(0);
        QCOMPARE(text("RLC_E_R_XL"), before);
        QCOMPARE(text("RLC_E_R_L"), QString("1 mH"));
    }

    void settingsRoundTrip()
    {
        show("R");
        select(side("R"), 2, 1, 1);
        driver::enterEach({"RLC_E_R_F=3M", "RLC_E_R_I=2", "RLC_E_R_P=8"});
        show("P");
        select(side("P"), 1, 2, 0);
        driver::enterEach({"RLC_E_P_F=7M", "RLC_E_P_U=5", "RLC_E_P_Ir=10m"});
        const auto state = [] {
            QStringList s;
            for (EditField* f : page()->findChildren<EditField*>())
                s << f->objectName() + "=" + f->text() + (f->isVisibleTo(page()->parallel()) ? "+" : "");
            for (RLCNetzwerk* n : {side("R"), side("P")})
                s << QString("%1 %2 %3").arg(n->Auswahl->itemIndex()).arg(n->Schaltung->itemIndex()).arg(n->Display->itemIndex());
            s << QString::number(page()->PageControl3->currentIndex());
            s.sort();
            return s;
        };
        const QStringList shown = state();
        IniDocument ini;
        page()->storeSettings(ini);
        QCOMPARE(ini.value("RLC-Netzwerk-Parallel", "Scheinstrom"), ini.value("RLC-Netzwerk-Parallel", "Wirkstrom"));
        QCOMPARE(ini.value("RLC-Netzwerk-Reihe", "Scheinspannung").value_or(""), QString("2"));
        page()->loadFactoryDefaults();
        select(side("R"), 0, 0, 0);
        select(side("P"), 0, 0, 1);
        page()->PageControl3->setCurrentIndex(0);
        page()->loadSettings(StoredSettings(IniDocument::fromBytes(ini.toBytes()), punktKomma()));
        QCOMPARE(state(), shown);
    }

    void scheinstromIsReadAfterWirkstrom()
    {
        const auto ini = IniDocument::fromText("[RLC-Netzwerk-Parallel]\nWirkstrom=1,00 mA\nScheinstrom=3,00 mA\nR-I-P=1\n");
        page()->loadSettings(StoredSettings(ini, ','));
        QCOMPARE(text("RLC_E_P_Ir"), withPunktKomma("3,00 mA"));
        QVERIFY(driver::field("RLC_E_P_Ir")->isVisibleTo(page()->parallel()));
        QVERIFY(page()->parallel()->label("RLC_L_P_Ir")->isVisibleTo(page()->parallel()));
    }

    void reformatInAllThreeNotations_data()
    {
        QTest::addColumn<int>("notation");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("SCI") << int(Notation::Sci)
                             << QStringList{"RLC_E_R_I=1,000E+00 A", "RLC_E_R_XL=2,639E+03 " + O,
                                            "RLC_E_R_F=1,000E+07 Hz", "RLC_E_P_U=1,000E+01 V",
                                            "RLC_E_P_Y_Be=6,279E-01 S", "RLC_E_P_BL=3,789E-04 S"};
        QTest::newRow("ENG") << int(Notation::Eng)
                             << QStringList{"RLC_E_R_I=1,000E00 A", "RLC_E_R_BC=628,319E-03 S",
                                            "RLC_E_P_QC=62,832E00 var", "RLC_E_P_I_Be=6,279E00 A"};
        QTest::newRow("prefix") << int(Notation::Prefix)
                                << QStringList{"RLC_E_R_S_Be=2,637 kVA", "RLC_E_P_IL=3,789 mA"};
    }
    void reformatInAllThreeNotations()
    {
        QFETCH(int, notation);
        QFETCH(QStringList, expected);
        setNotation(static_cast<Notation>(notation));
        QCOMPARE(driver::boxesDuring([] { TForm3::Anzeige_Format(); }).size(), 0);
        EXPECT_TEXTS(expected);
    }
};

QTEST_MAIN(TestRlcPage)
#include "tst_rlcpage.moc"
