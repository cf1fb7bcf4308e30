#pragma once

#include "Page.h"

class QLabel;
class QPlainTextEdit;

namespace ampero {

class EditField;

// The page "VSWR, RL, r": standing-wave ratio, return loss, reflection factor and reflected
// power converted into each other, and what the mismatch means for a source of internal
// impedance Z1 offering the forward power: the reflected and delivered powers, the two real
// loads that give it and the voltages across Z1 and each load.
class VSWR : public Page {
    Q_OBJECT
public:
    explicit VSWR(QWidget* parent = nullptr);

    void loadSettings(const StoredSettings& stored) override;
    void loadFactoryDefaults() override;
    void reformat() override;

    // Eingabe: the field just entered (1 s, 2 RL, 3 r, 4 percent, 5 Pv, 6 Pl, 7 Pr, 8 Z1, 9 Z2a,
    // 10 Z2b; anything else only re-displays). G: 0 the formulas, 1 the matched state, 2 the
    // total-reflection state.
    void VSWR_Berechnung(int Eingabe, int G);
    // A Z1 outside the range between two different loads gives the matched state.
    void VSWR_Ueberpruefung(int Eingabe, int G);

    void VSWR_E_SWRKeyPress(double s);
    void VSWR_E_RLKeyPress(double RL);
    void VSWR_E_rKeyPress(double r);
    void VSWR_E_PreflKeyPress(double p);
    void VSWR_E_PvKeyPress();
    void VSWR_E_PlKeyPress();
    void VSWR_E_PrKeyPress();
    void VSWR_E_Z1KeyPress();
    void VSWR_E_Z2aKeyPress();
    void VSWR_E_Z2bKeyPress();

protected:
    void changeEvent(QEvent* event) override;

private:
    void showMatched();
    void showTotalReflection();
    void colourPowerLabels();
    // Refuses a load or reflected power above the forward power.
    QString aboveForwardPower(EditField* field, double value, const QString& what) const;

    EditField* m_SWR;
    EditField* m_RL;
    EditField* m_r;
    EditField* m_Prefl;
    EditField* m_Pv;
    EditField* m_Pl;
    EditField* m_Pr;
    EditField* m_Z1;
    EditField* m_Z2a;
    EditField* m_Z2b;
    EditField* m_UZ1a;
    EditField* m_UZ2a;
    EditField* m_UZ1b;
    EditField* m_UZ2b;
    QPlainTextEdit* m_heading;
    QLabel* m_PrLabel = nullptr;
    QLabel* m_PlLabel = nullptr;
};

} // namespace ampero
