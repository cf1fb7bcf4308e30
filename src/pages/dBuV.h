#pragma once

#include "Page.h"

namespace ampero {

class EditField;

// The page "dBµV": a voltage level in dBµV, the RMS and peak-to-peak voltage, and the power
// in watts and dBm in the system impedance. A change of impedance keeps the voltage.
class dBuV : public Page {
    Q_OBJECT
public:
    explicit dBuV(QWidget* parent = nullptr);

    void reformat() override;

    void dBuV_dB_Berechnung(double Lu);  // the dBµV level field, which it rewrites
    void dBuV_dBm_Berechnung(double Lm); // the dBm level field, which it rewrites last
    void dBuV_lin_Berechnung(double P);
    void dbuV_R_Berechnung(double R);
    void dBuV_Ueff_Berechnung(double Ueff);
    void dBuV_Uss_Berechnung(double Uss);

private:
    EditField* m_dB;
    EditField* m_dBm;
    EditField* m_lin;
    EditField* m_R;
    EditField* m_Ueff;
    EditField* m_Uss;
};

} // namespace ampero
