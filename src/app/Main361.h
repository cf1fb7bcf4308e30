#pragma once

#include <QWidget>

class QPushButton;

namespace ampero {

class PageControl;
class dB;

// The main window: the fifteen calculator pages and the bottom row of buttons.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    TForm1();

    static constexpr int kPageCount = 15;
    // 70 + 10 × tab index, or -1 when no page is shown.
    int helpContext() const;

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

private:
    bool m_shown = false;
};

} // namespace ampero
