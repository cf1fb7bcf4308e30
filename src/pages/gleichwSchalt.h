#pragma once

#include "Page.h"

namespace ampero {

class EditField;

// The page "Par-/Ser-Trans.": a resistance with a parallel reactance and the equivalent
// resistance with a series reactance at the page's frequency, each reactance also shown as
// the inductance or capacitance that has it.
class gleichwSchalt : public Page {
    Q_OBJECT
public:
    explicit gleichwSchalt(QWidget* parent = nullptr);

    void loadFactoryDefaults() override;
    void reformat() override;

    void PS_Rp_Berechnung(double Rp);
    void PS_Xp_Berechnung(double Xp);
    void PS_Lp_Berechnung(double Lp);
    void PS_Cp_Berechnung(double Cp);
    void PS_Rs_Berechnung(double Rs);
    void PS_Xs_Berechnung(double Xs);
    void PS_Ls_Berechnung(double Ls);
    void PS_Cs_Berechnung(double Cs);

private:
    long double omega() const;
    // One side's element values from its reactance, then the other side in full.
    void fromParallel(long double Rp, long double Xp, bool showLp, bool showCp);
    void fromSeries(long double Rs, long double Xs, bool showLs, bool showCs);

    EditField* m_F;
    EditField* m_Rp;
    EditField* m_Xp;
    EditField* m_Lp;
    EditField* m_Cp;
    EditField* m_Rs;
    EditField* m_Xs;
    EditField* m_Ls;
    EditField* m_Cs;
};

} // namespace ampero
