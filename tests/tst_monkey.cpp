// Random typing into every input field of every page and voltage/current window, found through
// the windows themselves, mixed with clicks into radio groups and check boxes and changes of
// the display options. Every message box is answered at once. Nothing may crash or hang; a
// rejected entry leaves the field with its previous text, and no field shows "inf", "nan" or
// an empty text where a number was.
#include "support/Driver.h"

#include "app/Ampero361.h"
#include "app/Main361.h"
#include "pages/Page.h"
#include "settings/Optionen361.h"
#include "values/DisplayOptions.h"
#include "widgets/EditField.h"
#include "widgets/PageControl.h"
#include "widgets/RadioGroup.h"
#include "windows/Frequenzgang.h"
#include "windows/SpannungStrom.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QtTest>
#include <random>

using namespace ampero;

namespace {

constexpr int kEntriesPerField = 300;

// The texts a user might type: numbers with prefixes, units and exponents, numbers beyond
// every range, stray separators and signs, blanks and nothing at all.
class Texts {
public:
    explicit Texts(std::uint32_t seed)
        : m_random(seed)
    {
    }

    QString next()
    {
        switch (pick(12)) {
        case 0:
            return {};
        case 1:
            return QString(pick(4) + 1, QLatin1Char(' '));
        case 2: { // beyond every range
            static const QStringList extremes{
                "1E308",    "1E-308", "-1E308",  "9,9E+9999", "1e-400", "1E310",
                "4,9E-324", "1E-45",  "1e+38 k", "0E0",       "-0",     "99999999999999999999 Y",
                "1y",       "1Y",     "1E-30 y", "2,2E-308",  "E5",     "1E",
                "1E+",      "1E-",    ",",       ".",         "-",      "+-1"};
            return extremes[pick(extremes.size())];
        }
        case 3: { // characters in any order
            static const QString chars = QStringLiteral(" ,.+-eE0123456789kMmµuΩΩVAWHzpnGf");
            QString s;
            for (int i = 0, n = pick(9) + 1; i < n; ++i)
                s += chars[pick(chars.size())];
            return s;
        }
        default:
            return number();
        }
    }

private:
    int pick(qsizetype n) { return std::uniform_int_distribution<int>(0, int(n) - 1)(m_random); }
    bool chance(int percent) { return pick(100) < percent; }

    QString digits(int most)
    {
        QString s;
        for (int i = 0, n = pick(most) + 1; i < n; ++i)
            s += QChar(u'0' + pick(10));
        return s;
    }

    QString number()
    {
        QString s;
        if (chance(20))
            s += chance(50) ? QLatin1Char('-') : QLatin1Char('+');
        s += digits(chance(10) ? 18 : 4);
        if (chance(50))
            s += (chance(80) ? punktKomma() : QChar(punktKomma() == u',' ? u'.' : u',')) +
                 digits(4);
        if (chance(25)) {
            s += chance(70) ? QLatin1Char('E') : QLatin1Char('e');
            if (chance(50))
                s += chance(50) ? QLatin1Char('-') : QLatin1Char('+');
            s += digits(chance(10) ? 5 : 2);
        }
        if (chance(50)) {
            if (chance(60))
                s += QLatin1Char(' ');
            static const QString prefixes = QStringLiteral("YZEPTGMkmuµnpfazy");
            s += prefixes[pick(prefixes.size())];
        }
        if (chance(30)) {
            static const QStringList units{"Ω", "Ω", "V", "A", "W", "Hz", "F", "H", "dB", "dBm"};
            s += (chance(50) ? " " : "") + units[pick(units.size())];
        }
        if (chance(5))
            s = QLatin1Char(' ') + s + QLatin1Char(' ');
        return s;
    }

    std::mt19937 m_random;
};

bool showsNoNumber(const QString& text)
{
    static const QRegularExpression notFinite(QStringLiteral("\\b(inf|nan)\\b"),
                                              QRegularExpression::CaseInsensitiveOption);
    return notFinite.match(text).hasMatch();
}

void typeInto(EditField* field, const QString& text)
{
    field->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    for (QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(field, c.toLatin1());
        else // keyClick aborts outside ASCII
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT

    driver::BoxCloser m_boxes;
    Texts m_texts{20261210};
    std::mt19937 m_random{4711};
    int m_entries = 0;
    int m_refusals = 0;

    int pick(qsizetype n) { return std::uniform_int_distribution<int>(0, int(n) - 1)(m_random); }

    // Every fault of one window or page, as texts; empty when it behaved.
    QStringList monkey(QWidget* root, int entriesPerField = kEntriesPerField)
    {
        QStringList faults;
        m_entries = m_refusals = 0;
        const QList<EditField*> all = root->findChildren<EditField*>();
        QList<EditField*> inputs;
        QSet<EditField*> holdsNumber;
        for (EditField* f : all) {
            if (f->mapsDecimalKey())
                inputs << f;
            if (!f->text().trimmed().isEmpty())
                holdsNumber << f;
        }
        if (inputs.isEmpty())
            return faults;
        QList<QAbstractButton*> buttons;
        for (RadioGroup* g : root->findChildren<RadioGroup*>())
            for (int i = 0; i < g->count(); ++i)
                buttons << g->item(i);
        for (QCheckBox* c : root->findChildren<QCheckBox*>())
            buttons << c;
        const QList<QTabWidget*> tabs = root->findChildren<QTabWidget*>(); // pages within a page

        const auto fault = [&](const QString& what) {
            if (faults.size() < 20)
                faults << what;
        };
        const auto checkFields = [&](const QString& after) {
            for (EditField* f : all) {
                if (showsNoNumber(f->text()))
                    fault(QStringLiteral("%1 shows '%2' after %3")
                              .arg(f->objectName(), f->text(), after));
                // a field the user emptied himself may stay empty: Enter ignores it
                if (holdsNumber.contains(f) && f->text().trimmed().isEmpty() && !f->isEdited())
                    fault(QStringLiteral("%1 is empty after %2").arg(f->objectName(), after));
            }
        };

        // Every field gets its share, also those that only some selections show: while one of
        // them waits, the clicks come more often.
        QHash<EditField*, int> entered;
        const qsizetype most = 4 * entriesPerField * inputs.size();
        for (int step = 0; step < most; ++step) {
            QList<EditField*> waiting;
            bool hiddenWaits = false;
            for (EditField* f : inputs)
                if (entered.value(f) < entriesPerField) {
                    if (f->isVisible() && f->isEnabled())
                        waiting << f;
                    else
                        hiddenWaits = true;
                }
            if (waiting.isEmpty() && !hiddenWaits)
                break;
            if ((pick(10) == 0 || waiting.isEmpty()) && !buttons.isEmpty()) {
                QAbstractButton* b = buttons[pick(buttons.size())];
                if (b->isVisible() && b->isEnabled()) {
                    b->click();
                    checkFields(QStringLiteral("a click on '%1'").arg(b->text()));
                }
            }
            if ((pick(50) == 0 || waiting.isEmpty()) && !tabs.isEmpty()) {
                QTabWidget* t = tabs[pick(tabs.size())];
                if (t->isVisible()) {
                    t->setCurrentIndex(pick(t->count())); // as a click on its tab does
                    checkFields(QStringLiteral("a change of tab in %1").arg(t->objectName()));
                }
            }
            if (pick(40) == 0) {
                RadioGroup* option = pick(2) ? Form3->RG_Nachkomma : Form3->RG_Ansicht;
                option->item(pick(option->count()))->click(); // as the user clicks it
                checkFields(QStringLiteral("an option change"));
            }
            if (waiting.isEmpty())
                continue;
            EditField* field = waiting[pick(waiting.size())];
            ++entered[field];
            // what undo returns to: the text before the user's edit, which an ignored empty
            // entry leaves in place
            const QString before = field->isEdited() ? field->textBeforeEdit() : field->text();
            const QString typed = m_texts.next();
            typeInto(field, typed);
            m_boxes.titles.clear();
            m_boxes.texts.clear();
            QTest::keyClick(field, Qt::Key_Return);
            // Reports that open after the handler show now; the window is painted now and then
            // only, which keeps the run short.
            const bool paint = step % 25 == 0;
            root->window()->setUpdatesEnabled(paint);
            QCoreApplication::processEvents();
            const QString entry =
                QStringLiteral("'%1' in %2 (before: '%3')").arg(typed, field->objectName(), before);
            // A refusal starts by quoting the text; other errors (a pad's minimum attenuation
            // put in its place) leave the entry standing.
            const QStringList refusals{"ungültige Eingabe \"" + typed + '"',
                                       "Die eingegebene Zahl" + typed, "Die Eingabe \"" + typed + '"',
                                       "Die Eingabe" + typed + "  ist"};
            bool refused = false;
            for (int i = 0; i < m_boxes.titles.size(); ++i)
                for (const QString& refusal : refusals)
                    refused = refused || (m_boxes.titles[i] == QLatin1String("Fehler") &&
                                          m_boxes.texts[i].startsWith(refusal));
            ++m_entries;
            m_refusals += refused;
            if (refused && field->text() != before)
                fault(QStringLiteral("%1 shows '%2' after it was refused").arg(entry, field->text()));
            checkFields(entry);
            if (!faults.isEmpty())
                break; // the first fault tells most; the rest follow from it
        }
        root->window()->setUpdatesEnabled(true);
        for (EditField* f : inputs)
            if (faults.isEmpty() && entered.value(f) < entriesPerField)
                qWarning("%s: only %d entries, it is hidden most of the time",
                         qPrintable(f->objectName()), entered.value(f));
        qInfo("%d input fields, %d entries, %d refused", int(inputs.size()), m_entries, m_refusals);
        return faults;
    }

private slots:
    void initTestCase()
    {
        driver::silenceSizeHints();
        driver::startProgram();
        qApp->installEventFilter(&m_boxes);
    }

    void cleanupTestCase() { qApp->removeEventFilter(&m_boxes); }

    void everyPage_data()
    {
        QTest::addColumn<int>("index");
        const QList<Page*> pages = Form1->pages();
        for (int i = 0; i < pages.size(); ++i)
            QTest::newRow(qPrintable(pages[i]->objectName())) << i;
    }

    void everyPage()
    {
        QFETCH(int, index);
        Page* page = Form1->pages()[index];
        Form1->PageControl1->setCurrentWidget(page);
        QVERIFY(driver::activate(Form1));
        const QStringList faults = monkey(page);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    // The network pages again with their frequency-response window open, which sweeps every
    // network the page computes: fewer entries, since each one redraws the plot.
    void everyResponseWindow_data()
    {
        QTest::addColumn<int>("index");
        const QList<Page*> pages = Form1->pages();
        for (int i = 0; i < pages.size(); ++i)
            for (QPushButton* b : pages[i]->findChildren<QPushButton*>())
                if (b->objectName().endsWith(QLatin1String("_B_FG")))
                    QTest::newRow(qPrintable(pages[i]->objectName())) << i;
    }

    void everyResponseWindow()
    {
        QFETCH(int, index);
        Page* page = Form1->pages()[index];
        Form1->PageControl1->setCurrentWidget(page);
        QPushButton* button = nullptr;
        for (QPushButton* b : page->findChildren<QPushButton*>())
            if (b->objectName().endsWith(QLatin1String("_B_FG")))
                button = b;
        button->click();
        auto* window = page->findChild<Frequenzgang*>();
        QVERIFY(window && window->isVisible());
        QVERIFY(driver::activate(Form1));
        QStringList faults = monkey(page, 60);
        // what the window writes: its table under the plot, the copied values
        for (const QString& text : {window->summaryText(), window->tableText()})
            if (showsNoNumber(text))
                faults << QStringLiteral("the window shows no number: ") + text.left(400);
        window->close();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    void everyWindow_data()
    {
        QTest::addColumn<int>("index");
        const SpannungStromFenster* windows[] = {Form4, Form5, Form6, Form7, Form8};
        for (int i = 0; i < 5; ++i)
            if (windows[i])
                QTest::newRow(qPrintable(windows[i]->objectName())) << i;
    }

    void everyWindow()
    {
        QFETCH(int, index);
        SpannungStromFenster* windows[] = {Form4, Form5, Form6, Form7, Form8};
        SpannungStromFenster* window = windows[index];
        showWindow(window);
        QVERIFY(driver::activate(window));
        const QStringList faults = monkey(window);
        window->hide();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }
};

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
