#pragma once

#include "Page.h"
#include "schematics/PictureSet.h"
#include "windows/Frequenzgang.h"

class QLabel;
class QPushButton;

namespace ampero {

class EditField;
class RadioGroup;
class NormwerteFenster;
class SpannungStromFenster;

// The page "R - Anpassnetzwerk": resistive pads between two resistances Z1 and Z2 for an
// attenuation a, an L pad matched to one side and a Pi and a T pad matched to both, with the
// smallest attenuation such a pad can have, and their voltages, currents and losses for the
// available power of the R network's voltage/current window.
class RNetz : public Page {
    Q_OBJECT
public:
    explicit RNetz(QWidget* parent = nullptr);

    void loadFactoryDefaults() override;
    void reformat() override;

    void R_Netz_Berechnung();
    void R_B_UIClick();
    void R_B_NormwerteClick();
    void R_B_FGClick();

    RadioGroup* R_RG_unsym = nullptr;
    RadioGroup* R_RG_LNetz = nullptr;
    QLabel* L_R_Netz_Min_A = nullptr;
    QPushButton* R_B_UI = nullptr;
    QPushButton* R_B_Normwerte = nullptr;
    QPushButton* R_B_FG = nullptr;
    NormwerteFenster* normwerte() const { return m_normwerte; }
    Frequenzgang* frequenzgang() const { return m_response.window(); }

private:
    SpannungStromFenster* m_window;
    NormwerteFenster* m_normwerte = nullptr;
    FrequenzgangLink m_response;
    EditField* m_Z1;
    EditField* m_Z2;
    EditField* m_D;
    bool showsHalf(const QLineEdit* field) const override;

    EditField* m_lR1;
    EditField* m_lR2;
    EditField* m_piR1;
    EditField* m_piR2;
    EditField* m_piR3;
    EditField* m_tR1;
    EditField* m_tR2;
    EditField* m_tR3;
    PictureSet m_lPictures; // R_I_unsym1 … 5, then R_I_sym1 … 5
    PictureSet m_piPictures;
    PictureSet m_tPictures;
};

} // namespace ampero
