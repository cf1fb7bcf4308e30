#pragma once

#include <QChar>
#include <QString>

// Program-wide display state read by every formatter and by the input fields.
// PunktKomma is taken from the locale when the main window is created; Nachkomma and the
// display notation are options (options window, settings file).
namespace ampero {

enum class Notation { Prefix = 0, Sci = 1, Eng = 2 }; // item index of RG_Ansicht

QChar punktKomma();
void setPunktKomma(QChar separator);

int nachkomma();
void setNachkomma(int decimals);

Notation notation();
void setNotation(Notation n);

} // namespace ampero

namespace ampero {

// A fixed text with "," standing for the decimal separator in use ("20,000 V").
QString withPunktKomma(QString text);

} // namespace ampero
