// The help viewer: every context number opens its topic, a missing or damaged help file is
// reported, and contents, index, search, links and history lead to the right topics.
#include "app/Ampero361.h"
#include "app/Main361.h"
#include "platform/ChmArchive.h"
#include "platform/Help.h"
#include "pages/Page.h"
#include "support/Driver.h"
#include "widgets/PageControl.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextFrame>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QtTest>

using namespace ampero;

namespace {

const QString kBuiltHelp = QStringLiteral(AMPERO_HELP_FILE);

QWidget* helpWindow() { return driver::find("Hilfe"); }

const QByteArray kContents = "<ul><li><object type=\"text/sitemap\"><param name=\"Name\" "
                             "value=\"Thema\"><param name=\"Local\" value=\"ctx/130.html\">"
                             "</object></ul>";

// Compiles a help of its own with chmcmd, as the build does: the topic of context 130,
// further topics and the contents; the file's path, or empty when chmcmd failed.
QString compileHelp(const QTemporaryDir& folder, const QByteArray& topic130,
                    const QMap<QString, QByteArray>& topics, const QByteArray& contents)
{
    const QDir dir(folder.path());
    if (!dir.mkpath("ctx"))
        return {};
    const auto write = [&dir](const QString& name, const QByteArray& text) {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
    };
    QByteArray project = "[OPTIONS]\nCompiled file=AMPV36_Help.chm\nContents file=Inhalt.hhc\n"
                         "Default topic=ctx/130.html\nFull-text search=No\n\n[FILES]\n"
                         "ctx/130.html\n";
    bool written = write("ctx/130.html", topic130) && write("Inhalt.hhc", contents);
    for (auto it = topics.cbegin(); it != topics.cend(); ++it) {
        written = written && write(it.key(), it.value());
        project += it.key().toUtf8() + "\n";
    }
    if (!written || !write("AMPV36_Help.hhp", project))
        return {};
    QProcess chmcmd;
    chmcmd.setWorkingDirectory(dir.path());
    chmcmd.start(AMPERO_CHMCMD, {"--no-html-scan", "--verbosity", "0", "AMPV36_Help.hhp"});
    if (!chmcmd.waitForFinished(120000) || !QFile::exists(dir.filePath("AMPV36_Help.chm")))
        return {};
    return dir.filePath("AMPV36_Help.chm");
}

QTextBrowser* browser() { return driver::find<QTextBrowser>("Hilfe_Text"); }

// The first heading of the topic shown.
QString heading()
{
    QTextBrowser* text = browser();
    if (!text || !helpWindow()->isVisible())
        return {};
    for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next())
        if (block.blockFormat().headingLevel() == 1)
            return block.text();
    return {};
}

void closeHelp()
{
    if (QWidget* help = helpWindow())
        help->close();
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(kBuiltHelp), qPrintable(kBuiltHelp));
        driver::startProgram();
        setHelpFile(kBuiltHelp);
    }
    void cleanup()
    {
        setHelpFile(kBuiltHelp);
        closeHelp();
    }

    void everyContextShowsItsTopic_data()
    {
        QTest::addColumn<int>("context");
        QTest::addColumn<QString>("title");
        const QList<std::pair<int, const char*>> topics{
            {70, "dB – Verstärkung und Dämpfung"},
            {80, "dB rel. – Spannungen um einen Referenzwert"},
            {90, "dBm – Leistungspegel"},
            {100, "dBµV – Spannungspegel"},
            {110, "XL / XC – Blindwiderstände"},
            {120, "R-L-C Netz – Reihen- und Parallelschaltung"},
            {130, "LC-Schwingkreis"},
            {140, "RC-Glieder"},
            {150, "PI / T Att – Dämpfungsglieder"},
            {160, "Par-/Ser-Trans. – Parallel- und Serienschaltung"},
            {170, "R - Anpassnetzwerk"},
            {180, "L - Anpassnetzwerk"},
            {190, "Pi - Anpassnetzwerk"},
            {200, "T - Anpassnetzwerk"},
            {210, "VSWR, RL, r – Fehlanpassung"},
            {155, "Spannungen und Ströme in Pi / T-Dämpfungsgliedern"},
            {165, "Spannungen und Ströme im R-Netzwerk"},
            {185, "Spannungen und Ströme im L-Netzwerk"},
            {195, "Spannungen und Ströme im Pi-Netzwerk"},
            {205, "Spannungen und Ströme im T-Netzwerk"},
            {215, "Normwerte – Bauteile aus den Normreihen"},
            {220, "Frequenzgang – Dämpfung und Anpassung über der Frequenz"},
            {225, "Optionen – Anzeige und Verhalten des Programms"},
            {230, "Info – Version, Dank und Kontakt"},
            {235, "Update – eine neuere Version holen"},
        };
        for (const auto& [context, title] : topics)
            QTest::addRow("%d", context) << context << QString::fromUtf8(title);
    }
    void everyContextShowsItsTopic()
    {
        QFETCH(int, context);
        QFETCH(QString, title);
        const QList<driver::Box> boxes = driver::boxesDuring([&] { openHelp(context, title); });
        QVERIFY2(boxes.isEmpty(), qPrintable(boxes.value(0).text));
        QVERIFY(helpWindow()->isVisible());
        QCOMPARE(helpWindow()->property("kontext").toInt(), context);
        QCOMPARE(heading(), title);
        QVERIFY(helpWindow()->windowTitle().endsWith(title));
    }

    // The standard-value and frequency-response windows open their topics, by button and F1.
    void theWindowsOfTheNetworkPagesOpenTheirTopics_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("help");
        QTest::addColumn<int>("context");
        QTest::newRow("Normwerte") << "PiT_B_Normwerte" << "PiT_Normwerte" << "PiT_NW_B_Hilfe" << 215;
        QTest::newRow("Frequenzgang") << "L_B_FG" << "L_Frequenzgang" << "L_FG_Hilfe" << 220;
    }
    void theWindowsOfTheNetworkPagesOpenTheirTopics()
    {
        QFETCH(QString, page);
        QFETCH(QString, window);
        QFETCH(QString, help);
        QFETCH(int, context);
        driver::find<QPushButton>(page)->click();
        QWidget* w = driver::find(window);
        QVERIFY(w && w->isVisible());
        driver::find<QPushButton>(help)->click();
        QVERIFY(helpWindow() && helpWindow()->isVisible());
        QCOMPARE(helpWindow()->property("kontext").toInt(), context);
        closeHelp();
        QVERIFY(driver::activate(w));
        QTest::keyClick(w, Qt::Key_F1);
        QVERIFY(helpWindow() && helpWindow()->isVisible());
        QCOMPARE(helpWindow()->property("kontext").toInt(), context);
        w->close();
    }

    // Every secondary window: F1 opens its own topic, Esc closes it, from whichever control
    // has the focus.
    void everySecondaryWindowHasF1AndEsc_data()
    {
        QTest::addColumn<QString>("button"); // what opens it; empty: shown directly
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("context");
        QTest::newRow("Info") << "Button4" << "Form2" << 230;
        QTest::newRow("Optionen") << "Button6" << "Form3" << 225;
        QTest::newRow("Update") << "" << "Form9" << 235;
        QTest::newRow("U / I, PI / T Att") << "PiT_B_UI" << "Form4" << 155;
        QTest::newRow("U / I, R") << "R_B_UI" << "Form5" << 165;
        QTest::newRow("U / I, L") << "L_B_UI" << "Form6" << 185;
        QTest::newRow("U / I, Pi") << "Pi_B_UI" << "Form7" << 195;
        QTest::newRow("U / I, T") << "T_B_UI" << "Form8" << 205;
        QTest::newRow("Normwerte") << "Pi_B_Normwerte" << "Pi_Normwerte" << 215;
        QTest::newRow("Frequenzgang") << "T_B_FG" << "T_Frequenzgang" << 220;
    }
    void everySecondaryWindowHasF1AndEsc()
    {
        QFETCH(QString, button);
        QFETCH(QString, window);
        QFETCH(int, context);
        driver::BoxCloser boxes; // the update window's check finds no server here
        qApp->installEventFilter(&boxes);
        const auto removeFilter = qScopeGuard([&] { qApp->removeEventFilter(&boxes); });
        if (button.isEmpty()) {
            driver::find(window)->show();
        } else {
            auto* b = driver::find<QPushButton>(button);
            QVERIFY(b);
            for (QWidget* w = b; w; w = w->parentWidget()) // its page in front
                if (auto* page = qobject_cast<Page*>(w))
                    Form1->PageControl1->setCurrentWidget(page);
            b->click();
        }
        QWidget* w = driver::find(window);
        QVERIFY(w && w->isVisible());
        QVERIFY(QTest::qWaitFor([] { return !QApplication::activeModalWidget(); }));
        QTest::qWait(50); // the closed report gives the focus back
        QVERIFY(driver::activate(w));
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : w;
        QTest::keyClick(target, Qt::Key_F1);
        QVERIFY(helpWindow() && helpWindow()->isVisible());
        QCOMPARE(helpWindow()->property("kontext").toInt(), context);
        closeHelp();
        QVERIFY(driver::activate(w));
        target = QApplication::focusWidget() ? QApplication::focusWidget() : w;
        QTest::keyClick(target, Qt::Key_Escape);
        QVERIFY(!w->isVisible());
    }

    // A second request reuses the open window, shows the new topic and brings it to the front.
    void anOpenViewerIsReusedAndRaised()
    {
        openHelp(70, "dB");
        QWidget* first = helpWindow();
        QVERIFY(driver::activate(Form1));
        openHelp(210, "VSWR, RL, r");
        QCOMPARE(helpWindow(), first);
        int viewers = 0;
        for (QWidget* top : QApplication::topLevelWidgets())
            viewers += top->objectName() == u"Hilfe";
        QCOMPARE(viewers, 1);
        QCOMPARE(first->property("kontext").toInt(), 210);
        QVERIFY(QTest::qWaitFor([first] { return first->isActiveWindow(); }));
    }

    // Opened from a main window kept in front, the viewer is kept in front too, or it would
    // open behind it; Esc closes it.
    void keptInFrontWithTheMainWindow()
    {
        Form1->setStaysOnTop(true);
        QVERIFY(driver::activate(Form1));
        openHelp(110, "XL / XC");
        const bool inFront = helpWindow()->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        Form1->setStaysOnTop(false);
        QVERIFY(inFront);
        QVERIFY(driver::activate(Form1));
        openHelp(110, "XL / XC");
        QVERIFY(!helpWindow()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(helpWindow()->isVisible());
        QVERIFY(driver::activate(helpWindow()));
        QTest::keyClick(helpWindow(), Qt::Key_Escape);
        QVERIFY(!helpWindow()->isVisible());
    }

    void aContextWithoutTopicIsReported()
    {
        const QList<driver::Box> boxes = driver::boxesDuring([] { openHelp(75, "Probe"); });
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes[0].text.contains(u"kein Thema zu „Probe“ (Kontext 75)"),
                 qPrintable(boxes[0].text));
        QVERIFY(!helpWindow()->isVisible());
    }

    void aMissingFileIsReported()
    {
        QTemporaryDir folder;
        setHelpFile(folder.filePath("AMPV36_Help.chm"));
        const QList<driver::Box> boxes = driver::boxesDuring([] { openHelp(90, "dBm"); });
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].icon, QMessageBox::Critical);
        QVERIFY2(boxes[0].text.contains(u"„AMPV36_Help.chm“ wurde nicht gefunden"),
                 qPrintable(boxes[0].text));
        QVERIFY(boxes[0].text.contains(folder.path()));
        QVERIFY(!helpWindow() || !helpWindow()->isVisible());
    }

    // Whatever the file holds, the viewer reports it and does not crash; a good file read
    // afterwards works again.
    void aDamagedFileIsReported_data()
    {
        QTest::addColumn<QByteArray>("content");
        QFile built(kBuiltHelp);
        QVERIFY(built.open(QIODevice::ReadOnly));
        const QByteArray real = built.readAll();
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("Das ist keine Hilfedatei.\n").repeated(200);
        QTest::newRow("header only") << real.left(120);
        QTest::newRow("cut in half") << real.left(real.size() / 2);
        QByteArray scrambled = real;
        for (qsizetype i = 0x100; i < scrambled.size(); i += 7)
            scrambled[i] = static_cast<char>(scrambled[i] ^ 0x5a);
        QTest::newRow("scrambled") << scrambled;
        // Control data of the compression that make libchm itself fault (a write through a
        // null pointer, a division by zero) when it unpacks a topic.
        const qsizetype lzx = real.indexOf("LZXC");
        QVERIFY(lzx > 0);
        QByteArray version = real;
        version[lzx + 4] = 7;
        QTest::newRow("unknown compression version") << version;
        QByteArray window = real;
        for (int i = 12; i < 16; ++i)
            window[lzx + i] = 0;
        QTest::newRow("no compression window") << window;
    }
    void aDamagedFileIsReported()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir folder;
        QFile damaged(folder.filePath("AMPV36_Help.chm"));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(content);
        damaged.close();
        setHelpFile(damaged.fileName());
        const QList<driver::Box> boxes = driver::boxesDuring([] { openHelp(130, "LC"); });
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].icon, QMessageBox::Critical);
        QVERIFY2(boxes[0].text.contains(u"„AMPV36_Help.chm“ ist beschädigt"),
                 qPrintable(boxes[0].text));
        QVERIFY(!helpWindow()->isVisible());

        setHelpFile(kBuiltHelp);
        openHelp(130, "LC");
        QCOMPARE(heading(), QString("LC-Schwingkreis"));
    }

    // A help whose directory outgrows one chunk of 4 KB: chmcmd then names the second chunk
    // as the first, and the objects of the real first one (the system object among them)
    // went missing, so that the help was taken for damaged.
    void aHelpWithALargeDirectoryOpens()
    {
        QTemporaryDir folder;
        QMap<QString, QByteArray> topics;
        constexpr int kTopics = 400;
        for (int i = 0; i < kTopics; ++i)
            topics[QString("thema_%1.html").arg(i)] =
                "<html><body><h1>Thema " + QByteArray::number(i) + "</h1></body></html>";
        const QString built = compileHelp(folder, "<html><body><h1>Gross</h1></body></html>",
                                          topics, kContents);
        QVERIFY(!built.isEmpty());
        QFile file(built);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().count("PMGL") >= 2); // the directory spans several chunks

        ChmArchive archive;
        QVERIFY(archive.open(built));
        for (int i = 0; i < kTopics; ++i)
            QVERIFY(archive.contains(QString("/thema_%1.html").arg(i)));
        QVERIFY(archive.contains("/#SYSTEM"));
        QCOMPARE(archive.defaultTopic(), QString("/ctx/130.html"));
        setHelpFile(built);
        QVERIFY(driver::boxesDuring([] { openHelp(130, "LC"); }).isEmpty());
        QCOMPARE(heading(), QString("Gross"));
    }

    // Contents nested 30 000 levels deep overflowed the stack when the tree laid itself out;
    // they are cut at 32 levels, every entry still there.
    void deeplyNestedContentsAreCut()
    {
        QTemporaryDir folder;
        constexpr int kLevels = 30000;
        const QByteArray entry = "<li><object type=\"text/sitemap\"><param name=\"Name\" "
                                 "value=\"Tief\"><param name=\"Local\" value=\"ctx/130.html\">"
                                 "</object>";
        const QByteArray contents = QByteArray("<ul>" + entry).repeated(kLevels) +
                                    QByteArray("</ul>").repeated(kLevels);
        const QString built = compileHelp(folder, "<html><body><h1>Tief</h1></body></html>", {},
                                          contents);
        QVERIFY(!built.isEmpty());
        setHelpFile(built);
        QVERIFY(driver::boxesDuring([] { openHelp(130, "LC"); }).isEmpty());
        QCOMPARE(heading(), QString("Tief"));
        auto* tree = driver::find<QTreeWidget>("Hilfe_TV_Inhalt");
        int count = 0, deepest = 0;
        for (QTreeWidgetItemIterator it(tree); *it; ++it) {
            ++count;
            int depth = 0;
            for (QTreeWidgetItem* up = (*it)->parent(); up; up = up->parent())
                ++depth;
            deepest = std::max(deepest, depth);
        }
        QCOMPARE(count, kLevels);
        QCOMPARE(deepest, 32);
        helpWindow()->grab(); // lays out and paints the tree
    }

    // Twenty nested tables took Qt from seconds to minutes to lay out; deeper than four,
    // their tags go and their text stays.
    void deeplyNestedTablesAreFlattened()
    {
        QTemporaryDir folder;
        constexpr int kTables = 25;
        const QByteArray topic = "<html><body><h1>Tabellen</h1>" +
                                 QByteArray("<table><tr><td>Zelle").repeated(kTables) +
                                 " innen" + QByteArray("</td></tr></table>").repeated(kTables) +
                                 "<p>danach</p></body></html>";
        const QString built = compileHelp(folder, topic, {}, kContents);
        QVERIFY(!built.isEmpty());
        setHelpFile(built);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(driver::boxesDuring([] { openHelp(130, "LC"); }).isEmpty());
        helpWindow()->grab();
        QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(heading(), QString("Tabellen"));
        const QString text = browser()->toPlainText();
        QVERIFY(text.contains("innen"));
        QVERIFY(text.contains("danach"));
        QCOMPARE(text.count("Zelle"), kTables);
        int tables = 0;
        for (QTextFrame* frame : browser()->document()->rootFrame()->childFrames())
            for (; frame; frame = frame->childFrames().value(0))
                ++tables;
        QCOMPARE(tables, 4);
    }

    // While the unpacker works the windows go on: a timer set before the opening runs
    // before the opening is done.
    void theWindowGoesOnWhileTheFileIsRead()
    {
        bool ran = false;
        QTimer::singleShot(0, [&ran] { ran = true; });
        openHelp(130, "LC");
        QVERIFY(ran);
        QCOMPARE(heading(), QString("LC-Schwingkreis"));
    }

    void searchFindsTopicsByAWord()
    {
        openHelp(70, "dB");
        auto* query = driver::find<QLineEdit>("Hilfe_E_Suche");
        auto* found = driver::find<QListWidget>("Hilfe_LB_Treffer");
        query->setText(QStringLiteral("Thomson"));
        driver::find<QPushButton>("Hilfe_B_Suchen")->click();
        QVERIFY(found->count() >= 1);
        QCOMPARE(found->item(0)->text(), QString("LC-Schwingkreis"));
        found->itemClicked(found->item(0));
        QCOMPARE(heading(), QString("LC-Schwingkreis"));
        QCOMPARE(browser()->textCursor().selectedText().toLower(), QString("thomson"));

        // All words must occur, in any case.
        query->setText(QStringLiteral("stehwellenverhältnis RÜCKFLUSSDÄMPFUNG"));
        driver::find<QPushButton>("Hilfe_B_Suchen")->click();
        QStringList titles;
        for (int i = 0; i < found->count(); ++i)
            titles << found->item(i)->text();
        QVERIFY2(titles.contains("VSWR, RL, r – Fehlanpassung"), qPrintable(titles.join("; ")));
        QVERIFY(!titles.contains("RC-Glieder"));

        // "ß" and "ss" are the same to the search, in either direction and any case.
        for (const QString& spelling : {QStringLiteral("Rückflußdämpfung"),
                                        QStringLiteral("RÜCKFLUẞDÄMPFUNG"),
                                        QStringLiteral("rückflussdämpfung")}) {
            query->setText(spelling);
            driver::find<QPushButton>("Hilfe_B_Suchen")->click();
            QStringList folded;
            for (int i = 0; i < found->count(); ++i)
                folded << found->item(i)->text();
            QVERIFY2(folded.contains("VSWR, RL, r – Fehlanpassung"), qPrintable(spelling));
        }
        found->itemClicked(found->item(0));
        QCOMPARE(browser()->textCursor().selectedText().toLower(), QString("rückflussdämpfung"));
        query->setText(QStringLiteral("Rückflußdämpfung"));
        driver::find<QPushButton>("Hilfe_B_Suchen")->click();
        found->itemClicked(found->item(0));
        QCOMPARE(browser()->textCursor().selectedText().toLower(), QString("rückflussdämpfung"));

        query->setText(QStringLiteral("Quasselstrippe"));
        driver::find<QPushButton>("Hilfe_B_Suchen")->click();
        QCOMPARE(found->count(), 0);
        QVERIFY(driver::text("Hilfe_L_Treffer").contains("Quasselstrippe"));
    }

    // Every entry of the contents opens the topic of its name.
    void theContentsOpenTheirTopics()
    {
        openHelp(70, "dB");
        auto* tree = driver::find<QTreeWidget>("Hilfe_TV_Inhalt");
        int topics = 0;
        for (QTreeWidgetItemIterator it(tree); *it; ++it) {
            if ((*it)->childCount() > 0)
                continue;
            tree->itemClicked(*it, 0);
            QCOMPARE(heading(), (*it)->text(0));
            QCOMPARE(tree->currentItem(), *it);
            ++topics;
        }
        QCOMPARE(topics, 27);
    }

    void theIndexFiltersAndOpens()
    {
        openHelp(70, "dB");
        auto* filter = driver::find<QLineEdit>("Hilfe_E_Index");
        auto* index = driver::find<QListWidget>("Hilfe_LB_Index");
        QVERIFY(index->count() > 40);
        filter->setText(QStringLiteral("Thomson"));
        QList<QListWidgetItem*> shown;
        for (int i = 0; i < index->count(); ++i)
            if (!index->item(i)->isHidden())
                shown << index->item(i);
        QCOMPARE(shown.size(), 1);
        index->itemClicked(shown[0]);
        QCOMPARE(heading(), QString("LC-Schwingkreis"));
        filter->clear();
    }

    void linksAndHistory()
    {
        openHelp(180, "L");
        // A click on the topic's link to the topic of its voltage and current window.
        clickLink("185.html");
        QCOMPARE(heading(), QString("Spannungen und Ströme im L-Netzwerk"));
        clickLink("../eingabe.html");
        QCOMPARE(heading(), QString("Zahlen eingeben und anzeigen"));
        auto* back = helpWindow()->findChild<QAction*>("Hilfe_A_Zurueck");
        auto* forward = helpWindow()->findChild<QAction*>("Hilfe_A_Vor");
        QVERIFY(back->isEnabled());
        back->trigger();
        back->trigger();
        QCOMPARE(heading(), QString("L - Anpassnetzwerk"));
        forward->trigger();
        QCOMPARE(heading(), QString("Spannungen und Ströme im L-Netzwerk"));
        helpWindow()->findChild<QAction*>("Hilfe_A_Start")->trigger();
        QCOMPARE(heading(), QString("Ampero – Hilfe"));
    }

private:
    // Clicks the first link of the topic shown that leads to `href`.
    static void clickLink(const QString& href)
    {
        QTextBrowser* text = browser();
        for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                if (fragment.charFormat().anchorHref() != href)
                    continue;
                QTextCursor cursor(text->document());
                cursor.setPosition(fragment.position() + 1);
                text->setTextCursor(cursor);
                text->ensureCursorVisible();
                const QPoint at = text->cursorRect(cursor).center();
                QTest::mouseClick(text->viewport(), Qt::LeftButton, {}, at);
                return;
            }
        QFAIL(qPrintable("no link to " + href));
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
