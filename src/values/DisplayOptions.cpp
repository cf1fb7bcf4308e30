#include "DisplayOptions.h"

namespace ampero {

namespace {
QChar g_punktKomma = QLatin1Char(',');
int g_nachkomma = 3;
Notation g_notation = Notation::Prefix;
} // namespace

QChar punktKomma() { return g_punktKomma; }
void setPunktKomma(QChar separator) { g_punktKomma = separator; }

int nachkomma() { return g_nachkomma; }
void setNachkomma(int decimals) { g_nachkomma = decimals; }

Notation notation() { return g_notation; }
void setNotation(Notation n) { g_notation = n; }

} // namespace ampero

namespace ampero {

QString withPunktKomma(QString text) { return text.replace(QLatin1Char(','), punktKomma()); }

} // namespace ampero
