#pragma once

#include "Page.h"

namespace ampero {

class EditField;

// The unit of every voltage on the dB rel. page.
extern QString dBrel_Einheit;

// The page "dB rel.": voltages at fixed steps around a reference taken as 0 dB, and the
// conversion between a dB offset and a comparison value above, below and around it.
class dBrel : public Page {
    Q_OBJECT
public:
    explicit dBrel(QWidget* parent = nullptr);

    void loadSettings(const StoredSettings& stored) override;
    void reformat() override;

    // The calculation after an entry; `Eingabe` names the field (0 reference, 1 offset above,
    // 2 value above, 3 band width, 4 upper value, 5 lower value, 6 offset below, 7 value below).
    void dBrel_Berechnung(int Eingabe);

private:
    QWidget* buildStepBox(QWidget* parent, const QRect& geometry,
                          const std::initializer_list<std::pair<const char*, const char*>>& rows);
    EditField* field(const char* name) const;
};

} // namespace ampero
