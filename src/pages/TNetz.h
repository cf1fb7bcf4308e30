#pragma once

#include "MatchingNetz.h"

namespace ampero {

// The page "T - Anpassnetzwerk", the Pi page's companion: a T network of two series elements
// and a shunt element between Z1 and Z2, as high pass and as low pass. A series element that
// also cancels its termination's reactance may turn into one of the other kind; the pictures
// show the combination that results.
class TNetz : public MatchingNetz {
    Q_OBJECT
public:
    explicit TNetz(QWidget* parent = nullptr);

    void T_Netz_Berechnung();
    void T_B_UIClick() { B_UIClick(); }

protected:
    void calculate() override { T_Netz_Berechnung(); }
    long double minimumQ(long double R1, long double X1, long double R2,
                         long double X2) const override;
    QString selectionBandwidthLabel(long double maximum) const override;
    QString entryBandwidthLabel(long double maximum) const override;
};

} // namespace ampero
