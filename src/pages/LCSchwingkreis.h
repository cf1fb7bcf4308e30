#pragma once

#include "Page.h"

#include <memory>

class QLabel;

namespace ampero {

class EditField;
class PictureSet;
class RadioGroup;

// The page "LC-Schwingkreis": a parallel (left) and a series (right) resonant circuit, each
// alone or between a source and a load, with resonance resistance, operating Q, bandwidth
// and transmission loss. The two sides share nothing.
class LCSchwingkreis : public Page {
    Q_OBJECT
public:
    explicit LCSchwingkreis(QWidget* parent = nullptr);

    void loadSettings(const StoredSettings& stored) override;
    void reformat() override;

    // Index: 1 F entered, 2 L, 3 C, 4 the coil (QL or Rv); anything else only the common steps.
    void LC_Parallel_Berechnung(int Index);
    void LC_Reihe_Berechnung(int Index);

    // One side's components.
    struct Side {
        bool parallel;
        EditField* F;
        EditField* L;
        EditField* C;
        EditField* Q; // QL
        EditField* R; // Rv
        EditField* Rs;
        EditField* RL;
        EditField* Zo;
        EditField* BW;
        EditField* QB;
        EditField* TL;
        QLabel* qbLabel;
        QLabel* tlLabel;
        QLabel* rsLabel;
        QLabel* rlLabel;
        RadioGroup* Auswahl;   // " berechnen ": F, L, C
        RadioGroup* Schaltung; // LC, LC - ser., LC - par.
        std::shared_ptr<PictureSet> pictures; // the circuit variants, one shown
    };
    const Side& parallelSide() const { return m_p; }
    const Side& seriesSide() const { return m_r; }

private:
    Side buildSide(QWidget* parent, const QRect& geometry, bool parallel);
    void coilFromQ(const Side& s, double QL);
    void coilFromR(const Side& s, double Rv);
    void calculate(const Side& s, int Index);
    static void selectComputed(const Side& s);
    void showCircuit(const Side& s);

    Side m_p{};
    Side m_r{};
};

} // namespace ampero
