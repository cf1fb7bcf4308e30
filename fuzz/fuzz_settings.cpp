// Arbitrary bytes as the settings file: read, loaded into every window, stored again. A load
// may stop at an error, but nothing may crash, hang or leave a field showing "inf" or "nan".
#include "app/Ampero361.h"
#include "app/Main361.h"
#include "pages/Page.h"
#include "platform/Folders.h"
#include "settings/IniDocument.h"
#include "settings/Load361.h"
#include "settings/ProgramState.h"
#include "settings/Rechengrenzen361.h"
#include "settings/Store361.h"
#include "values/Errors.h"
#include "widgets/EditField.h"
#include "windows/SpannungStrom.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <QApplication>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace ampero;

namespace {

QList<QWidget*> windows()
{
    QList<QWidget*> all{Form1, Form4, Form5, Form6, Form7, Form8};
    all.removeAll(nullptr);
    return all;
}

// No field shows "inf" or "nan" (as words: "info" is one of its own) that the program wrote.
// A stored text is loaded as it stands, the field's text being its state, with the decimal
// separator of the file's options; a text the file holds (as read, in its encoding) is the
// file's own.
void checkFields(QString file)
{
    file.replace(u',', u'.');
    for (QWidget* window : windows())
        for (const EditField* field : window->findChildren<EditField*>()) {
            const QString text = field->text();
            static const QRegularExpression notFinite(
                QStringLiteral("\\b(inf|nan)\\b"), QRegularExpression::CaseInsensitiveOption);
            if (notFinite.match(text).hasMatch() &&
                !file.contains(QString(text).replace(u',', u'.'))) {
                std::fprintf(stderr, "%s shows \"%s\" after loading\n",
                             qPrintable(field->objectName()), qPrintable(text));
                std::abort();
            }
        }
}

// A load may report a value as the program does at start-up, in a message box; here nobody is
// there to click OK.
class BoxCloser : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (auto* box = qobject_cast<QMessageBox*>(watched))
                QMetaObject::invokeMethod(
                    box, [box] { box->done(QMessageBox::Ok); }, Qt::QueuedConnection);
        return false;
    }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(*argc, *argv); // lives as long as the process: the windows outlive main()
    static QTemporaryDir folder;    // no settings file of the user is read
    setProgramFolder(folder.path());
    createForms();
    qApp->installEventFilter(new BoxCloser);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const IniDocument ini = IniDocument::fromBytes(bytes);
    // Each file meets the windows as at a start: nothing loaded yet, the factory texts in the
    // fields, not what an earlier file left there when its load stopped. (Their calculations
    // can fail on what that file left in the windows' own fields, which a start never meets.)
    Parameter_geladen = false;
    try {
        Eingabefelder_laden();
    } catch (const Error&) {
    }
    Parameter_geladen = false;
    try {
        IniFileLaden(ini);
    } catch (const Error&) {
        // a value the program refuses stops the load, as at start-up
    }
    checkFields(ini.toText());
    // Closing writes the file back from the windows and what the load left.
    IniDocument stored = IniDocument::fromBytes(bytes);
    if (const IncompleteLoad* partial = incompleteLoad())
        storeAfterIncompleteLoad(stored, *partial);
    else
        storeSettings(stored);
    const QByteArray written = stored.toBytes();
    if (IniDocument::fromBytes(written).toBytes() != written)
        std::abort(); // the written file does not read back as itself
    return 0;
}
