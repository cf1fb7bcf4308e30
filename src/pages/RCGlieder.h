#pragma once

#include "Page.h"
#include "schematics/PictureSet.h"

class QLabel;

namespace ampero {

class EditField;
class Operand;
class RadioGroup;

// The page "RC-Glieder": cut-off or centre frequency and time constant of an RC low-pass, a
// Wien network and a twin-T network from their elements, and back.
class RCGlieder : public Page {
    Q_OBJECT
public:
    explicit RCGlieder(QWidget* parent = nullptr);

    void reformat() override;

    void RC_F_Berechnung(double F);
    void RC_s_Berechnung(double tau);
    void RC_R1_Berechnung(double R1);
    void RC_R2_Berechnung(double R2);
    void RC_C1_Berechnung(double C1);
    void RC_C2_Berechnung(double C2);

    // The network (1 RC-Glied, 2 Wien-Brücke, 3 Doppel-T-Brücke) and the computed quantity
    // (1 F / s, 2 R, 3 C); 0 until a selection is made.
    int RCGlied = 0;
    int RCAuswahl = 0;

    RadioGroup* RC_RG_Schaltung = nullptr;
    RadioGroup* RC_RG_Auswahl = nullptr;

private:
    void RC_RG_SchaltungClick();
    void RC_RG_AuswahlClick();
    void applyEnableRule();
    void showTwinT(Operand& R1, Operand& C1); // R2 = R1 / 2, C2 = 2 · C1

    EditField* m_F;
    EditField* m_s;
    EditField* m_R1;
    EditField* m_R2;
    EditField* m_C1;
    EditField* m_C2;
    QLabel* Label30;
    QLabel* Label33;
    QLabel* Label35;
    PictureSet m_pictures;
};

} // namespace ampero
