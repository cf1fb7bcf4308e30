// A click into any input field puts the focus there: nothing is drawn over a field.
#include "app/Ampero361.h"
#include "app/Main361.h"
#include "support/Driver.h"
#include "widgets/EditField.h"
#include "widgets/PageControl.h"
#include "windows/Info361.h"
#include "windows/Update361.h"
#include "windows/Frequenzgang.h"
#include "windows/SpannungStrom.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QtTest>

using namespace ampero;

namespace {

// The input fields the user can click on the page in front, sub-page by sub-page.
QList<EditField*> clickableFields(QWidget* window)
{
    QList<EditField*> fields;
    for (EditField* f : window->findChildren<EditField*>())
        if (f->isVisible() && f->isEnabled() && !f->isReadOnly())
            fields << f;
    return fields;
}

// Clicks the centre of each field as the window system delivers a click: to whatever widget
// lies under that point of the window.
QStringList fieldsMissingTheClick(QWidget* window)
{
    QStringList missed;
    for (EditField* f : clickableFields(window)) {
        driver::clearFocus();
        const QPoint centre = f->mapTo(window, f->rect().center());
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, centre);
        QApplication::processEvents();
        if (QApplication::focusWidget() != f) {
            QWidget* got = QApplication::focusWidget();
            missed << f->objectName() + " (focus: " + (got ? got->objectName() : "none") + ")";
        }
    }
    return missed;
}

} // namespace

class TestClicks : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { driver::startProgram(); }

    void everyInputFieldTakesTheFocusOnAClick()
    {
        QStringList missed;
        int clicked = 0;
        for (int i = 0; i < Form1->PageControl1->count(); ++i) {
            Form1->PageControl1->setCurrentIndex(i);
            QWidget* page = Form1->PageControl1->widget(i);
            const QList<QTabWidget*> subPages = page->findChildren<QTabWidget*>();
            if (subPages.isEmpty()) {
                QApplication::processEvents();
                clicked += clickableFields(Form1).size();
                missed << fieldsMissingTheClick(Form1);
                continue;
            }
            for (QTabWidget* tabs : subPages) {
                for (int j = 0; j < tabs->count(); ++j) {
                    tabs->setCurrentIndex(j);
                    QApplication::processEvents();
                    clicked += clickableFields(Form1).size();
                    missed << fieldsMissingTheClick(Form1);
                }
            }
        }
        QVERIFY(clicked > 0);
        QVERIFY2(missed.isEmpty(), qPrintable(missed.join(", ")));
    }

    // The info and update windows have no input fields; their buttons, check boxes and links
    // lie where a click finds them.
    void everyControlOfTheSmallWindowsLiesOpen()
    {
        setUpdateServer(QUrl(QStringLiteral("https://127.0.0.1:1"))); // nobody answers there
        driver::boxesDuring([] {
            showWindow(Form2);
            showWindow(Form9);
            QVERIFY(QTest::qWaitFor([] { return !Form9->busy(); }));
        });
        QStringList covered;
        int controls = 0;
        for (QWidget* window : {static_cast<QWidget*>(Form2), static_cast<QWidget*>(Form9)}) {
            for (QWidget* w : window->findChildren<QWidget*>()) {
                if (!w->isVisible() ||
                    !(qobject_cast<QAbstractButton*>(w) || qobject_cast<LinkLabel*>(w)))
                    continue;
                ++controls;
                QWidget* hit = window->childAt(w->mapTo(window, w->rect().center()));
                if (hit != w && !w->isAncestorOf(hit))
                    covered << w->objectName() + " (" + (hit ? hit->objectName() : "none") + ")";
            }
        }
        Form2->close();
        Form9->close();
        QCOMPARE(controls, 9);
        QVERIFY2(covered.isEmpty(), qPrintable(covered.join(", ")));
    }

    void everyPowerFieldOfTheVoltageCurrentWindowsTakesTheClick()
    {
        QStringList missed;
        int clicked = 0;
        for (QWidget* window : {static_cast<QWidget*>(Form4), static_cast<QWidget*>(Form5),
                                static_cast<QWidget*>(Form6), static_cast<QWidget*>(Form7),
                                static_cast<QWidget*>(Form8)}) {
            window->show();
            QVERIFY(driver::activate(window));
            clicked += clickableFields(window).size();
            missed << fieldsMissingTheClick(window);
            window->close();
        }
        QCOMPARE(clicked, 5);
        QVERIFY2(missed.isEmpty(), qPrintable(missed.join(", ")));
    }

    // The standard-value windows and the pages' buttons that open them: every button and
    // series choice lies where a click finds it, and so does each window's "Kopieren".
    void everyControlOfTheStandardValueWindowsLiesOpen()
    {
        QStringList covered;
        int controls = 0;
        const auto check = [&](QWidget* window, QWidget* w) {
            ++controls;
            QWidget* hit = window->childAt(w->mapTo(window, w->rect().center()));
            if (hit != w && !w->isAncestorOf(hit))
                covered << w->objectName() + " (" + (hit ? hit->objectName() : "none") + ")";
        };
        for (auto [page, name, button] : {std::tuple{8, "PiT_Normwerte", "PiT_B_Normwerte"},
                                          std::tuple{10, "R_Normwerte", "R_B_Normwerte"},
                                          std::tuple{11, "L_Normwerte", "L_B_Normwerte"},
                                          std::tuple{12, "Pi_Normwerte", "Pi_B_Normwerte"},
                                          std::tuple{13, "T_Normwerte", "T_B_Normwerte"}}) {
            Form1->PageControl1->setCurrentIndex(page);
            QApplication::processEvents();
            check(Form1, driver::find(button));
            QWidget* window = driver::find(name);
            window->show();
            QApplication::processEvents();
            for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
                if (!qobject_cast<QAbstractItemView*>(b->parentWidget())) // a table's corner
                    check(window, b);
            window->close();
        }
        for (QWidget* window : {static_cast<QWidget*>(Form4), static_cast<QWidget*>(Form5),
                                static_cast<QWidget*>(Form6), static_cast<QWidget*>(Form7),
                                static_cast<QWidget*>(Form8)}) {
            window->show();
            QApplication::processEvents();
            for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
                if (b->objectName().endsWith("_B_Kopieren"))
                    check(window, b);
            window->close();
        }
        // a button on each page; one series choice in the pad windows, two in the others;
        // "Kopieren", "Hilfe" and "Schließen" in each
        QCOMPARE(controls, 5 + 2 * (5 + 3) + 3 * (10 + 3) + 5);
        QVERIFY2(covered.isEmpty(), qPrintable(covered.join(", ")));
    }

    // The frequency-response windows have no input fields; their choices and buttons lie
    // where a click finds them, the plot under none of them.
    void everyControlOfTheFrequencyResponseWindowsLiesOpen()
    {
        QStringList covered;
        int windows = 0;
        // each page makes its window at the first click on its button
        for (QPushButton* button : Form1->findChildren<QPushButton*>()) {
            if (!button->objectName().endsWith("_B_FG"))
                continue;
            button->click();
            QApplication::processEvents();
        }
        for (Frequenzgang* window : Form1->findChildren<Frequenzgang*>()) {
            window->show();
            QApplication::processEvents();
            ++windows;
            for (QWidget* w : window->findChildren<QWidget*>()) {
                if (!w->isVisible() ||
                    !(qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w)))
                    continue;
                QWidget* hit = window->childAt(w->mapTo(window, w->rect().center()));
                if (hit != w && !w->isAncestorOf(hit))
                    covered << w->objectName() + " (" + (hit ? hit->objectName() : "none") + ")";
            }
            window->close();
        }
        QCOMPARE(windows, 5);
        QVERIFY2(covered.isEmpty(), qPrintable(covered.join(", ")));
    }
};

QTEST_MAIN(TestClicks)
#include "tst_clicks.moc"
