#pragma once

#include "rf/Response.h"

#include <array>
#include <optional>
#include <QString>
#include <QWidget>
#include <vector>

class QCategoryAxis;
class QChart;
class QComboBox;
class QLabel;
class QLogValueAxis;
class QPushButton;
class QRadioButton;
class QValueAxis;
class QVBoxLayout;

namespace ampero {

class Persistence;
class ResponseChartView;

// The window "Frequenzgang" of a network page: the transmission loss and the return loss (or
// the VSWR) of the page's variants over a logarithmic frequency axis around the design
// frequency, markers at F, 2F and 3F, the frequencies where the loss has risen by 3 dB, the
// values under the mouse, and the table of values for the clipboard.
//
// A page makes one, opens it with its "Frequenzgang" button and hands it its networks at the
// end of every calculation:
//     m_response = new Frequenzgang("L_Frequenzgang", "L-Anpassnetzwerk", this);
//     m_response->setCurves({{"Hochpass", highPass}, {"Tiefpass", lowPass}});
// with response::Network{F, Z1, Z2, the ladder the page's analysis solves}.
// Pads are frequency independent: their curves are flat over a relative axis, and each
// carries its designed network beside the one built from the shown values.
class Frequenzgang : public QWidget {
    Q_OBJECT
public:
    struct Curve {
        QString name;
        response::Network network; // as the page shows it
        // Pads only: the network with the computed, unrounded values.
        std::optional<response::Network> designed = std::nullopt;
    };

    // `name` is the window's objectName and the prefix of its components; `network` names the
    // page's network in the title. The page is the parent, so the window closes with the
    // program and never keeps it running.
    Frequenzgang(const QString& name, const QString& network, QWidget* page);

    // Replaces the curves; an open window redraws at once, a hidden one when it shows.
    void setCurves(std::vector<Curve> curves);
    const std::vector<Curve>& curves() const { return m_curves; }

    // The span: from F/factor to factor·F.
    double spanFactor() const;
    bool showsSwr() const;
    // The user's choices, as the settings file keeps them: the span's item
    // (0 = F/2 … 2·F up to 5 = F/100 … 100·F) and VSWR in place of the return loss.
    int spanIndex() const;
    void setChoices(int spanIndex, bool swr);
    static constexpr int kDefaultSpan = 3;
    // The frequency range of the plot.
    double fLow() const;
    double fHigh() const;
    // The frequencies the curves pass exactly: F and the marked harmonics.
    std::array<double, 3> marks() const;

    // Frequency, TL and RL of every curve, one line per point, tab-separated, with the
    // program's decimal separator.
    QString tableText() const;
    // What the hover line shows for a frequency (the mouse over the plot).
    QString valuesAt(double f) const;
    QString summaryText() const;

    // Opens the window beside the main window the first time, then where the user left it.
    void showBeside(QWidget* owner);

    static constexpr int kPoints = 400;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void redraw();
    QChart* newChart();
    void ensureView();
    bool flat() const;
    QColor colour(std::size_t curve) const;

    QString m_prefix;
    std::vector<Curve> m_curves;
    QChart* m_chart = nullptr;
    ResponseChartView* m_view = nullptr;
    QVBoxLayout* m_layout;
    QCategoryAxis* m_axisF; // log10 of the frequency, in m_axisUnit
    QCategoryAxis* m_gridF; // its lines between the numbers
    QValueAxis* m_axisTL;
    QValueAxis* m_axisRL;
    QLogValueAxis* m_axisSwr;
    QComboBox* m_span;
    QRadioButton* m_returnLoss;
    QRadioButton* m_swr;
    QLabel* m_hover;
    QLabel* m_summary;
    QPushButton* m_copy;
    QPushButton* m_close;
    bool m_placed = false;
    double m_axisUnit = 1; // Hz per unit of the frequency axis
};

// A page's hold on its "Frequenzgang" window: it keeps the curves of the last calculation and
// makes the window the first time the user opens it, since most users never do.
//     FrequenzgangLink m_response{"L_Frequenzgang", "L-Anpassnetzwerk", this};
//     m_response.setCurves({{"Hochpass", highPass}, {"Tiefpass", lowPass}});  // every calculation
//     m_response.open();                                                     // its button
class FrequenzgangLink {
public:
    FrequenzgangLink(QString name, QString network, QWidget* page);
    void setCurves(std::vector<Frequenzgang::Curve> curves);
    void open();
    // Declares the window's span and RL/VSWR choice in the page's settings: section
    // "Frequenzgang", keys `prefix` + "_Bereich" and `prefix` + "_VSWR".
    void declareSettings(Persistence& persistence, const QString& prefix);
    // The window once it was opened, else null.
    Frequenzgang* window() const { return m_window; }

private:
    QString m_name;
    QString m_network;
    QWidget* m_page;
    std::vector<Frequenzgang::Curve> m_curves; // until the window exists
    int m_span = Frequenzgang::kDefaultSpan;   // the choices, until the window exists
    bool m_swr = false;
    Frequenzgang* m_window = nullptr;          // a child of the page
};

} // namespace ampero
