#include "Ampero361.h"

#include "Main361.h"
#include "platform/MessageBoxes.h"
#include "settings/Optionen361.h"
#include "windows/Info361.h"
#include "windows/SpannungStrom.h"
#include "windows/Update361.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ampero {

TForm1* Form1 = nullptr;
TForm2* Form2 = nullptr;
TForm3* Form3 = nullptr;
SpannungStromFenster* Form4 = nullptr;
SpannungStromFenster* Form5 = nullptr;
SpannungStromFenster* Form6 = nullptr;
SpannungStromFenster* Form7 = nullptr;
SpannungStromFenster* Form8 = nullptr;
TForm9* Form9 = nullptr;

void showWindow(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace ampero

void createForms()
{
    using namespace ampero;
    QCoreApplication::setApplicationName(QString::fromUtf16(kApplicationTitle));
    QCoreApplication::setOrganizationName(QStringLiteral("Korvan_Software"));
    // Ties the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.korvan_software.Ampero"));
    // Qt's own texts in German too: the fields' context menus, the standard dialogs.
    static QTranslator qtGerman;
    if (qtGerman.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtGerman);

    Form1 = new TForm1;
    Form2 = new TForm2(Form1);
    Form3 = new TForm3(Form1);
    // The voltage/current windows may exist already: a page asks for its window when it is made.
    SpannungStromFenster** windows[] = {&Form4, &Form5, &Form6, &Form7, &Form8};
    for (UiNetwork network :
         {UiNetwork::PiT, UiNetwork::R, UiNetwork::L, UiNetwork::Pi, UiNetwork::T}) {
        SpannungStromFenster* window = uiWindow(network);
        window->placeBeside(Form1);
        *windows[static_cast<int>(network)] = window;
    }
    Form9 = new TForm9(Form1);
    Form1->show();
}
