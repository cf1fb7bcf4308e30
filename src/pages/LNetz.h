#pragma once

#include "Page.h"
#include "schematics/PictureSet.h"
#include "windows/Frequenzgang.h"

class QPushButton;

namespace ampero {

class EditField;
class NormwerteFenster;
class RadioGroup;
class SpannungStromFenster;

// The page "L - Anpassnetzwerk": the two-element matching network between Z1 = R1 + jX1 and
// Z2 = R2 + jX2 at one frequency, in its high-pass and its low-pass form side by side, with
// the transmission loss that coils of the quality QL cause, and the voltages, currents and
// losses of the elements for the available power of the L network's voltage/current window.
class LNetz : public Page {
    Q_OBJECT
public:
    explicit LNetz(QWidget* parent = nullptr);

    void loadSettings(const StoredSettings& stored) override;
    void loadFactoryDefaults() override;
    void reformat() override;

    void L_Netz_Berechnung();
    // Shows the picture of each form by its code (1 … 4, 5 more for a balanced network).
    void L_Bilder_Auswahl(int LBild_HP, int LBild_TP);
    void L_B_UIClick();
    void L_B_NormwerteClick();
    void L_B_FGClick();

    RadioGroup* L_RG_unsym = nullptr;
    QPushButton* L_B_UI = nullptr;
    QPushButton* L_B_Normwerte = nullptr;
    QPushButton* L_B_FG = nullptr;
    NormwerteFenster* normwerte() const { return m_normwerte; }
    Frequenzgang* frequenzgang() const { return m_response.window(); }

private:
    SpannungStromFenster* m_window;
    NormwerteFenster* m_normwerte = nullptr;
    FrequenzgangLink m_response; // follows every calculation of the page
    EditField* m_F;
    EditField* m_Z1;
    EditField* m_Z1j;
    EditField* m_Z2;
    EditField* m_Z2j;
    EditField* m_QL;
    bool showsHalf(const QLineEdit* field) const override;

    EditField* m_hpC; // "Xs" of the high-pass form
    EditField* m_hpL; // "Xp" of the high-pass form
    EditField* m_tpL; // "Xs" of the low-pass form
    EditField* m_tpC; // "Xp" of the low-pass form
    EditField* m_hpTL;
    EditField* m_tpTL;
    PictureSet m_highPass;  // L_I_Hocha … Hochg, unbalanced then balanced
    PictureSet m_lowPass;   // L_I_Tiefb … Tiefh, the same order
    bool m_filling = false; // settings or factory values are being put into the page
};

} // namespace ampero
