// Every button of every page and window, pressed while one input field after another is empty
// or holds no number: each press ends in a report or in nothing, never in an error that leaves
// its handler (which would end the program and lose its settings).
#include "support/Driver.h"

#include "app/Ampero361.h"
#include "app/Main361.h"
#include "pages/Page.h"
#include "settings/Optionen361.h"
#include "widgets/EditField.h"
#include "widgets/PageControl.h"
#include "windows/Info361.h"

#include <QApplication>
#include <QPushButton>
#include <QtTest>

using namespace ampero;

class TestButtons : public QObject {
    Q_OBJECT

    driver::BoxCloser m_boxes;

    // The presses that let an error escape, as texts.
    static QStringList press(const QList<EditField*>& fields, const QList<QPushButton*>& buttons)
    {
        QStringList faults;
        for (EditField* field : fields)
            for (const QString& text : {QString(), QStringLiteral("abc")}) {
                const QString before = field->text();
                for (QPushButton* button : buttons) {
                    if (!button->isEnabled())
                        continue;
                    field->setText(text);
                    try {
                        button->click();
                        QCoreApplication::processEvents(); // reports that open after the click
                    } catch (...) {
                        faults << QStringLiteral("'%1' with %2 = '%3'")
                                      .arg(button->text(), field->objectName(), text);
                    }
                }
                field->setText(before);
            }
        return faults;
    }

    // The windows a page opened, beyond the program's own nine.
    static QList<QWidget*> openedWindows()
    {
        QList<QWidget*> windows;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && !w->objectName().startsWith(QLatin1String("Form")) &&
                !w->inherits("QMessageBox") && !w->inherits("QMenu"))
                windows << w;
        return windows;
    }

private slots:
    void initTestCase()
    {
        driver::silenceSizeHints();
        driver::startProgram();
        qApp->installEventFilter(&m_boxes);
    }

    void cleanupTestCase() { qApp->removeEventFilter(&m_boxes); }

    void everyPageAndItsWindows_data()
    {
        QTest::addColumn<int>("index");
        const QList<Page*> pages = Form1->pages();
        for (int i = 0; i < pages.size(); ++i)
            QTest::newRow(qPrintable(pages[i]->objectName())) << i;
    }

    void everyPageAndItsWindows()
    {
        QFETCH(int, index);
        Page* page = Form1->pages()[index];
        Form1->PageControl1->setCurrentWidget(page);
        const QList<EditField*> fields = page->findChildren<EditField*>();
        // the page's own buttons, and the main window's but "Fertig", which ends the program
        QList<QPushButton*> buttons = page->findChildren<QPushButton*>();
        buttons << Form1->Button4 << Form1->Button6 << Form1->B_Hilfe;
        QStringList faults = press(fields, buttons);

        // what the page opened: voltage/current, standard values, frequency response, help
        for (QWidget* window : openedWindows()) {
            QList<EditField*> all = fields;
            all << window->findChildren<EditField*>();
            faults << press(all, window->findChildren<QPushButton*>());
            window->close();
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    // The info and options windows; the update check is left out, it asks a server.
    void infoAndOptions()
    {
        const QList<EditField*> fields = Form1->pages()[0]->findChildren<EditField*>();
        const QStringList faults =
            press(fields, {Form2->Credits, Form2->OK, Form3->Button1});
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }
};

QTEST_MAIN(TestButtons)
#include "tst_buttons.moc"
