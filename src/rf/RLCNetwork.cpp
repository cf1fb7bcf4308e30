#include "RLCNetwork.h"

#include <cmath>

namespace ampero::rlc {

Series series(long double F, long double R, long double L, long double C, long double I,
              Circuit circuit)
{
    const long double omega = kTwoPi * F;
    Series s{};
    s.XL = omega * L;
    s.XC = 1 / (omega * C);
    s.BL = 1 / (omega * L);
    s.BC = omega * C;
    const bool hasL = circuit != Circuit::RC;
    const bool hasC = circuit != Circuit::RL;
    const long double xl = hasL ? s.XL : 0;
    const long double xc = hasC ? s.XC : 0;
    s.X = std::fabs(xl - xc);
    s.Z = std::sqrt(R * R + s.X * s.X);
    s.UR = I * R;
    s.UL = I * xl;
    s.UC = I * xc;
    s.U = std::sqrt(s.UR * s.UR + (s.UL - s.UC) * (s.UL - s.UC));
    s.Uim = std::fabs(s.UL - s.UC);
    s.S = s.U * I;
    s.P = I * I * R;
    s.QL = I * I * xl;
    s.QC = I * I * xc;
    s.Q = std::fabs(s.QL - s.QC);
    s.phi = std::atan((xl - xc) / R);
    return s;
}

Parallel parallel(long double F, long double G, long double L, long double C, long double U,
                  Circuit circuit)
{
    const long double omega = kTwoPi * F;
    Parallel p{};
    p.XL = omega * L;
    p.XC = 1 / (omega * C);
    p.BL = 1 / (omega * L);
    p.BC = omega * C;
    const bool hasL = circuit != Circuit::RC;
    const bool hasC = circuit != Circuit::RL;
    const long double bl = hasL ? p.BL : 0;
    const long double bc = hasC ? p.BC : 0;
    p.B = std::fabs(bl - bc);
    p.Y = std::sqrt(G * G + p.B * p.B);
    p.Ir = G * U;
    p.IL = U * bl;
    p.IC = U * bc;
    p.I = std::sqrt(p.Ir * p.Ir + (p.IL - p.IC) * (p.IL - p.IC));
    p.Iim = std::fabs(p.IL - p.IC);
    p.S = U * p.I;
    p.P = U * U * G;
    p.QL = hasL ? U * U / (omega * L) : 0;
    p.QC = hasC ? U * U / (1 / (omega * C)) : 0;
    p.Q = std::fabs(p.QL - p.QC);
    // The admittance of a coil is −jBL, of a capacitor +jBC, in every circuit.
    p.phi = std::atan((bc - bl) / G);
    return p;
}

} // namespace ampero::rlc
