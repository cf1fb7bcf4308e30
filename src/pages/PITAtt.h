#pragma once

#include "Page.h"
#include "schematics/PictureSet.h"
#include "windows/Frequenzgang.h"

class QPushButton;

namespace ampero {

class EditField;
class RadioGroup;
class NormwerteFenster;
class SpannungStromFenster;

// The page "PI / T Att": the resistors of a Pi and a T attenuator, unbalanced or balanced,
// matched on both sides to Z, and their voltages, currents and losses for the input power of
// the attenuator's voltage/current window.
class PITAtt : public Page {
    Q_OBJECT
public:
    explicit PITAtt(QWidget* parent = nullptr);

    void loadSettings(const StoredSettings& stored) override;
    void loadFactoryDefaults() override;
    void reformat() override;

    void PiT_Berechnung();
    void PiT_RG_unsymClick();
    void PiT_B_UIClick();
    void PiT_B_NormwerteClick();
    void PiT_B_FGClick();

    RadioGroup* PiT_RG_unsym = nullptr;
    QPushButton* PiT_B_UI = nullptr;
    QPushButton* PiT_B_Normwerte = nullptr;
    QPushButton* PiT_B_FG = nullptr;
    NormwerteFenster* normwerte() const { return m_normwerte; }
    Frequenzgang* frequenzgang() const { return m_response.window(); }

private:
    SpannungStromFenster* m_window;
    NormwerteFenster* m_normwerte = nullptr;
    FrequenzgangLink m_response;
    EditField* m_dB;
    EditField* m_Z;
    bool showsHalf(const QLineEdit* field) const override;

    EditField* m_piR1;
    EditField* m_piR23;
    EditField* m_tR1;
    EditField* m_tR23;
    PictureSet m_piPictures; // unbalanced, balanced
    PictureSet m_tPictures;
};

} // namespace ampero
