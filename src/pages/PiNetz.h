#pragma once

#include "MatchingNetz.h"

namespace ampero {

// The page "Pi - Anpassnetzwerk": a Pi network of lossy coils and capacitors between two
// complex impedances Z1 and Z2, for the minimum operating Q, an entered one or one derived from
// a bandwidth, as high pass and as low pass, with the voltages, currents and losses of its
// elements for the available power of the Pi network's voltage/current window.
class PiNetz : public MatchingNetz {
    Q_OBJECT
public:
    explicit PiNetz(QWidget* parent = nullptr);

    void Pi_Netz_Berechnung();
    void Pi_B_UIClick() { B_UIClick(); }

protected:
    void calculate() override { Pi_Netz_Berechnung(); }
    long double minimumQ(long double R1, long double X1, long double R2,
                         long double X2) const override;
    QString selectionBandwidthLabel(long double maximum) const override;
    QString entryBandwidthLabel(long double maximum) const override;
};

} // namespace ampero
