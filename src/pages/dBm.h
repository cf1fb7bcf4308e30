#pragma once

#include "Page.h"

namespace ampero {

class EditField;

// The page "dBm": a power level in dBm, the power in watts, and the RMS and peak-to-peak
// voltage across the system impedance. A change of impedance keeps the power.
class dBm : public Page {
    Q_OBJECT
public:
    explicit dBm(QWidget* parent = nullptr);

    void reformat() override;

    void dbm_dB_Berechnung(double L); // the level field, which it rewrites last
    void dbm_lin_Berechnung(double P);
    void dbm_R_Berechnung(double R);
    void dbm_Ueff_Berechnung(double Ueff);
    void dbm_Uss_Berechnung(double Uss);

private:
    EditField* m_dB;
    EditField* m_lin;
    EditField* m_R;
    EditField* m_Ueff;
    EditField* m_Uss;
};

} // namespace ampero
