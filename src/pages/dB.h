#pragma once

#include "Page.h"

class QLabel;
class QTabWidget;

namespace ampero {

class EditField;

// The page "dB": gain or loss in decibels, the linear factor, and the input quantity carried
// through a two-port, for power ratios (sub-page "Leistung", 10·log10) and voltage ratios
// (sub-page "Spannung", 20·log10).
class dB : public Page {
    Q_OBJECT
public:
    explicit dB(QWidget* parent = nullptr);

    void reformat() override;

    // One sub-page and its fields.
    struct Ratio {
        int k;        // 10 for power, 20 for voltage
        QString unit; // "W" or "V"
        EditField* in = nullptr;
        EditField* gain = nullptr;   // a in dB
        EditField* factor = nullptr; // linear factor
        EditField* out = nullptr;
        QLabel* word = nullptr; // "Verstärkung" / "Dämpfung"
    };

    // Enter in the input, the dB and the factor field, with the entered value.
    void dB_Eingang_Berechnung(Ratio& r, double xin);
    void dB_a_Berechnung(Ratio& r, double a);
    void dB_Faktor_Berechnung(Ratio& r, double f);
    // The focus leaves the dB or the factor field.
    void dB_a_Verlassen(Ratio& r);
    void dB_Faktor_Verlassen(Ratio& r);

    // A factor as fixed text from 0.001 to 1000, outside that as exponent text.
    static QString ratioText(long double f);

private:
    struct SubPage;
    QWidget* buildSubPage(Ratio& r, const SubPage& texts);
    // The keys of one sub-page's section ("dB-P", "dB-U").
    void declareRatio(Ratio& r, const char* inKey, const char* outKey, const char* gain);
    static void reformatRatio(Ratio& r);

    QTabWidget* PageControl2 = nullptr;
    Ratio m_power{10, QStringLiteral("W")};
    Ratio m_voltage{20, QStringLiteral("V")};
};

} // namespace ampero
