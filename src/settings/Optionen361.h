#pragma once

#include <QWidget>

class QCheckBox;
class QPushButton;

namespace ampero {

class RadioGroup;

// The options window: notation and decimals of every displayed value, tooltips, automatic
// update check, stay-on-top, and where the attenuator's voltage/current window stands.
class TForm3 : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 225; // its help topic
    explicit TForm3(QWidget* owner);

    QCheckBox* CBKurzhinweise = nullptr;
    QCheckBox* Optionen_CB_AutoUpdate = nullptr;
    QCheckBox* CB_Vordergrund = nullptr;
    RadioGroup* UI_Position = nullptr;
    RadioGroup* RG_Nachkomma = nullptr;
    RadioGroup* RG_Ansicht = nullptr;
    QPushButton* Button1 = nullptr; // "Schließen"

    void CBKurzhinweiseClick();
    void CB_VordergrundClick();
    void RG_NachkommaClick();
    void RG_AnsichtClick();
    void UI_PositionClick();
    void Button1Click();

    // Shows the main values of every page in the current notation and decimals and reruns
    // the pages' calculations. A field that does not parse stops it with an error.
    static void Anzeige_Format();
};

} // namespace ampero
