#pragma once

#include <QWidget>

class QPushButton;

namespace ampero {

class Page;
class PageControl;
class dB;

// The main window: the fifteen calculator pages and the bottom row of buttons.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    TForm1();

    static constexpr int kPageCount = 15;
    // The help context of the page shown, or -1 when no page is shown.
    int helpContext() const;
    // The calculator pages in tab order.
    QList<Page*> pages() const;

    // Tooltips of the main window's controls ("Kurzhinweise").
    void setHintsShown(bool shown);
    bool hintsShown() const { return m_hintsShown; }
    void setStaysOnTop(bool onTop);

    PageControl* PageControl1 = nullptr;
    dB* dBPage = nullptr;
    QPushButton* Button4 = nullptr; // "Info"
    QPushButton* Button6 = nullptr; // "Optionen"
    QPushButton* B_Hilfe = nullptr; // "Hilfe"
    QPushButton* BitBtn2 = nullptr; // "Fertig"

    void FormCreate();
    void FormShow();
    void PageControl1Change();
    void Button4Click();
    void Button6Click();
    void B_HilfeClick();
    void FormClose();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_shown = false;
    bool m_hintsShown = false; // the design state of "Kurzhinweise"
};

} // namespace ampero
