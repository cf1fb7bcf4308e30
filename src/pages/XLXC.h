#pragma once

#include "Page.h"

namespace ampero {

class EditField;
class RadioGroup;

// The page "XL / XC": frequency, inductance or capacitance and reactance, with the loss
// resistance, quality factor and impedance of a real component. The upper half is an
// inductor with a series loss resistance (Q = X / R), the lower half a capacitor with a
// parallel loss resistance (Q = R / X). The halves share nothing.
class XLXC : public Page {
    Q_OBJECT
public:
    explicit XLXC(QWidget* parent = nullptr);

    void reformat() override;

    void XL_F_Berechnung(double F);
    void XL_L_Berechnung(double L);
    void XL_X_Berechnung(double X);
    void XL_Z_Berechnung(double Z);
    void XL_Q_Berechnung(double);
    void XL_R_Berechnung();
    void XC_F_Berechnung(double F);
    void XC_C_Berechnung(double C);
    void XC_X_Berechnung(double X);
    void XC_Z_Berechnung(double);
    void XC_Q_Berechnung(double);
    void XC_R_Berechnung();

    RadioGroup* XLXC_RG_XL = nullptr;
    RadioGroup* XLXC_RG_XC = nullptr;

private:
    // One half of the page: its fields, in the order F, L or C, X, Z, Q, R.
    struct Half {
        EditField* F;
        EditField* LC;
        EditField* X;
        EditField* Z;
        EditField* Q;
        EditField* R;
        RadioGroup* group;
    };
    struct HalfTexts;
    Half buildHalf(QWidget* parent, int top, const HalfTexts& texts);
    static void selectComputed(const Half& h); // the selected quantity's field takes no input

    Half m_xl{};
    Half m_xc{};
};

} // namespace ampero
