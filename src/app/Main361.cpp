#include "Main361.h"

#include "Ampero361.h"
#include "pages/dB.h"
#include "pages/dBm.h"
#include "pages/dBrel.h"
#include "pages/dBuV.h"
#include "pages/gleichwSchalt.h"
#include "pages/LCSchwingkreis.h"
#include "pages/LNetz.h"
#include "pages/PITAtt.h"
#include "pages/PiNetz.h"
#include "pages/TNetz.h"
#include "pages/RCGlieder.h"
#include "pages/RLC.h"
#include "pages/RNetz.h"
#include "pages/VSWR.h"
#include "pages/XLXC.h"
#include "platform/Folders.h"
#include "platform/Help.h"
#include "platform/WindowStyles.h"
#include "settings/IniDocument.h"
#include "settings/Load361.h"
#include "settings/Optionen361.h"
#include "settings/ProgramState.h"
#include "settings/Rechengrenzen361.h"
#include "settings/Store361.h"
#include "values/DisplayOptions.h"
#include "widgets/Handlers.h"
#include "widgets/PageControl.h"
#include "windows/Info361.h"
#include "windows/SpannungStrom.h"
#include "windows/Update361.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTimer>

namespace ampero {

namespace {

// The pages in tab order: caption, component, help context, and how the page is made (pages
// still to come stand as empty pages).
struct PageEntry {
    const char* caption;
    const char* component;
    int helpContext;
    Page* (*create)();
};

template <typename T>
Page* make()
{
    return new T;
}

constexpr PageEntry kPages[TForm1::kPageCount] = {
    {"dB", "dB", 70, make<dB>},
    {"dB rel.", "dBrel", 80, make<dBrel>},
    {"dBm", "dBm", 90, make<dBm>},
    {"dBµV", "dBuV", 100, make<dBuV>},
    {"XL / XC", "XLXC", 110, make<XLXC>},
    {"R-L-C Netz", "RLC", 120, make<RLC>},
    {"LC-Schwingkreis", "LCSchwingkreis", 130, make<LCSchwingkreis>},
    {"RC-Glieder", "RCGlieder", 140, make<RCGlieder>},
    {"PI / T Att", "PITAtt", 150, make<PITAtt>},
    {"Par-/Ser-Trans.", "gleichwSchalt", 160, make<gleichwSchalt>},
    {"R - Anpassnetzwerk", "RNetz", 170, make<RNetz>},
    {"L - Anpassnetzwerk", "LNetz", 180, make<LNetz>},
    {"Pi - Anpassnetzwerk", "PiNetz", 190, make<PiNetz>},
    {"T - Anpassnetzwerk", "TNetz", 200, make<TNetz>},
    {"VSWR, RL, r", "VSWR", 210, make<VSWR>},
};

QPushButton* addButton(QWidget* parent, const char* name, const QString& text,
                       const QRect& geometry)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    return button;
}

} // namespace

TForm1::TForm1()
    : QWidget(nullptr, kFixedWindow | Qt::WindowMinimizeButtonHint)
{
    setObjectName(QStringLiteral("Form1"));
    setFixedSize(715, 547);
    QFont small = font();
    small.setPixelSize(12);
    setFont(small);

    PageControl1 = new PageControl(QStringLiteral("PageControl1"), true, this);
    PageControl1->setGeometry(8, 7, 697, 489);
    for (const PageEntry& entry : kPages) {
        Page* page = entry.create();
        page->setObjectName(QLatin1String(entry.component));
        page->setHelpContext(entry.helpContext);
        PageControl1->addTab(page, QString::fromUtf8(entry.caption));
    }
    dBPage = qobject_cast<dB*>(PageControl1->widget(0));
    connectHandler(PageControl1, &QTabWidget::currentChanged, this, &TForm1::PageControl1Change);

    Button4 = addButton(this, "Button4", QStringLiteral("Info"), QRect(8, 510, 89, 28));
    Button6 = addButton(this, "Button6", QStringLiteral("Optionen"), QRect(105, 510, 89, 28));
    B_Hilfe = addButton(this, "B_Hilfe", QStringLiteral("Hilfe"), QRect(202, 510, 89, 28));
    BitBtn2 = addButton(this, "BitBtn2", QStringLiteral("Fertig"), QRect(580, 505, 125, 36));
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    connectHandler(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connectHandler(Button6, &QPushButton::clicked, this, &TForm1::Button6Click);
    connectHandler(B_Hilfe, &QPushButton::clicked, this, &TForm1::B_HilfeClick);
    connectHandler(BitBtn2, &QPushButton::clicked, this, &QWidget::close);

    qApp->installEventFilter(this); // tooltips only while "Kurzhinweise" is on

    // Ctrl+Tab and Ctrl+Shift+Tab turn the main window's pages from every field, also where a
    // page holds sub-pages of its own, whose tab widget would otherwise take the keys.
    const auto turnPage = [this](int step) {
        const int count = PageControl1->count();
        PageControl1->setCurrentIndex((PageControl1->currentIndex() + step + count) % count);
    };
    // One shortcut for the ways the desktop spells Ctrl+Shift+Tab; several of them would be
    // ambiguous and none would fire.
    const auto addTurn = [this, turnPage](const QList<QKeySequence>& keys, int step) {
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(keys);
        shortcut->setContext(Qt::WindowShortcut);
        connectHandler(shortcut, &QShortcut::activated, this, [turnPage, step] { turnPage(step); });
        connect(shortcut, &QShortcut::activatedAmbiguously, this,
                [turnPage, step] { turnPage(step); });
    };
    addTurn({QKeySequence(Qt::CTRL | Qt::Key_Tab)}, 1);
    addTurn({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)},
            -1);

    // F1 works in every field of the window.
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WindowShortcut);
    connectHandler(f1, &QShortcut::activated, this, &TForm1::B_HilfeClick);

    FormCreate();
}

void TForm1::FormCreate()
{
    const QString separator = QLocale::system().decimalPoint();
    setPunktKomma(separator.isEmpty() ? QLatin1Char(',') : separator.front());
}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TForm1::FormShow()
{
    iniPath = settingsFolderFor(programFolder());
    const QString file = settingsFile();
    runHandler(
        this,
        [&file] {
            if (QFileInfo::exists(file))
                IniFileLaden(readSettingsFile(file));
            else
                Eingabefelder_laden();
        },
        Report::Later);
    setWindowTitle(QStringLiteral("Rozerar       Ampero Version 3.6"));
    // The update check starts once the window is up and runs beside it, never holding it up.
    if (Form3->Optionen_CB_AutoUpdate->isChecked())
        QTimer::singleShot(0, Form9, &TForm9::automaticCheck);
}

int TForm1::helpContext() const
{
    const auto* page = qobject_cast<const Page*>(PageControl1->currentWidget());
    return page ? page->helpContext() : -1;
}

QList<Page*> TForm1::pages() const
{
    QList<Page*> result;
    for (int i = 0; i < PageControl1->count(); ++i)
        if (auto* page = qobject_cast<Page*>(PageControl1->widget(i)))
            result.append(page);
    return result;
}

void TForm1::setHintsShown(bool shown) { m_hintsShown = shown; }

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ToolTip && !m_hintsShown) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this)
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::setStaysOnTop(bool onTop)
{
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (visible)
        show(); // a change of window flags hides the window
}

void TForm1::PageControl1Change()
{
    for (QWidget* window :
         {static_cast<QWidget*>(Form4), static_cast<QWidget*>(Form5), static_cast<QWidget*>(Form6),
          static_cast<QWidget*>(Form7), static_cast<QWidget*>(Form8)})
        if (window)
            window->close();
}

void TForm1::Button4Click() { showWindow(Form2); }

void TForm1::Button6Click() { showWindow(Form3); }

void TForm1::B_HilfeClick()
{
    const int context = helpContext();
    if (context >= 0)
        openHelp(context, PageControl1->tabText(PageControl1->currentIndex()));
}

void TForm1::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
    // Closing the main window ends the program, whatever other window is still open, and
    // also when the settings could not be written.
    QCoreApplication::quit();
}

void TForm1::FormClose()
{
    runHandler(this, [] { IniFileschreiben(); });
}

} // namespace ampero
