#pragma once

#include "Page.h"
#include "schematics/PictureSet.h"

#include <QHash>
#include <QSet>

class QGroupBox;
class QLabel;
class QTabWidget;

namespace ampero {

class EditField;
class RadioGroup;

// One sub-page of "R-L-C Netz": the series connection driven by a current ("Reihe") or the
// parallel connection driven by a voltage ("Parallel"). They are duals of each other and
// share their layout and their rules of what is shown; they share no field.
class RLCNetzwerk : public QWidget {
    Q_OBJECT
public:
    enum Kind { Reihe, Parallel };
    enum View { Widerstand = 0, SpannungStrom = 1, Leistung = 2 };
    enum Circuit { RLCKreis = 0, RL = 1, RC = 2 };
    enum Display { Widst = 0, Leitw = 1 };

    explicit RLCNetzwerk(Kind kind, QWidget* parent = nullptr);

    Kind kind() const { return m_kind; }
    RadioGroup* Auswahl = nullptr;
    RadioGroup* Schaltung = nullptr;
    RadioGroup* Display = nullptr;

    EditField* field(const QString& quantity) const; // "F", "R", "Z_Be", … of this side
    QLabel* label(const QString& name) const;        // by its component name

    // The components that are visible for a choice of view, circuit and display.
    QSet<QString> visibleFor(int view, int circuit, int display) const;
    // The picture of a circuit in a view ("RLC_I_R_RL2"); empty while either is not chosen.
    QString pictureName(int circuit, int view) const;
    void applySelections(); // visibility and captions from the three groups

    void calculate(); // RLC_R_Berechnung or RLC_P_Berechnung

private:
    void build();
    void addRow(const QString& labelName, const QString& labelText, const QString& quantity,
                const QString& hint, int x, int y);

    Kind m_kind;
    QString m_prefix; // "RLC_E_R_" / "RLC_E_P_"
    QGroupBox* m_group = nullptr;
    QHash<QString, QWidget*> m_managed; // every component whose visibility the rules decide
    PictureSet m_pictures;
};

// The page "R-L-C Netz" with its two sub-pages.
class RLC : public Page {
    Q_OBJECT
public:
    explicit RLC(QWidget* parent = nullptr);

    void reformat() override;

    void RLC_R_Berechnung();
    void RLC_P_Berechnung();

    RLCNetzwerk* series() const { return m_series; }
    RLCNetzwerk* parallel() const { return m_parallel; }
    QTabWidget* PageControl3 = nullptr;

private:
    RLCNetzwerk* m_series;
    RLCNetzwerk* m_parallel;
};

} // namespace ampero
