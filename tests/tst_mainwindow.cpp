// Program start and the main window: the nine windows, the pages, the buttons, help by F1.
#include "app/Ampero361.h"
#include "app/Main361.h"
#include "platform/Help.h"
#include "support/Driver.h"
#include "settings/Optionen361.h"
#include "widgets/PageControl.h"
#include "widgets/RadioGroup.h"
#include "windows/SpannungStrom.h"

#include <QApplication>
#include <QMenu>
#include <QRegularExpression>
#include "widgets/EditField.h"
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

using namespace ampero;

namespace {

int helpContextShown()
{
    QWidget* help = driver::find("Hilfe");
    return help && help->isVisible() ? help->property("kontext").toInt() : -1;
}

// The heading of the topic the help viewer shows.
QString helpHeading()
{
    auto* text = driver::find<QTextBrowser>("Hilfe_Text");
    for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next())
        if (block.blockFormat().headingLevel() == 1)
            return block.text();
    return {};
}

void closeHelp()
{
    if (QWidget* help = driver::find("Hilfe"))
        help->close();
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        driver::startProgram();
        setHelpFile(QStringLiteral(AMPERO_HELP_FILE));
    }
    void cleanup() { closeHelp(); }

    void createsTheNineWindowsInOrder()
    {
        QCOMPARE(Form1->objectName(), QString("Form1"));
        QStringList owned;
        for (QObject* child : Form1->children())
            if (auto* w = qobject_cast<QWidget*>(child); w && w->isWindow())
                owned << w->objectName();
        QCOMPARE(owned, QStringList({"Form2", "Form3", "Form4", "Form5", "Form6", "Form7", "Form8",
                                     "Form9"}));
        QVERIFY(Form1->isVisible());
        for (const QString& name : owned)
            QVERIFY2(!driver::find(name)->isVisible(), qPrintable(name));
    }

    void captions()
    {
        QCOMPARE(QCoreApplication::applicationName(), QString("Ampero V3.60"));
        QCOMPARE(Form1->windowTitle(), QString("Rozerar       Ampero Version 3.6"));
        QCOMPARE(driver::find("Form2")->windowTitle(), QString(" Info"));
        QCOMPARE(driver::find("Form3")->windowTitle(), QString("  Optionen"));
        QCOMPARE(driver::find("Form4")->windowTitle(),
                 QString("Rozerar          Spannung und Strom in Dämpfungsgliedern"));
        QCOMPARE(driver::find("Form8")->windowTitle(),
                 QString("Rozerar                    U und I im T-Netzwerk"));
        QCOMPARE(driver::find("Form9")->windowTitle(), QString("Update"));
    }

    void fixedClientArea()
    {
        QCOMPARE(Form1->size(), QSize(715, 547));
        QCOMPARE(Form1->minimumSize(), Form1->maximumSize());
        QCOMPARE(Form1->PageControl1->geometry(), QRect(8, 7, 697, 489));
    }

    void pagesInTabOrder()
    {
        const QStringList captions{"dB", "dB rel.", "dBm", "dBµV", "XL / XC", "R-L-C Netz",
                                   "LC-Schwingkreis", "RC-Glieder", "PI / T Att",
                                   "Par-/Ser-Trans.", "R - Anpassnetzwerk", "L - Anpassnetzwerk",
                                   "Pi - Anpassnetzwerk", "T - Anpassnetzwerk", "VSWR, RL, r"};
        const QStringList components{"dB", "dBrel", "dBm", "dBuV", "XLXC", "RLC",
                                     "LCSchwingkreis", "RCGlieder", "PITAtt", "gleichwSchalt",
                                     "RNetz", "LNetz", "PiNetz", "TNetz", "VSWR"};
        PageControl* pages = Form1->PageControl1;
        QCOMPARE(pages->count(), captions.size());
        for (int i = 0; i < pages->count(); ++i) {
            QCOMPARE(pages->tabText(i), captions[i]);
            QCOMPARE(pages->widget(i)->objectName(), components[i]);
        }
    }

    void tabsWrapIntoRowsAndTheCurrentRowMeetsThePage()
    {
        auto* bar = qobject_cast<MultiRowTabBar*>(Form1->PageControl1->tabBar());
        QVERIFY(bar);
        QVERIFY(bar->rowCount() > 1);
        for (int i = 0; i < bar->count(); ++i)
            QVERIFY(bar->rect().contains(bar->visualTabRect(i)));

        for (int i : {14, 0, 7}) {
            const QPoint at = bar->visualTabRect(i).center();
            QTest::mouseClick(bar, Qt::LeftButton, {}, at);
            QCOMPARE(Form1->PageControl1->currentIndex(), i);
            QCOMPARE(bar->visualTabRect(i).bottom(), bar->rect().bottom());
        }
        Form1->PageControl1->setCurrentIndex(0);
    }

    void bottomRow()
    {
        const QStringList names{"Button4", "Button6", "B_Hilfe", "BitBtn2"};
        const QStringList texts{"Info", "Optionen", "Hilfe", "Fertig"};
        int x = 0;
        for (int i = 0; i < names.size(); ++i) {
            auto* button = driver::find<QPushButton>(names[i]);
            QCOMPARE(button->text(), texts[i]);
            QVERIFY(button->x() > x);
            QVERIFY(button->y() > Form1->PageControl1->geometry().bottom());
            x = button->x();
        }
        auto* fertig = driver::find<QPushButton>("BitBtn2");
        QVERIFY(fertig->width() > driver::find<QPushButton>("B_Hilfe")->width());
        QVERIFY(Form1->width() - fertig->geometry().right() < 16);
    }

    void infoAndOptionsButtonsShowTheirWindows()
    {
        driver::find<QPushButton>("Button4")->click();
        QVERIFY(driver::find("Form2")->isVisible());
        driver::find<QPushButton>("Button6")->click();
        QVERIFY(driver::find("Form3")->isVisible());
        driver::find("Form2")->close();
        driver::find("Form3")->close();
    }

    void helpByF1AndButton_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("context");
        QTest::addColumn<QString>("heading");
        const char* headings[] = {"dB – Verstärkung und Dämpfung",
                                  "dB rel. – Spannungen um einen Referenzwert",
                                  "dBm – Leistungspegel",
                                  "dBµV – Spannungspegel",
                                  "XL / XC – Blindwiderstände",
                                  "R-L-C Netz – Reihen- und Parallelschaltung",
                                  "LC-Schwingkreis",
                                  "RC-Glieder",
                                  "PI / T Att – Dämpfungsglieder",
                                  "Par-/Ser-Trans. – Parallel- und Serienschaltung",
                                  "R - Anpassnetzwerk",
                                  "L - Anpassnetzwerk",
                                  "Pi - Anpassnetzwerk",
                                  "T - Anpassnetzwerk",
                                  "VSWR, RL, r – Fehlanpassung"};
        for (int page = 0; page < 15; ++page)
            QTest::addRow("%d", page) << page << 70 + 10 * page << QString::fromUtf8(headings[page]);
    }
    void helpByF1AndButton()
    {
        QFETCH(int, page);
        QFETCH(int, context);
        QFETCH(QString, heading);
        Form1->PageControl1->setCurrentIndex(page);
        QVERIFY(driver::activate(Form1));
        QTest::keyClick(Form1, Qt::Key_F1);
        QCOMPARE(helpContextShown(), context);
        QCOMPARE(helpHeading(), heading);
        closeHelp();
        driver::find<QPushButton>("B_Hilfe")->click();
        QCOMPARE(helpContextShown(), context);
    }

    void f1InAFieldOfASubPage()
    {
        Form1->PageControl1->setCurrentIndex(0);
        QVERIFY(driver::activate(Form1));
        auto* sub = driver::find<QTabWidget>("PageControl2");
        for (int i = 0; i < sub->count(); ++i) {
            sub->setCurrentIndex(i);
            QWidget* field = driver::find(i == 0 ? "db_P_E_Pin" : "dB_U_E_Uin");
            field->setFocus();
            QTest::keyClick(field, Qt::Key_F1);
            QCOMPARE(helpContextShown(), 70);
            closeHelp();
        }
    }

    // Ctrl+Tab turns the main window's pages from any field, also inside a page that holds
    // sub-pages of its own; Ctrl+Shift+Tab turns back, and both wrap around.
    void ctrlTabTurnsTheMainPages_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("back");
        QTest::addColumn<int>("expected");
        QTest::newRow("dB, a sub-page field") << 0 << "dB_U_E_Uin" << false << 1;
        QTest::newRow("dB, back, wraps") << 0 << "dB_U_E_Uin" << true << 14;
        QTest::newRow("dBm") << 2 << "dBm_E_R" << false << 3;
        QTest::newRow("R-L-C, a sub-page field") << 5 << "RLC_E_R_F" << false << 6;
        QTest::newRow("R-L-C, back") << 5 << "RLC_E_R_F" << true << 4;
    }
    void ctrlTabTurnsTheMainPages()
    {
        QFETCH(int, page);
        QFETCH(QString, field);
        QFETCH(bool, back);
        QFETCH(int, expected);
        Form1->PageControl1->setCurrentIndex(page);
        QVERIFY(driver::activate(Form1));
        QWidget* f = driver::find(field);
        f->setFocus();
        QTest::keyClick(f, back ? Qt::Key_Backtab : Qt::Key_Tab,
                        back ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
        QCOMPARE(Form1->PageControl1->currentIndex(), expected);
        if (auto* sub = driver::find<QTabWidget>("PageControl2"))
            sub->setCurrentIndex(1);
        if (auto* sub = driver::find<QTabWidget>("PageControl3"))
            sub->setCurrentIndex(0);
    }

    // On the dB rel. page Tab runs through the input fields, in the order they stand, before
    // it reaches the buttons; the read-only step fields are not in the way.
    void dBrelTabOrder()
    {
        Form1->PageControl1->setCurrentIndex(1);
        QVERIFY(driver::activate(Form1));
        driver::find("dBrelU_E_0dB")->setFocus();
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited,
                 QStringList({"dBrelU_E_0dB", "dBrelU_E_pUdB", "dBrelU_E_pdB", "dBrelU_E_pmUdBo",
                              "dBrelU_E_pmdB", "dBrelU_E_pmUdBu", "dBrelU_E_mdB", "dBrelU_E_mUdB",
                              "Button4"}));
    }

    // Tab into a radio group lands on its selected item, so that Space does not flip the
    // choice: every group of every page and of the options window whose selection is not its
    // first item.
    void tabIntoARadioGroupLandsOnItsSelection()
    {
        QStringList wrong;
        int tried = 0;
        const auto tryGroups = [&](QWidget* window, QWidget* root) {
            for (RadioGroup* g : root->findChildren<RadioGroup*>()) {
                if (!g->isVisible() || g->itemIndex() < 1 || !g->item(g->itemIndex())->isEnabled())
                    continue;
                // the control before the group in the Tab chain
                QWidget* before = g->item(0)->previousInFocusChain();
                while (before != g->item(0) &&
                       (!(before->focusPolicy() & Qt::TabFocus) || !before->isVisible() ||
                        !before->isEnabled() || g->isAncestorOf(before)))
                    before = before->previousInFocusChain();
                if (!driver::activate(window))
                    wrong << "window not active";
                before->setFocus(Qt::TabFocusReason);
                QTest::keyClick(before, Qt::Key_Tab);
                ++tried;
                if (QApplication::focusWidget() != g->item(g->itemIndex()))
                    wrong << QStringLiteral("%1: Tab from %2 went to %3")
                                 .arg(g->objectName(), before->objectName(),
                                      QApplication::focusWidget()
                                          ? QApplication::focusWidget()->objectName() +
                                                QLatin1Char(' ') +
                                                QApplication::focusWidget()->metaObject()->className()
                                          : QStringLiteral("nothing"));
            }
        };
        for (int i = 0; i < Form1->PageControl1->count(); ++i) {
            Form1->PageControl1->setCurrentIndex(i);
            tryGroups(Form1, Form1->PageControl1->currentWidget());
        }
        Form1->PageControl1->setCurrentIndex(0);
        Form3->show();
        tryGroups(Form3, Form3);
        Form3->close();
        QVERIFY(tried > 5);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join('\n')));
    }

    // Every button of every page names itself in one line that fits it.
    void buttonTextsFitInOneLine()
    {
        QStringList wrong;
        for (int i = 0; i < Form1->PageControl1->count(); ++i)
            for (const QPushButton* b :
                 Form1->PageControl1->widget(i)->findChildren<QPushButton*>()) {
                const int room = b->width() - 8;
                if (b->text().contains('\n') || b->fontMetrics().horizontalAdvance(b->text()) > room)
                    wrong << b->objectName() + ": " + QString(b->text()).replace('\n', "\\n");
            }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join('\n')));
    }

    // The attenuator page's buttons, left to right.
    void attenuatorButtonsAreTabbedLeftToRight()
    {
        Form1->PageControl1->setCurrentIndex(8);
        QVERIFY(driver::activate(Form1));
        driver::find("PiT_B_Normwerte")->setFocus(Qt::TabFocusReason);
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 2; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, QStringList({"PiT_B_Normwerte", "PiT_B_FG", "PiT_B_UI"}));
        Form1->PageControl1->setCurrentIndex(0);
    }

    // Qt's own texts are German too: the context menu of every field.
    void theFieldsContextMenuIsGerman()
    {
        std::unique_ptr<QMenu> menu(driver::field("XL_E_F")->createStandardContextMenu());
        QStringList texts;
        for (const QAction* a : menu->actions())
            texts << a->text().remove('&');
        QVERIFY2(texts.filter(QRegularExpression("^Alles auswählen")).size() == 1,
                 qPrintable(texts.join(" | ")));
        QVERIFY2(texts.filter(QRegularExpression("^Kopieren")).size() == 1, qPrintable(texts.join(" | ")));
    }

    void changingThePageClosesTheVoltageCurrentWindows()
    {
        for (QWidget* w : {static_cast<QWidget*>(Form4), static_cast<QWidget*>(Form7)})
            w->show();
        Form1->PageControl1->setCurrentIndex(3);
        for (QWidget* w : {Form4, Form5, Form6, Form7, Form8})
            QVERIFY(!static_cast<QWidget*>(w)->isVisible());
        Form1->PageControl1->setCurrentIndex(0);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
