#pragma once

#include <QLabel>
#include <QWidget>

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace ampero {

// A label that acts as a link: a hand cursor and a click.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& name, const QString& text, QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// The info window: name, version and build of the program, a note asking for error reports,
// the contributors, and the ways to the author, his web site and the updates.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 230; // its help topic
    explicit TForm2(QWidget* owner);

    QLabel* StaticText4 = nullptr; // the build
    QPushButton* Credits = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QListWidget* LBCredits1 = nullptr;
    QPushButton* Update_B_Updates = nullptr;
    LinkLabel* L_HomePage = nullptr;
    LinkLabel* L_EMail = nullptr;
    QPushButton* OK = nullptr; // "Schliessen"

    void FormShow();
    void CreditsClick();
    void L_EMailClick();
    void L_HomePageClick();
    void Update_B_UpdatesClick();
    void OKClick();

    // The links the window opens.
    static QString mailLink();
    static QString homePage();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void colourLinks();
};

} // namespace ampero
