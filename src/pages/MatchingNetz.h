#pragma once

#include "Page.h"
#include "rf/Matching.h"
#include "schematics/PictureSet.h"
#include "values/InputProtocol.h"
#include "windows/SpannungStrom.h"

#include <array>
#include <optional>
#include <QString>
#include "windows/Frequenzgang.h"

class QLabel;
class QPushButton;

namespace ampero {

class EditField;
class MemoTable;
class NormwerteFenster;
class RadioGroup;

// What the Pi and the T matching network pages share: the inputs with the bandwidth and Q
// panels, the two result columns, the handlers that keep the operating Q and the bandwidth in
// step, and the memo blocks. A page supplies its names, its minimum Q and its calculation.
class MatchingNetz : public Page {
    Q_OBJECT
public:
    // The names and texts in which the two pages differ.
    struct Texts {
        QString prefix;        // "Pi", "T"
        QString title;         // the outer group's caption
        QString choiceCaption; // the caption of the " Auswahl" group
        QString bandwidthHint;
        QString bandwidthLabel;         // "Label100", "Label173"
        std::array<QString, 3> rows;    // from Z1 to Z2: "Xp1", "Xs", "Xp2"
        std::array<QString, 3> hpHints; // hints of the high-pass element fields
        std::array<QString, 3> tpHints;
        MessageSet coilQMessages; // range message of the coil's Q
        UiNetwork network;
    };

    void loadSettings(const StoredSettings& stored) override;
    void loadFactoryDefaults() override;
    void reformat() override;

    // The handlers, under the page's prefix in the names of the program.
    void RG_AuswahlClick();
    void RG_EinvorgabeClick();
    void B_UIClick();
    void B_NormwerteClick();

    double Q_min = 0; // the minimum operating Q, with the correction
    double Q_E = 0;   // the operating Q the user chose

    RadioGroup* RG_unsym = nullptr;
    RadioGroup* RG_Auswahl = nullptr;
    RadioGroup* RG_Einvorgabe = nullptr;
    QWidget* RG_Bandbreite = nullptr;
    QWidget* RG_Betriebsguete = nullptr;
    QLabel* bandwidthLabel = nullptr;
    QPushButton* B_UI = nullptr;
    QPushButton* B_Normwerte = nullptr;
    NormwerteFenster* normwerte() const { return m_normwerte; }
    QPushButton* B_FG = nullptr; // opens the frequency response
    Frequenzgang* frequenzgang() const { return m_response.window(); }

protected:
    MatchingNetz(const Texts& texts, QWidget* parent);

    // The page's calculation (Pi_Netz_Berechnung, T_Netz_Berechnung).
    virtual void calculate() = 0;
    // The minimum Q of the terminations in the fields.
    virtual long double minimumQ(long double R1, long double X1, long double R2,
                                 long double X2) const = 0;
    // The bandwidth label after a change of "min."/"Eingabe" and after Enter in an input.
    virtual QString selectionBandwidthLabel(long double maximum) const = 0;
    virtual QString entryBandwidthLabel(long double maximum) const = 0;

    // The settings keys both pages have, from "Auswahl" to "X2", in their order; the texts
    // in which the pages differ.
    struct Fallbacks {
        QString bandwidth;
        std::optional<QString> bandwidthFactory;
        QString q, qFactory, r1, r1Factory;
    };
    Persistence& declareInputs(const QString& section, const Fallbacks& f);
    // The operating Q of a calculation: the minimum or the user's Q raised to it, written
    // into the Q field.
    long double operatingQ(long double Qmin);
    // One variant's block of the memo, elements from Z1 to Z2. In a balanced network a series
    // row shows one of the two halves: half the voltage and half the loss. A coil's row shows
    // its loss, a capacitor's none.
    // The operands both calculations read first, in this order: F, R1, R2, X1, X2, QL and the
    // window's power.
    struct Inputs {
        long double F, R1, R2, X1, X2, QL, P;
    };
    Inputs readInputs() const;

    struct MemoElement {
        QString label;
        const matching::Element& element;
        bool series;
    };
    void memoBlock(MemoTable& memo, const QString& title, const std::array<MemoElement, 3>& rows,
                   const matching::Analysis& a, bool balanced, bool finalEmptyLine);
    void writeElement(EditField* field, const matching::Element& e);

    SpannungStromFenster* m_window;
    FrequenzgangLink m_response; // follows every calculation of the page
    EditField* m_B;
    EditField* m_Q;
    EditField* m_F;
    EditField* m_Z1;
    EditField* m_Z1j;
    EditField* m_Z2;
    EditField* m_Z2j;
    EditField* m_QL;
    bool showsHalf(const QLineEdit* field) const override;

    std::array<EditField*, 4> m_hp{}; // three elements from Z1 to Z2, then TL
    std::array<EditField*, 4> m_tp{};
    PictureSet m_hpPictures;
    PictureSet m_tpPictures;
    NormwerteFenster* m_normwerte = nullptr; // the page's calculation ends by updating it

private:
    void offerStandardValues(QWidget* outputs);
    void runCalculation();
    bool bandwidthCheck(long double F);
    void impedanceEntered(bool withBandwidthCheck);
    void frequencyEntered();
    void qEntered(double Q);
    void bandwidthEntered(double B);
    void writeBandwidthLabel(long double F);
    void followSelections();

    Texts m_texts;
    bool m_hasFactoryBandwidth = false; // else it is the factory Q's maximum
    bool m_loading = false;             // the settings fill the page: selections run no calculation
};

} // namespace ampero
