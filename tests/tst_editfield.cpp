// The edit control: decimal key, Enter, undo of the user's edit, leaving the field.
#include "values/DisplayOptions.h"
#include "widgets/EditField.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

using namespace ampero;

class TestEditField : public QObject {
    Q_OBJECT

    QWidget* m_window = nullptr;
    EditField* m_field = nullptr;
    QLineEdit* m_other = nullptr;

private slots:
    void init()
    {
        m_window = new QWidget;
        auto* layout = new QVBoxLayout(m_window);
        m_field = new EditField("E_test", m_window);
        m_other = new QLineEdit(m_window);
        layout->addWidget(m_field);
        layout->addWidget(m_other);
        m_window->show();
        QApplication::setActiveWindow(m_window);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        m_field->setFocus();
    }
    void cleanup() { delete m_window; }

    void decimalKey_data()
    {
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<bool>("maps");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("point becomes comma") << QChar(',') << true << "1.5" << "1,5";
        QTest::newRow("comma stays") << QChar(',') << true << "1,5" << "1,5";
        QTest::newRow("comma becomes point") << QChar('.') << true << "1,5" << "1.5";
        QTest::newRow("result field types as is") << QChar(',') << false << "1.5" << "1.5";
    }
    void decimalKey()
    {
        QFETCH(QChar, separator);
        QFETCH(bool, maps);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        setPunktKomma(separator);
        m_field->setMapsDecimalKey(maps);
        QTest::keyClicks(m_field, typed);
        QCOMPARE(m_field->text(), shown);
    }

    void enterIsReportedAndNotConsumed()
    {
        QSignalSpy enter(m_field, &EditField::enterPressed);
        QSignalSpy returnPressed(m_field, &QLineEdit::returnPressed);
        QTest::keyClick(m_field, Qt::Key_Return);
        QTest::keyClick(m_field, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(enter.count(), 2);
        QCOMPARE(returnPressed.count(), 2);
    }

    void undoReturnsToTextBeforeUserEdit()
    {
        m_field->setFieldText("20,00 V");
        QTest::keyClick(m_field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(m_field, "ab");
        QTest::keyClick(m_field, Qt::Key_Home);
        QTest::keyClicks(m_field, "x"); // a second, separate edit
        QCOMPARE(m_field->text(), QString("xab"));
        m_field->undoEntry();
        QCOMPARE(m_field->text(), QString("20,00 V"));
    }

    void programTextsBecomeTheUndoBase()
    {
        m_field->setText("1,00 V"); // as a settings loader would
        QTest::keyClicks(m_field, "9");
        m_field->undoEntry();
        QCOMPARE(m_field->text(), QString("1,00 V"));

        // A written text equal to the user's edit still becomes the new base.
        m_field->setFieldText("5,00 V");
        QTest::keyClick(m_field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(m_field, "7,00 V");
        m_field->setFieldText("7,00 V");
        QTest::keyClicks(m_field, "x");
        m_field->undoEntry();
        QCOMPARE(m_field->text(), QString("7,00 V"));
    }

    // A written text longer than the field shows its start, where its sign stands.
    void aLongProgramTextShowsItsStart()
    {
        m_field->setFixedWidth(60);
        m_field->setFieldText("-123456789012345678,000 mV");
        QCOMPARE(m_field->cursorPosition(), 0);
    }

    void leavingIsReportedForMovesInsideTheWindowOnly()
    {
        QSignalSpy left(m_field, &EditField::left);
        QTest::keyClick(m_field, Qt::Key_Tab);
        QCOMPARE(m_other->hasFocus(), true);
        QCOMPARE(left.count(), 1);

        m_field->setFocus();
        auto* other = new QWidget;
        other->show();
        QApplication::setActiveWindow(other);
        QVERIFY(QTest::qWaitForWindowActive(other));
        QCOMPARE(left.count(), 1);
        delete other;
    }
};

QTEST_MAIN(TestEditField)
#include "tst_editfield.moc"
