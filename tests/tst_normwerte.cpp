// The standard values of the pad pages, the built networks, and copying tables and pages.
#include "app/Ampero361.h"
#include "app/Main361.h"
#include "pages/PITAtt.h"
#include "pages/PiNetz.h"
#include "pages/TNetz.h"
#include "pages/RNetz.h"
#include "settings/IniDocument.h"
#include "settings/StoredSettings.h"
#include "support/Driver.h"
#include "values/DisplayOptions.h"
#include "values/ZahlenEinundAusgabe.h"
#include "widgets/PageControl.h"
#include "widgets/RadioGroup.h"
#include "windows/Normwerte.h"
#include "windows/SpannungStrom.h"

#include <cmath>
#include <complex>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

using namespace ampero;

namespace {

constexpr int kPiT = 8, kR = 10;
const QString O = QStringLiteral("\u2126");

PITAtt* pit() { return qobject_cast<PITAtt*>(Form1->PageControl1->widget(kPiT)); }
RNetz* rnetz() { return qobject_cast<RNetz*>(Form1->PageControl1->widget(kR)); }

// A table of a standard-value window, which the user opens to read it: a hidden window does
// not follow its page.
QTableWidget* table(const QString& name)
{
    auto* t = driver::find<QTableWidget>(name);
    if (auto* window = t ? qobject_cast<NormwerteFenster*>(t->window()) : nullptr;
        window && !window->isVisible()) {
        window->open();
        QApplication::processEvents();
    }
    return t;
}

QStringList row(QTableWidget* t, int r)
{
    QStringList cells;
    for (int c = 0; c < t->columnCount(); ++c)
        cells << (t->item(r, c) ? t->item(r, c)->text() : QString());
    return cells;
}

QStringList column(QTableWidget* t, int c)
{
    QStringList cells;
    for (int r = 0; r < t->rowCount(); ++r)
        cells << (t->item(r, c) ? t->item(r, c)->text() : QString());
    return cells;
}

QStringList commas(const QStringList& texts)
{
    QStringList out;
    for (const QString& t : texts)
        out << withPunktKomma(t);
    return out;
}

QString clipboard() { return QApplication::clipboard()->text(); }

// Attenuation and return loss of a symmetric Pi pad between Z and Z, from the divider.
std::pair<double, double> piPad(double Z, double Rs, double Rp)
{
    using C = std::complex<double>;
    const auto parallel = [](C a, C b) { return a * b / (a + b); };
    const C Zload = parallel(Rp, Z), Zmid = Rs + Zload, Zin = parallel(Rp, Zmid);
    const C Uin = 2.0 * Zin / (Z + Zin), Uout = Uin * Zload / Zmid;
    const double attenuation = 10 * std::log10((4 / (4 * Z)) / (std::norm(Uout) / Z));
    const double returnLoss = -20 * std::log10(std::abs((Zin - Z) / (Zin + Z)));
    return {attenuation, returnLoss};
}

// The texts of the active context menu's entries, and the menu closed.
QStringList menuEntries(const std::function<void()>& open, const QString& trigger = {})
{
    QStringList entries;
    QTimer::singleShot(50, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* a : menu->actions())
            if (!a->isSeparator())
                entries << a->text();
        for (QAction* a : menu->actions())
            if (a->text() == trigger) {
                menu->close();
                a->trigger();
                return;
            }
        menu->close();
    });
    open();
    return entries;
}

} // namespace

class TestNormwerte : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { driver::startProgram(); }

    void init()
    {
        driver::clearFocus();
        Form1->PageControl1->setCurrentIndex(kPiT);
        pit()->loadFactoryDefaults();
        rnetz()->loadFactoryDefaults();
    }

    // 20 dB, 50 Ω: the E24 neighbours with their deviations, and the built Pi pad
    // (240 Ω, 62 Ω) as the divider gives it.
    void attenuatorStandardValues()
    {
        QTableWidget* t = table("PiT_NW_Tabelle");
        QCOMPARE(t->rowCount(), 4);
        QCOMPARE(row(t, 0), commas({"Pi  R1", "247,500 " + O, "240,000 " + O, "-3,03 %"}));
        QCOMPARE(row(t, 1),
                 QStringList{"Pi  R2, R3"} + commas({"61,111 " + O, "62,000 " + O, "+1,45 %"}));
        QCOMPARE(row(t, 2), commas({"T  R1", "10,101 " + O, "10,000 " + O, "-1,00 %"}));
        QCOMPARE(row(t, 3),
                 QStringList{"T  R2, R3"} + commas({"40,909 " + O, "39,000 " + O, "-4,67 %"}));

        const auto [a, rl] = piPad(50, 240, 62);
        QTableWidget* built = table("PiT_NW_Aufbau");
        QCOMPARE(row(built, 0), QStringList({"Pi: Dämpfung", fixedText(a) + " dB"}));
        QCOMPARE(row(built, 1),
                 QStringList({"Pi: Rückflussdämpfung Eingang", fixedText(rl) + " dB"}));
        QCOMPARE(row(built, 2),
                 QStringList({"Pi: Rückflussdämpfung Ausgang", fixedText(rl) + " dB"}));
        QCOMPARE(built->rowCount(), 6);
        QVERIFY(built->item(3, 0)->text().startsWith("T: Dämpfung"));
    }

    // Every calculation refills the window; another series rounds anew.
    void followsCalculationAndSeries()
    {
        driver::enter("PiT_E_dB", "10");
        QCOMPARE(table("PiT_NW_Tabelle")->item(0, 2)->text(), withPunktKomma("68,000 " + O));
        RadioGroup* series = driver::find<RadioGroup>("PiT_RG_E_R");
        QCOMPARE(series->itemIndex(), 2);
        series->setItemIndex(0); // E6
        QCOMPARE(table("PiT_NW_Tabelle")->item(0, 2)->text(), withPunktKomma("68,000 " + O));
        driver::enter("PiT_E_dB", "20");
        QCOMPARE(table("PiT_NW_Tabelle")->item(0, 2)->text(), withPunktKomma("220,000 " + O));
        series->setItemIndex(4); // E96: 247.5 → 249
        QCOMPARE(table("PiT_NW_Tabelle")->item(0, 2)->text(), withPunktKomma("249,000 " + O));
    }

    // A balanced pad buys two halves: 123.75 Ω rounds to 120 Ω, and two of them build the
    // same Pi pad as one 240 Ω.
    void balancedPad()
    {
        const QStringList unbalanced = column(table("PiT_NW_Aufbau"), 1);
        pit()->PiT_RG_unsym->setItemIndex(1);
        QCOMPARE(table("PiT_NW_Tabelle")->item(0, 1)->text(), withPunktKomma("123,750 " + O));
        QCOMPARE(table("PiT_NW_Tabelle")->item(0, 2)->text(), withPunktKomma("120,000 " + O));
        QCOMPARE(column(table("PiT_NW_Aufbau"), 1).mid(0, 3), unbalanced.mid(0, 3));
    }

    // The R network: all three pads built from E24 values come near their 12 dB, and the
    // L pad, matched at Z2 only, reflects at Z1.
    void resistiveNetwork()
    {
        QTableWidget* t = table("R_NW_Tabelle");
        QCOMPARE(column(t, 0), QStringList({"L  R1", "L  R2", "Pi  R1", "Pi  R2", "Pi  R3", "T  R1",
                                            "T  R2", "T  R3"}));
        for (int r = 0; r < t->rowCount(); ++r)
            QCOMPARE(t->item(r, 1)->text(),
                     driver::text(QStringList{"R_E_L_R1", "R_E_L_R2", "R_E_Pi_R1", "R_E_Pi_R2",
                                              "R_E_Pi_R3", "R_E_T_R1", "R_E_T_R2",
                                              "R_E_T_R3"}[r]));
        QTableWidget* built = table("R_NW_Aufbau");
        QCOMPARE(built->rowCount(), 9);
        for (int r : {0, 3, 6}) {
            const double a = Zahleneingabe(built->item(r, 1)->text());
            QVERIFY2(std::abs(a - 12) < 0.3, qPrintable(built->item(r, 1)->text()));
        }
        // matched at Z2, not at Z1
        QVERIFY(Zahleneingabe(built->item(2, 1)->text()) > 25);
        QVERIFY(Zahleneingabe(built->item(1, 1)->text()) < 25);
    }

    void copyStandardValues()
    {
        QTest::mouseClick(driver::find<QPushButton>("PiT_NW_B_Kopieren"), Qt::LeftButton);
        const QStringList lines = clipboard().split('\n');
        QCOMPARE(lines[0], QString("Bauteil\tberechnet\tNormwert\tAbweichung"));
        QCOMPARE(lines[1], withPunktKomma("Pi  R1\t247,500 " + O + "\t240,000 " + O + "\t-3,03 %"));
        QCOMPARE(lines[5], QString());
        QCOMPARE(lines[6], QString("Eigenschaft\tWert"));
        QVERIFY(lines[7].startsWith("Pi: Dämpfung\t"));
    }

    // Every voltage/current window copies its table, headed by the input power and whether
    // the values are peak or RMS: the rule lines left out, the cells without padding.
    void copyVoltageTable_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        for (auto [w, b] : {std::pair{"Form4", "PiT_B_Kopieren"}, {"Form5", "R_B_Kopieren"},
                            {"Form6", "L_B_Kopieren"}, {"Form7", "Pi_B_Kopieren"},
                            {"Form8", "T_B_Kopieren"}})
            QTest::newRow(w) << QString(w) << QString(b);
    }

    void copyVoltageTable()
    {
        QFETCH(QString, window);
        QFETCH(QString, button);
        auto* w = driver::find<SpannungStromFenster>(window);
        QVERIFY(w);
        w->memo()->setPlainText(QString::fromUtf8(
            "\n Hochpass\tSpannung U\tStrom I\tVerlustleistung\n ¯¯¯¯¯¯¯¯\n    Xp -\t1,5 V\t2 mA\t   -----"));
        QTest::mouseClick(driver::find<QPushButton>(button), Qt::LeftButton);
        const QString power = driver::find<QLineEdit>(button.section('_', 0, 0) + "_E_P")->text();
        const QString level = driver::find<QLabel>(button.section('_', 0, 0) + "_L_Leistung")->text();
        const auto* peak = driver::find<RadioGroup>(button.section('_', 0, 0) + "_RG_UsUeff");
        QVERIFY(peak);
        QCOMPARE(clipboard(), "Eingangsleistung\t" + power.trimmed() + '\t' + level.trimmed() + '\n' +
                                  (peak->itemIndex() == 0 ? "Scheitelwerte (Us, Is)"
                                                          : "Effektivwerte (Ueff, Ieff)") +
                                  "\n\nHochpass\tSpannung U\tStrom I\tVerlustleistung\n"
                                  "Xp -\t1,5 V\t2 mA\t-----\n");
    }

    // The attenuator's own table as the page computes it.
    void copyAttenuatorTable()
    {
        QTest::mouseClick(driver::find<QPushButton>("PiT_B_Kopieren"), Qt::LeftButton);
        const QStringList lines = clipboard().split('\n');
        QCOMPARE(lines[0], withPunktKomma("Eingangsleistung\t1,000 W\t30,000 dBm"));
        QVERIFY(lines[1] == "Scheitelwerte (Us, Is)" || lines[1] == "Effektivwerte (Ueff, Ieff)");
        QCOMPARE(lines[3], QString("Pi-Form\tSpannung U\tStrom I\tVerlustleistung"));
        QCOMPARE(lines[4], withPunktKomma("R1-\t6,364 V\t25,713 mA\t163,636 mW"));
        QCOMPARE(lines[8], QString("T-Form\tSpannung U\tStrom I\tVerlustleistung"));
        QVERIFY(!clipboard().contains(QChar(0x00AF)));
    }

    // "Werte kopieren": the page row by row, a label and its fields side by side.
    void copyPageValues()
    {
        pit()->copyValues();
        const QStringList lines = clipboard().split('\n');
        QVERIFY(lines.contains(withPunktKomma("Dämpfung\ta\t20,000 dB")));
        QVERIFY(lines.contains(withPunktKomma("Abschlußimpedanz\tZ\t50,000 " + O)));
        QVERIFY(lines.contains(
            withPunktKomma("Widerstand R1\t247,500 " + O + "\t10,101 " + O)));
        QVERIFY(lines.contains("Widerstand R2, R3\t" + withPunktKomma("61,111 " + O + "\t40,909 " + O)));
        // one block per group box, headed by its title, inputs before outputs
        QVERIFY(lines.indexOf("Eingaben") < lines.indexOf(withPunktKomma("Dämpfung\ta\t20,000 dB")));
        QVERIFY(lines.indexOf("Eingaben") < lines.indexOf("Ausgaben"));
        QCOMPARE(lines[lines.indexOf("Ausgaben") + 1], QString("Pi-Dämpfungsglied\tT-Dämpfungsglied"));

        rnetz()->copyValues();
        QVERIFY(clipboard().split('\n').contains(
            "Widerst. R1\t" + driver::text("R_E_L_R1") + "\t" + driver::text("R_E_Pi_R1") +
            "\t" + driver::text("R_E_T_R1")));
        // an open standard-value window is not part of the page
        pit()->normwerte()->open();
        pit()->copyValues();
        QVERIFY(!clipboard().contains("Abweichung"));
        pit()->normwerte()->close();
    }

    // A balanced page copies its halved series values marked "(sym.)", the rest as shown.
    void copyBalancedPageValues_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QStringList>("halved");
        QTest::addColumn<QStringList>("whole");
        QTest::newRow("PI / T Att") << "PiT" << QStringList{"PiT_Pi_E_R_R1", "PiT_T_E_R_R23"}
                                    << QStringList{"PiT_Pi_E_R_R23", "PiT_T_E_R_R1"};
        QTest::newRow("R") << "R" << QStringList{"R_E_L_R1", "R_E_Pi_R2", "R_E_T_R1", "R_E_T_R3"}
                           << QStringList{"R_E_L_R2", "R_E_Pi_R1", "R_E_T_R2"};
        QTest::newRow("L") << "L" << QStringList{"L_E_HP_C", "L_E_TP_L"}
                           << QStringList{"L_E_HP_L", "L_E_TP_C"};
        QTest::newRow("Pi") << "Pi" << QStringList{"Pi_E_HP_Xs", "Pi_E_TP_Xs"}
                            << QStringList{"Pi_E_HP_Xp1", "Pi_E_TP_Xp2"};
    }
    void copyBalancedPageValues()
    {
        QFETCH(QString, prefix);
        QFETCH(QStringList, halved);
        QFETCH(QStringList, whole);
        auto* group = driver::find<RadioGroup>(prefix + "_RG_unsym");
        QVERIFY(group);
        Page* page = nullptr;
        for (QWidget* w = group; w && !page; w = w->parentWidget())
            page = qobject_cast<Page*>(w);
        QVERIFY(page);
        Form1->PageControl1->setCurrentWidget(page);
        group->setItemIndex(1);
        page->copyValues();
        const QString copied = clipboard();
        for (const QString& name : halved) {
            QVERIFY2(driver::find(name), qPrintable(name));
            QVERIFY2(copied.contains(driver::text(name).trimmed() + " (sym.)"), qPrintable(name));
        }
        for (const QString& name : whole) {
            QVERIFY2(driver::find(name), qPrintable(name));
            QVERIFY2(!copied.contains(driver::text(name).trimmed() + " (sym.)"), qPrintable(name));
        }
        group->setItemIndex(0);
        page->copyValues();
        QVERIFY(!clipboard().contains("(sym.)"));
    }

    // A result field's context menu keeps its own entries and offers the page's; the page's
    // standard values open from it, and close when another page comes to the front.
    void contextMenus()
    {
        QWidget* field = driver::find("PiT_Pi_E_R_R1");
        const QStringList entries = menuEntries(
            [&] { emit field->customContextMenuRequested(QPoint(4, 4)); },
            "Normwerte anzeigen");
        QVERIFY2(entries.contains("Normwerte anzeigen"), qPrintable(entries.join('|')));
        QVERIFY(entries.contains("Werte kopieren"));
        QVERIFY(entries.size() > 2); // the field's own copy and select-all
        QVERIFY(pit()->normwerte()->isVisible());
        Form1->PageControl1->setCurrentIndex(kR);
        QVERIFY(!pit()->normwerte()->isVisible());
        Form1->PageControl1->setCurrentIndex(kPiT);

        const QStringList pageEntries = menuEntries([&] {
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), pit()->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(pit(), &event);
        });
        QCOMPARE(pageEntries, QStringList({"Normwerte anzeigen", "Werte kopieren"}));
    }

    // What a matching page plugs in: coils and capacitors by the unit their field shows, each
    // kind with its own series (E12 unless chosen), and the network's loss and input VSWR.
    void reactiveParts()
    {
        QWidget page;
        auto* a = new QLineEdit(withPunktKomma("142,350 pF"), &page);
        auto* b = new QLineEdit(withPunktKomma("2,135 µH"), &page);
        using NW = NormwerteFenster;
        const double omega = 2 * M_PI * 10e6;
        NW window(
            "Test", "L-Netzwerk", {{"Xs", a, NW::Kind::Reactive}, {"Xp", b, NW::Kind::Reactive}},
            2,
            [&](const std::vector<double>& v) {
                const std::vector<ladder::Element> hp = {
                    {ladder::Place::Shunt, eseries::coil(v[1], omega, 50)},
                    {ladder::Place::Series, eseries::capacitor(v[0], omega)}};
                return NW::matchingLines("Hochpass", hp, 300, 50);
            },
            &page);
        QVERIFY(window.seriesGroup(NW::Kind::Capacitor) && window.seriesGroup(NW::Kind::Coil));
        QVERIFY(!window.seriesGroup(NW::Kind::Resistor));
        window.update(); // hidden: nothing to show yet
        auto* t = window.findChild<QTableWidget*>("Test_NW_Tabelle");
        QVERIFY(!t->item(0, 2) || t->item(0, 2)->text().isEmpty());
        window.show();
        QCOMPARE(t->item(0, 2)->text(), withPunktKomma("150,000 pF"));
        QCOMPARE(t->item(1, 2)->text(), withPunktKomma("2,200 µH"));
        auto* built = window.findChild<QTableWidget*>("Test_NW_Aufbau");
        QCOMPARE(built->item(0, 0)->text(), QString("Hochpass: Durchgangsdämpfung TL"));
        QCOMPARE(built->item(1, 0)->text(), QString("Hochpass: VSWR am Eingang"));
        const double vswr = Zahleneingabe(built->item(1, 1)->text());
        QVERIFY(vswr > 1 && vswr < 1.5);

        window.seriesGroup(NW::Kind::Coil)->setItemIndex(4); // E96 for coils only
        QCOMPARE(t->item(1, 2)->text(), withPunktKomma("2,150 µH"));
        QCOMPARE(t->item(0, 2)->text(), withPunktKomma("150,000 pF"));
        a->setText(withPunktKomma("1,779 µH")); // the series element became a coil
        window.update();
        QCOMPARE(t->item(0, 2)->text(), withPunktKomma("1,780 µH"));
        a->setText(QString()); // no value: no standard value and no built network
        window.update();
        QCOMPARE(t->item(0, 2)->text(), QString("-----"));
        QCOMPARE(built->item(0, 1)->text(), QString("-----"));
        QCOMPARE(built->item(0, 0)->text(), QString("Hochpass: Durchgangsdämpfung TL"));
    }

    // The L, Pi and T matching pages: their coils and capacitors in E12, and both networks
    // built from them at F with the coils' Q, worked out here from the impedances seen
    // towards the load, node by node.
    void matchingPages_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QStringList>("fields"); // the table's rows
        QTest::addColumn<QList<int>>("fromZ1");  // a variant's rows in their order from Z1
        QTest::addColumn<QString>("places");     // s series, p shunt, in that order
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("L, R1 > R2") << 11 << "L"
                                   << QStringList{"L_E_HP_C", "L_E_HP_L", "L_E_TP_L", "L_E_TP_C"}
                                   << QList<int>{1, 0} << "ps" << QStringList();
        QTest::newRow("L, R1 < R2, balanced")
            << 11 << "L" << QStringList{"L_E_HP_C", "L_E_HP_L", "L_E_TP_L", "L_E_TP_C"}
            << QList<int>{0, 1} << "sp" << QStringList{"L_E_Z2=600", "L_E_Z2j=-40"};
        QTest::newRow("Pi") << 12 << "Pi"
                            << QStringList{"Pi_E_HP_Xp1", "Pi_E_HP_Xs", "Pi_E_HP_Xp2",
                                           "Pi_E_TP_Xp1", "Pi_E_TP_Xs", "Pi_E_TP_Xp2"}
                            << QList<int>{0, 1, 2} << "psp" << QStringList();
        QTest::newRow("T") << 13 << "T"
                           << QStringList{"T_E_HP_Xs1", "T_E_HP_Xp", "T_E_HP_Xs2", "T_E_TP_Xs1",
                                          "T_E_TP_Xp", "T_E_TP_Xs2"}
                           << QList<int>{0, 1, 2} << "sps" << QStringList();
    }

    void matchingPages()
    {
        QFETCH(int, page);
        QFETCH(QString, prefix);
        QFETCH(QStringList, fields);
        QFETCH(QList<int>, fromZ1);
        QFETCH(QString, places);
        QFETCH(QStringList, entries);
        using C = std::complex<double>;
        Form1->PageControl1->setCurrentIndex(page);
        auto* p = qobject_cast<Page*>(Form1->PageControl1->widget(page));
        p->loadFactoryDefaults();
        driver::enterEach(entries);
        const bool balanced = !entries.isEmpty();
        if (balanced)
            driver::find<RadioGroup>(prefix + "_RG_unsym")->setItemIndex(1);
        QTableWidget* t = table(prefix + "_NW_Tabelle");
        QCOMPARE(t->rowCount(), static_cast<int>(fields.size()));
        QVERIFY(driver::find<RadioGroup>(prefix + "_RG_E_C"));
        QCOMPARE(driver::find<RadioGroup>(prefix + "_RG_E_L")->itemIndex(), 1);

        const double omega = 2 * M_PI * Zahleneingabe(driver::text(prefix + "_E_F"));
        const double QL = Zahleneingabe(driver::text(prefix + "_E_QL"));
        const C Z1(Zahleneingabe(driver::text(prefix + "_E_Z1")),
                   Zahleneingabe(driver::text(prefix + "_E_Z1j")));
        const C Z2(Zahleneingabe(driver::text(prefix + "_E_Z2")),
                   Zahleneingabe(driver::text(prefix + "_E_Z2j")));
        QTableWidget* built = table(prefix + "_NW_Aufbau");
        const int n = static_cast<int>(fromZ1.size());
        for (int variant = 0; variant < 2; ++variant) {
            std::vector<C> Z;
            for (int i : fromZ1) {
                const int row = n * variant + i;
                QCOMPARE(t->item(row, 1)->text(), driver::text(fields[row]));
                const QString shown = t->item(row, 2)->text();
                const bool coil = shown.endsWith('H');
                double v = Zahleneingabe(shown);
                // two series halves: the whole coil twice one half, the whole capacitor half
                if (balanced && places[static_cast<int>(Z.size())] == 's')
                    v = coil ? 2 * v : v / 2;
                Z.push_back(coil ? C(omega * v / QL, omega * v) : C(0, -1 / (omega * v)));
            }
            // impedance seen into each element towards the load
            std::vector<C> look(static_cast<std::size_t>(n + 1));
            look[n] = Z2;
            for (int r = n - 1; r >= 0; --r)
                look[r] = places[r] == 's' ? Z[r] + look[r + 1]
                                           : Z[r] * look[r + 1] / (Z[r] + look[r + 1]);
            const double U0 = 2;
            C U = U0 * look[0] / (Z1 + look[0]);
            for (int r = 0; r < n; ++r)
                if (places[r] == 's')
                    U = U / look[r] * look[r + 1];
            const double delivered = std::norm(U) * Z2.real() / std::norm(Z2);
            const double TL = 10 * std::log10(U0 * U0 / (4 * Z1.real()) / delivered);
            const double gamma = std::abs((look[0] - std::conj(Z1)) / (look[0] + Z1));
            QCOMPARE(built->item(2 * variant, 1)->text(), fixedText(TL) + " dB");
            QCOMPARE(built->item(2 * variant + 1, 1)->text(),
                     fixedText((1 + gamma) / (1 - gamma)));
        }
        QVERIFY(built->item(0, 0)->text().startsWith("Hochpass"));
        QVERIFY(built->item(2, 0)->text().startsWith("Tiefpass"));
        Form1->PageControl1->setCurrentIndex(kPiT);
    }

    // The series are kept in a section of their own; a file without it keeps the defaults.
    void settings()
    {
        driver::find<RadioGroup>("PiT_RG_E_R")->setItemIndex(4);
        driver::find<RadioGroup>("R_RG_E_R")->setItemIndex(0);
        IniDocument ini;
        pit()->storeSettings(ini);
        rnetz()->storeSettings(ini);
        QCOMPARE(ini.value("Normwerte", "PiT_Widerstaende").value_or(""), QString("4"));
        QCOMPARE(ini.value("Normwerte", "R_Widerstaende").value_or(""), QString("0"));

        const IniDocument older = IniDocument::fromText(withPunktKomma(
            "[Pi-T-Att]\nDaempfung=10,00 dB\n[R-Netz]\nZ2=40,00 \u03A9\n"));
        pit()->loadSettings(StoredSettings(older, punktKomma()));
        rnetz()->loadSettings(StoredSettings(older, punktKomma()));
        QCOMPARE(driver::find<RadioGroup>("PiT_RG_E_R")->itemIndex(), 2);
        QCOMPARE(driver::find<RadioGroup>("R_RG_E_R")->itemIndex(), 2);
        QCOMPARE(driver::text("PiT_E_dB"), withPunktKomma("10,00 dB"));
        QCOMPARE(table("PiT_NW_Tabelle")->item(0, 2)->text(), withPunktKomma("68,000 " + O));

        const IniDocument stored = IniDocument::fromBytes(ini.toBytes());
        pit()->loadSettings(StoredSettings(stored, punktKomma()));
        rnetz()->loadSettings(StoredSettings(stored, punktKomma()));
        QCOMPARE(driver::find<RadioGroup>("PiT_RG_E_R")->itemIndex(), 4);
        QCOMPARE(driver::find<RadioGroup>("R_RG_E_R")->itemIndex(), 0);
    }
};

QTEST_MAIN(TestNormwerte)
#include "tst_normwerte.moc"
