#include "Driver.h"

#include "app/Ampero361.h"
#include "app/Main361.h"
#include "platform/Folders.h"
#include "widgets/PageControl.h"
#include "values/DisplayOptions.h"
#include "widgets/EditField.h"
#include "windows/Update361.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTemporaryDir>
#include <QTimer>

namespace driver {

void startProgram()
{
    // Each test process starts the program from a folder of its own, so no settings file
    // of another run is read or written.
    static QTemporaryDir folder;
    ampero::setProgramFolder(folder.path());
    ampero::setUpdateServer(QUrl()); // no test asks a server beyond this machine
    if (!ampero::Form1)
        createForms();
    if (!activate(ampero::Form1))
        qFatal("the main window did not become active");
}

void silenceSizeHints()
{
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (!message.contains(QLatin1String("propagateSizeHints")))
                previous(type, context, message);
        });
}

QWidget* find(const QString& name)
{
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == name)
            return top;
        if (auto* w = top->findChild<QWidget*>(name))
            return w;
    }
    return nullptr;
}

ampero::EditField* field(const QString& name)
{
    auto* f = find<ampero::EditField>(name);
    if (!f)
        qFatal("no edit field %s", qPrintable(name));
    return f;
}

QString text(const QString& name)
{
    if (auto* f = find<QLineEdit>(name))
        return f->text();
    if (auto* l = find<QLabel>(name))
        return l->text();
    qFatal("no text component %s", qPrintable(name));
}

bool activate(QWidget* window)
{
    window->activateWindow();
    QApplication::setActiveWindow(window);
    return QTest::qWaitFor([window] { return QGuiApplication::focusWindow() == window->windowHandle(); });
}

void focus(const QString& fieldName)
{
    ampero::EditField* f = field(fieldName);
    if (!f->window()->isActiveWindow() && !activate(f->window()))
        qWarning("window %s did not become active", qPrintable(f->window()->objectName()));
    f->setFocus(Qt::MouseFocusReason);
}

void clearFocus()
{
    if (QWidget* w = QApplication::focusWidget())
        w->clearFocus();
}

void startEachTest()
{
    clearFocus();
    ampero::setNachkomma(3);
    ampero::setNotation(ampero::Notation::Prefix);
}

void type(const QString& fieldName, const QString& text)
{
    focus(fieldName);
    ampero::EditField* f = field(fieldName);
    QTest::keyClick(f, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(f, Qt::Key_Delete);
        return;
    }
    for (QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(f, c.toLatin1());
        else // keyClick aborts outside ASCII
            QTest::sendKeyEvent(QTest::Click, f, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void pressEnter(const QString& fieldName) { QTest::keyClick(field(fieldName), Qt::Key_Return); }

void enter(const QString& fieldName, const QString& text)
{
    type(fieldName, text);
    pressEnter(fieldName);
}

QStringList fieldTexts(const QWidget* root)
{
    QStringList texts;
    for (const QLineEdit* f : root->findChildren<QLineEdit*>())
        texts << f->objectName() + "=" + f->text();
    texts.sort();
    return texts;
}

QStringList pageTexts(int tabIndex) { return fieldTexts(ampero::Form1->PageControl1->widget(tabIndex)); }

void enterEach(const QStringList& entries)
{
    for (const QString& e : entries)
        enter(e.section('=', 0, 0), ampero::withPunktKomma(e.section('=', 1)));
}

QStringList mismatches(const QStringList& expected)
{
    QStringList wrong;
    for (const QString& e : expected) {
        const QString name = e.section('=', 0, 0);
        const QString want = ampero::withPunktKomma(e.section('=', 1));
        const QString shown = text(name);
        if (shown != want)
            wrong << QStringLiteral("%1: '%2' != '%3'").arg(name, shown, want);
    }
    return wrong;
}

void leave(const QString& fieldName)
{
    focus(fieldName);
    QTest::keyClick(field(fieldName), Qt::Key_Tab);
}

bool BoxCloser::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show)
        if (auto* box = qobject_cast<QMessageBox*>(watched)) {
            titles << box->windowTitle();
            texts << box->text();
            QMetaObject::invokeMethod(
                box, [box] { box->done(QMessageBox::Ok); }, Qt::QueuedConnection);
        }
    return false;
}

QList<Box> boxesDuring(const std::function<void()>& action)
{
    QList<Box> boxes;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&boxes] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            boxes.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
            box->button(QMessageBox::Ok)->click();
        }
    });
    poll.start();
    action();
    QTest::qWait(30); // reports that open after the running event
    return boxes;
}

} // namespace driver
