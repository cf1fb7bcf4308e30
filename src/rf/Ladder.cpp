#include "Ladder.h"

#include <cmath>

namespace ampero::ladder {

namespace {

template <class T> T squaredMagnitude(std::complex<T> z)
{
    const T m = std::abs(z);
    return m * m;
}

template <class T> bool isFinite(std::complex<T> z)
{
    return std::isfinite(z.real()) && std::isfinite(z.imag());
}

// The voltage across `Zrest` with the current `I` into it. Not the voltage before it less the
// drop: behind a pad of high attenuation the voltage is a tiny part of the one before it, and
// the difference would leave mostly rounding noise. An open rest takes no current; its voltage
// is then only that difference.
template <class T>
std::complex<T> nodeVoltage(std::complex<T> I, std::complex<T> Zrest, std::complex<T> before,
                            std::complex<T> drop)
{
    return isFinite(Zrest) ? I * Zrest : before - drop;
}

} // namespace

template <class T>
BasicSolution<T> solveAs(std::complex<T> U0, std::complex<T> Zsource,
                         std::span<const BasicElement<T>> elements, std::complex<T> Zload)
{
    using C = std::complex<T>;
    const std::size_t n = elements.size();
    const T one = 1;

    // behind[i]: the impedance of element i and everything after it, load included.
    std::vector<C> behind(n + 1);
    behind[n] = Zload;
    for (std::size_t i = n; i-- > 0;) {
        const BasicElement<T>& e = elements[i];
        behind[i] = e.place == Place::Series ? e.Z + behind[i + 1]
                                             : one / (one / e.Z + one / behind[i + 1]);
    }

    BasicSolution<T> s;
    s.Zin = behind[0];
    s.Iin = U0 / (Zsource + s.Zin);
    s.Uin = nodeVoltage(s.Iin, s.Zin, U0, Zsource * s.Iin);
    s.elements.reserve(n);

    // Walk forwards with the voltage at the present node and the current going on from it.
    C U = s.Uin;
    C I = s.Iin;
    for (std::size_t i = 0; i < n; ++i) {
        const BasicElement<T>& e = elements[i];
        BasicElementState<T> st;
        if (e.place == Place::Series) {
            st.I = I;
            st.U = I * e.Z;
            U = nodeVoltage(I, behind[i + 1], U, st.U);
        } else {
            st.U = U;
            st.I = U / e.Z;
            I = U / behind[i + 1];
        }
        st.loss = squaredMagnitude(st.I) * e.Z.real();
        s.elements.push_back(st);
    }
    s.Uload = U;
    s.Iload = I;
    s.Pload = squaredMagnitude(s.Iload) * Zload.real();
    return s;
}

template BasicSolution<double> solveAs(std::complex<double>, std::complex<double>,
                                       std::span<const BasicElement<double>>, std::complex<double>);
template BasicSolution<long double> solveAs(std::complex<long double>, std::complex<long double>,
                                            std::span<const BasicElement<long double>>,
                                            std::complex<long double>);

} // namespace ampero::ladder
