#include "Ladder.h"

#include <cmath>

namespace ampero::ladder {

namespace {

double squaredMagnitude(Complex z)
{
    const double m = std::abs(z);
    return m * m;
}

} // namespace

Solution solve(Complex U0, Complex Zsource, std::span<const Element> elements, Complex Zload)
{
    const std::size_t n = elements.size();

    // behind[i]: the impedance of element i and everything after it, load included.
    std::vector<Complex> behind(n + 1);
    behind[n] = Zload;
    for (std::size_t i = n; i-- > 0;) {
        const Element& e = elements[i];
        behind[i] = e.place == Place::Series ? e.Z + behind[i + 1]
                                             : 1.0 / (1.0 / e.Z + 1.0 / behind[i + 1]);
    }

    Solution s;
    s.Zin = behind[0];
    s.Iin = U0 / (Zsource + s.Zin);
    s.Uin = U0 - Zsource * s.Iin;
    s.elements.reserve(n);

    // Walk forwards with the voltage at the present node and the current going on from it.
    Complex U = s.Uin;
    Complex I = s.Iin;
    for (std::size_t i = 0; i < n; ++i) {
        const Element& e = elements[i];
        ElementState st;
        if (e.place == Place::Series) {
            st.I = I;
            st.U = I * e.Z;
            U = U - st.U;
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

} // namespace ampero::ladder
