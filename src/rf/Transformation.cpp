#include "Transformation.h"

namespace ampero::transformation {

Pair parallelToSeries(long double Rp, long double Xp)
{
    const long double q = Rp / Xp;
    const long double inv = Xp / Rp;
    return {Rp / (q * q + 1), Xp / (inv * inv + 1)};
}

Pair seriesToParallel(long double Rs, long double Xs)
{
    return {Rs + Xs * Xs / Rs, Xs + Rs * Rs / Xs};
}

} // namespace ampero::transformation
