#pragma once

#include "widgets/Placement.h"
#include "schematics/PictureSet.h"

#include <functional>
#include <QStringList>
#include <QWidget>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace ampero {

class EditField;
class RadioGroup;

// The networks that own a voltage and current window, in the order of Form4 … Form8.
enum class UiNetwork { PiT, R, L, Pi, T };

class SpannungStromFenster;

// The memo's table of voltages, currents and losses. Starting a table clears the memo and sets
// its tab stops; every line checks the floating-point flags first, so a fault ends the
// calculation with the lines before it in place. The memo shows the lines when the table ends.
class MemoTable {
public:
    // How a value meets its unit: with prefix symbols always "6,364 V" (the prefix text ends
    // in a blank or a prefix letter); in SCI and ENG notation with a blank ("6,36E+00 V") or,
    // on some pages, without ("6,36E+00V").
    enum class Spacing { BlankInNotation, Tight };

    struct Cell {
        QString text;
    };

    explicit MemoTable(SpannungStromFenster& window, Spacing spacing = Spacing::BlankInNotation);
    ~MemoTable(); // writes the memo
    MemoTable(const MemoTable&) = delete;
    MemoTable& operator=(const MemoTable&) = delete;

    Cell volts(long double U) const { return value(U, QStringLiteral("V")); }
    Cell amps(long double I) const { return value(I, QStringLiteral("A")); }
    Cell watts(long double P) const { return value(P, QStringLiteral("W")); }
    Cell value(long double v, const QString& unit) const { return value(v, unit, m_spacing); }
    // For a line that spaces its unit otherwise than the rows ("verfügbare Leistung an Z2").
    static Cell value(long double v, const QString& unit, Spacing spacing);
    static Cell none() { return {QStringLiteral("   -----")}; } // a cell without a value

    void empty() { line({}); }
    // title + "\tSpannung U\tStrom I\tVerlustleistung"
    void header(const QString& title);
    // `indent` blanks and `macrons` macron characters under the header
    void rule(int indent, int macrons);
    // label + "\t" + the cells joined by tabs
    void row(const QString& label, const std::vector<Cell>& cells);
    void line(const QString& text);

private:
    QPlainTextEdit* m_memo;
    Spacing m_spacing;
    QStringList m_lines;
};

// A voltage and current window of a network page (Form4 … Form8: attenuator, R, L, Pi and T
// network): pictures of the network, the input power in watts or dBm with the other unit
// beside it, peak or RMS values, the memo with the table, " Hilfe " and "Schließen". One
// class, made five times; the page tells its window which calculation the power field and
// the peak/RMS choice run, and reads power and peak factor from it.
class SpannungStromFenster : public QWidget {
    Q_OBJECT
public:
    explicit SpannungStromFenster(UiNetwork network);

    UiNetwork network() const { return m_network; }

    // Gives the window to the main window; it shows 10 pixels right of it, top edges level,
    // where the screen has room, else where it covers the fewest of the page's input fields.
    void placeBeside(QWidget* owner);
    // The place the options choose: over the main window, or 20 pixels left or right of it,
    // 3 pixels higher, with the same rule where the screen has no room. A shown window moves
    // at once, a hidden one when it next shows, from where the main window then stands.
    void placeOn(Side side);

    // The page's calculation, run by Enter in the power field and by the peak/RMS choice.
    void setCalculation(std::function<void()> calculation)
    {
        m_calculation = std::move(calculation);
    }

    // The input power in watts: a text with "dBm" in any letter case is a level, any other a power.
    // A text that does not parse throws, as every operand of a calculation does.
    long double power() const;
    // √2 with "Scheitelwerte (Us, Is)", 1 with "Effektivwerte (Ueff, Ieff)".
    long double peakFactor() const;
    // The power field in the current notation and decimals; a level stays a level.
    void reformatPower();
    // The tab stops of the memo: one every 48 dialog units.
    void setTabStops();

    EditField* powerField() const { return m_power; }
    QLabel* otherUnitLabel() const { return m_otherUnit; }
    RadioGroup* peakOrRms() const { return m_peakOrRms; }
    QPlainTextEdit* memo() const { return m_memo; }
    // The pictures of a place (the R window has two places side by side, the L window one
    // place with two pictures).
    PictureSet& pictures(int place = 0) { return m_places.at(static_cast<std::size_t>(place)); }
    int helpContext() const { return m_helpContext; }

    // The memo's table as tab-separated text for a spreadsheet: the rule lines left out,
    // every cell without its padding blanks.
    QString tableText() const;
    QPushButton* copyButton() const { return m_copy; }

    void Button1Click();  // "Schließen" (Button2 in the R network's window)
    void KopierenClick(); // "Kopieren": the table to the clipboard
    void LHilfeClick();   // " Hilfe ": the help at the window's context number

protected:
    void showEvent(QShowEvent* event) override;

private:
    void runCalculation();

    UiNetwork m_network;
    int m_helpContext;
    QString m_title;
    EditField* m_power;
    QLabel* m_otherUnit;
    RadioGroup* m_peakOrRms;
    QPlainTextEdit* m_memo;
    QPushButton* m_close;
    QPushButton* m_copy;
    std::vector<PictureSet> m_places;
    std::function<void()> m_calculation;
    Side m_side = Side::Right; // where it stands beside the main window, once it shows
    int m_gap = 10;
    int m_top = 0;
    bool m_placementPending = false;
};

// The window of a network. It is made the first time it is asked for (by its page, or by the
// program start, whichever comes first), so that a page can declare the window's fields in
// its settings list; the program start then gives it to the main window.
SpannungStromFenster* uiWindow(UiNetwork network);

} // namespace ampero
