#include "FloatGuard.h"

#include "Errors.h"

namespace ampero {

void clearFloatFaults() { feclearexcept(FE_ALL_EXCEPT); }

void checkFloatFaults()
{
    const int raised = fetestexcept(kFaultFlags);
    if (!raised)
        return;
    feclearexcept(FE_ALL_EXCEPT);
    // An inf from a division or an overflow usually turns into an invalid operation a step
    // later, so the first two name the cause better when several flags are up.
    if (raised & FE_DIVBYZERO)
        throw FloatFault(QStringLiteral("Gleitkommadivision durch Null"));
    if (raised & FE_OVERFLOW)
        throw FloatFault(QStringLiteral("Gleitkommaüberlauf"));
    throw FloatFault(QStringLiteral("Ungültige Gleitkommaoperation"));
}

} // namespace ampero
