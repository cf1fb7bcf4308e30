#include "Info361.h"

#include "app/Ampero361.h"
#include "app/Main361.h"
#include "platform/Fonts.h"
#include "platform/Shell.h"
#include "platform/WindowStyles.h"
#include "widgets/Colours.h"
#include "windows/Update361.h"
#include "widgets/Handlers.h"
#include "widgets/WindowKeys.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>

namespace ampero {

namespace {

const QString kAuthorMail = QStringLiteral("rozerar@korvan-software.de");
const QString kBuild = QStringLiteral("12.08.2021");
const QString kHomePage = QStringLiteral("https://www.korvan-software.de/");

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                 const QFont& font, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(align);
    return label;
}

QPushButton* addButton(QWidget* parent, const char* name, const QString& text,
                       const QRect& geometry)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    return button;
}

} // namespace

LinkLabel::LinkLabel(const QString& name, const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Space) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

TForm2::TForm2(QWidget* owner)
    : QWidget(owner, kFixedDialog)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral(" Info"));
    setFixedSize(401, 502);
    setFont(arialFont(13));

    // name, version and build on the tooltip colours, in a lowered panel
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);
    panel->setGeometry(8, 8, 385, 158);
    const QPalette app = QApplication::palette();
    setWindowColours(panel, app.color(QPalette::ToolTipBase), app.color(QPalette::ToolTipText));
    QFont author = arialFont(14, true);
    author.setItalic(true);
    addLabel(panel, "Label4", QStringLiteral("Rozerar"), QRect(12, 8, 150, 22), author);
    addLabel(panel, "Label5", QStringLiteral("Ampero"), QRect(0, 30, 385, 62), arialFont(48, true),
             Qt::AlignCenter);
    addLabel(panel, "Label6", QStringLiteral("Programmversion 3.6.1"), QRect(0, 94, 385, 24),
             arialFont(16), Qt::AlignCenter);
    StaticText4 = addLabel(panel, "StaticText4", QString(), QRect(215, 128, 160, 20), arialFont(12),
                           Qt::AlignRight | Qt::AlignVCenter);

    addLabel(this, "Label1", QStringLiteral("Autor: Rozerar, Korvan Software"),
             QRect(12, 176, 377, 20), arialFont(13));
    addLabel(this, "Label2", QString(), QRect(12, 196, 377, 20), arialFont(13));
    addLabel(this, "Label3", QString(), QRect(12, 216, 377, 20), arialFont(13));

    // the note and the contributors share one place
    Credits = addButton(this, "Credits", QStringLiteral("Danke"), QRect(8, 246, 66, 30));
    const QRect box(82, 246, 311, 124);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(box);
    Memo1->setReadOnly(true);
    Memo1->setFont(arialFont(12));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setPlainText(QStringLiteral(" Dieses Programm ist leider nicht fehlerfrei!\n\n"
                                       " Fehlermeldungen oder Anregungen zur Verbesserung \n"
                                       " bitte, per E-Mail, an den Autor senden. Danke"));
    LBCredits1 = new QListWidget(this);
    LBCredits1->setObjectName(QStringLiteral("LBCredits1"));
    LBCredits1->setGeometry(box);
    LBCredits1->setFont(arialFont(12));
    LBCredits1->setWordWrap(true);
    LBCredits1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LBCredits1->addItems({
        QStringLiteral("Layout und Design der Bedienoberfläche:"),
        QStringLiteral("      Helga Brandt"),
        QStringLiteral("Kontrolle der Berechnungen:"),
        QStringLiteral("      Jürgen Falk, DL1JF"),
        QStringLiteral("Kontrolle der Formatierung der Hilfe:"),
        QStringLiteral("      Sabine Roth"),
        QStringLiteral("Kontrolle der Einstellung des Dezimaltrennzeichens:"),
        QStringLiteral("      Peter Hahn"),
        QStringLiteral("Idee, die Spannungen und Ströme der Bauteile zu berechnen und anzuzeigen:"),
        QStringLiteral("      Martin Kessler, DK4MK"),
    });
    LBCredits1->hide();

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Bevel1"));
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    line->setGeometry(8, 380, 385, 4);

    Update_B_Updates = addButton(this, "Update_B_Updates", QStringLiteral("nach Updates suchen"),
                                 QRect(8, 394, 170, 30));
    L_HomePage =
        new LinkLabel(QStringLiteral("L_HomePage"), QStringLiteral("Web Seite des Autors"), this);
    L_HomePage->setGeometry(12, 436, 200, 20);
    L_EMail = new LinkLabel(QStringLiteral("L_EMail"), QStringLiteral("E-Mail an den Autor senden"),
                            this);
    L_EMail->setGeometry(12, 462, 200, 20);
    colourLinks();
    OK = addButton(this, "OK", QStringLiteral("Schliessen"), QRect(293, 462, 100, 30));

    connectHandler(Credits, &QPushButton::clicked, this, &TForm2::CreditsClick);
    connectHandler(L_EMail, &LinkLabel::clicked, this, &TForm2::L_EMailClick);
    connectHandler(L_HomePage, &LinkLabel::clicked, this, &TForm2::L_HomePageClick);
    connectHandler(Update_B_Updates, &QPushButton::clicked, this, &TForm2::Update_B_UpdatesClick);
    connectHandler(OK, &QPushButton::clicked, this, &TForm2::OKClick);
    addWindowKeys(this, kHelpContext, QStringLiteral("Info"));
}

void TForm2::colourLinks()
{
    // The palette's link blue is too dark on a dark window; the light blue stands in for it.
    const bool dark = darkBackground(palette());
    const QColor link = dark ? QColor(120, 165, 255) : palette().color(QPalette::Link);
    for (QLabel* label : {static_cast<QLabel*>(L_HomePage), static_cast<QLabel*>(L_EMail)}) {
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, link);
        label->setPalette(p);
    }
}

void TForm2::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && L_EMail)
        colourLinks();
}

void TForm2::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm2::FormShow() { StaticText4->setText(QStringLiteral(" Build: ") + kBuild); }

void TForm2::CreditsClick()
{
    const bool showList = LBCredits1->isHidden();
    LBCredits1->setVisible(showList);
    Memo1->setVisible(!showList);
    Credits->setText(showList ? QStringLiteral("Hinweis") : QStringLiteral("Credits"));
}

QString TForm2::mailLink()
{
    return QStringLiteral("mailto:") + kAuthorMail +
           QStringLiteral(" ?Subject= AMP V3.6.1    Build vom:  ") + kBuild +
           QStringLiteral("&Body=Bitte eine kurze Beschreibung des Fehler:%0D%0A%0D%0A%0D%0A%0D%0A"
                          "Was soll am Programm verbessert werden?%0D%0A%0D%0A%0D%0A%0D%0A"
                          "Anregungen ...:");
}

QString TForm2::homePage() { return kHomePage; }

void TForm2::L_EMailClick() { openLink(mailLink()); }

void TForm2::L_HomePageClick() { openLink(homePage()); }

void TForm2::Update_B_UpdatesClick() { showWindow(Form9); }

void TForm2::OKClick()
{
    showWindow(Form1);
    close();
}

} // namespace ampero
