#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>
#include <QWidget>
#include <functional>

namespace ampero {
class EditField;
}

// Drives the program as a user does: finds components by their names, types into fields,
// presses Enter and reads the message boxes that open on the way.
namespace driver {

// Creates the program's windows once per test process, as the program start does.
void startProgram();
// Drops the offscreen platform's warning about size hints, which every message box gives:
// thousands of lines in a test that answers thousands of boxes.
void silenceSizeHints();

QWidget* find(const QString& name); // any widget of any window, by objectName
template <typename T>
T* find(const QString& name)
{
    return qobject_cast<T*>(find(name));
}
ampero::EditField* field(const QString& name);
QString text(const QString& name);

// Makes the window the active one and waits until it has the keyboard.
[[nodiscard]] bool activate(QWidget* window);
// Puts the focus into the field (a mouse click into it).
void focus(const QString& fieldName);
// Takes the focus from whatever widget holds it, so that no leave handler runs later.
void clearFocus();
// What a page test starts from: no focus, three decimals, numbers with prefix letters.
void startEachTest();

// Focuses the field, replaces its text by typing and does not press Enter.
void type(const QString& fieldName, const QString& text);
void pressEnter(const QString& fieldName);
// type() and pressEnter() together.
void enter(const QString& fieldName, const QString& text);
// Every edit field under `root` as "name=text", sorted: a snapshot of a page's state.
QStringList fieldTexts(const QWidget* root);
// The same for the page with this tab index of the main window.
QStringList pageTexts(int tabIndex);

// Enters "field=text" entries one after another, each with Enter; a "," in a text stands for
// the separator in use.
void enterEach(const QStringList& entries);
// The "field=text" expectations that do not hold, each as "field: 'shown' != 'expected'";
// a "," in an expected text stands for the separator in use.
QStringList mismatches(const QStringList& expected);

// Moves the focus from the field to another control of its window.
void leave(const QString& fieldName);

struct Box {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};
// Answers every message box as soon as it shows and remembers its title and text; installed
// on the application, it is quicker than boxesDuring() for thousands of entries.
class BoxCloser : public QObject {
public:
    QStringList titles;
    QStringList texts;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Runs the action and answers every modal message box that opens meanwhile with OK.
QList<Box> boxesDuring(const std::function<void()>& action);

} // namespace driver

// Every "field=text" of the list is what the field shows (a "," stands for the separator).
#define EXPECT_TEXTS(...)                                                                          \
    do {                                                                                           \
        const QStringList wrong = driver::mismatches(__VA_ARGS__);                                 \
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("; ")));                                   \
    } while (false)
