#pragma once

#include "rf/ESeries.h"

#include <functional>
#include <optional>
#include <QString>
#include <QWidget>
#include <vector>

class QLabel;
class QLineEdit;
class QTableWidget;

namespace ampero {

class RadioGroup;

// The standard values of a page's results ("Normwerte"): for every resistor, capacitor or coil
// result the nearest value of the chosen E series with its deviation, and what the network
// does when it is built from those values. One class for every page; a page names its result
// fields and tells how the built network behaves, and runs update() after its calculation.
class NormwerteFenster : public QWidget {
    Q_OBJECT
public:
    // A reactive part is a coil or a capacitor by the unit its field shows ("H" or "F"):
    // some matching results change their kind with the terminations.
    enum class Kind { Resistor, Capacitor, Coil, Reactive };

    struct Part {
        QString label;    // "Pi R1", "Hochpass Xs", …
        QLineEdit* field; // the result field; its text is the wanted value
        Kind kind;
    };
    struct Line {
        QString label;
        QString value;
    };
    // The standard values in the order of the parts give the lines of the built network. It
    // runs only when every part has one; otherwise the lines keep their labels and show no
    // value.
    using AsBuilt = std::function<std::vector<Line>(const std::vector<double>&)>;

    // `prefix` names the components ("PiT" gives PiT_RG_E_R, PiT_NW_Tabelle, …); `builtLines`
    // is the number of lines `asBuilt` gives.
    NormwerteFenster(const QString& prefix, const QString& title, std::vector<Part> parts,
                     int builtLines, AsBuilt asBuilt, QWidget* page);

    // The kind of a part as its field shows it now.
    static Kind kindShown(const Part& part);
    // The choice of series for a kind of part; nullptr when the page has no such part.
    RadioGroup* seriesGroup(Kind kind) const;
    eseries::Series series(Kind kind) const;

    // Reads the result fields again and refills both tables, when the window is open (it
    // fills them when it shows). It never fails: a field that does not read shows no
    // standard value.
    void update();
    // Shows the window beside the main window, or raises it.
    void open();
    // Both tables as tab-separated text, one line per row.
    QString tableText() const;

    // The lines of a built pad: its attenuation and the return loss at both ports.
    static std::vector<Line> padLines(const QString& pad, std::span<const ladder::Element> elements,
                                      double Z1, double Z2);
    // The lines of a built matching network: its transmission loss and the input VSWR.
    static std::vector<Line> matchingLines(const QString& network,
                                           std::span<const ladder::Element> elements,
                                           rf::Complex Z1, rf::Complex Z2);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void refill();
    std::vector<Part> m_parts;
    AsBuilt m_asBuilt;
    QWidget* m_page;
    RadioGroup* m_groups[3] = {};
    QTableWidget* m_values;
    QTableWidget* m_built;
    bool m_placed = false;
};

// Formats of the standard-value tables: a level in dB with the display decimals, a ratio.
QString dbText(const std::optional<double>& dB);
QString ratioText(const std::optional<double>& ratio);

// Copies text to the clipboard.
void copyToClipboard(const QString& text);

} // namespace ampero
