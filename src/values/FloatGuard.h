#pragma once

#include <cfenv>

// Floating-point faults end a calculation at the faulting step. The handlers clear the sticky
// <cfenv> flags when they start and test them before every field write and when they end.
namespace ampero {

inline constexpr int kFaultFlags = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

void clearFloatFaults();

// Throws FloatFault with the runtime's German text when a fault flag is set.
void checkFloatFaults();

// Keeps code that may raise flags internally (the parser's 10^n, Qt's painting) from
// leaving them behind for the calculation that called it.
class FloatFlagsKeeper {
public:
    FloatFlagsKeeper() { fegetexceptflag(&m_saved, FE_ALL_EXCEPT); }
    ~FloatFlagsKeeper() { fesetexceptflag(&m_saved, FE_ALL_EXCEPT); }
    FloatFlagsKeeper(const FloatFlagsKeeper&) = delete;
    FloatFlagsKeeper& operator=(const FloatFlagsKeeper&) = delete;

private:
    fexcept_t m_saved;
};

} // namespace ampero
