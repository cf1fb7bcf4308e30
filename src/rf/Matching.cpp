#include "Matching.h"

#include <cmath>

namespace ampero::matching {

Element coil(long double X, long double omega, long double QL)
{
    const long double R = X / QL;
    return {X,   X / omega, X / omega,
            'H', R,         Complex(static_cast<double>(R), static_cast<double>(X))};
}

Element capacitor(long double XC, long double omega)
{
    const long double C = 1 / (omega * XC);
    return {-XC, C, C, 'F', 0, Complex(0, static_cast<double>(-XC))};
}

Element splitInTwo(Element e)
{
    e.shown = e.unit == 'F' ? 2 * e.value : e.value / 2;
    return e;
}

Analysis analyse(const std::array<ladder::Element, 3>& elements, long double R1, long double X1,
                 long double R2, long double X2, long double P)
{
    const double Ur = static_cast<double>(std::sqrt(4 * P * R1));
    const Complex Z1(static_cast<double>(R1), static_cast<double>(X1));
    const Complex Z2(static_cast<double>(R2), static_cast<double>(X2));
    const ladder::Solution s = ladder::solve(Ur, Z1, elements, Z2);
    Analysis a;
    for (std::size_t i = 0; i < 3; ++i) {
        const ladder::ElementState& st = s.elements[i];
        a.rows[i] = {std::abs(st.I * elements[i].Z), std::abs(st.I), st.loss};
    }
    a.P2 = s.Pload;
    a.TL = 10 * std::log10(P / a.P2);
    return a;
}

} // namespace ampero::matching
