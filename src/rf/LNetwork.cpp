#include "LNetwork.h"

#include "Constants.h"
#include "Ladder.h"

#include <cmath>

namespace ampero::lnetwork {

Sides sides(long double F, long double R1, long double X1, long double R2, long double X2)
{
    Sides s{};
    s.omega = rf::kTwoPiShort * F;
    s.z1High = R1 > R2;
    s.Rh = s.z1High ? R1 : R2;
    s.Xh = s.z1High ? X1 : X2;
    s.Rl = s.z1High ? R2 : R1;
    s.Xl = s.z1High ? X2 : X1;
    s.hasXhp = s.Xh != 0;
    if (s.hasXhp) {
        s.Rhp = s.Rh + s.Xh * s.Xh / s.Rh;
        s.Xhp = s.Xh + s.Rh * s.Rh / s.Xh;
    } else {
        s.Rhp = s.Rh;
    }
    s.q = std::sqrt((s.Rhp - s.Rl) / s.Rl);
    return s;
}

long double highPassShunt(const Sides& s)
{
    long double Lp = std::sqrt(s.Rl / (s.Rhp - s.Rl)) * s.Rhp / s.omega;
    if (s.hasXhp)
        Lp = 1 / (1 / Lp - 1 / (s.Xhp / s.omega));
    return Lp;
}

long double lowPassShunt(const Sides& s)
{
    long double Cp = s.q / (s.omega * s.Rhp);
    if (s.hasXhp)
        Cp = Cp + 1 / (s.omega * s.Xhp);
    return Cp;
}

namespace {

Series capacitor(long double X, long double value, bool balanced)
{
    // two capacitors in series, one in each line, each of twice the capacitance
    return {X, false, value, balanced ? 2 * value : value, 'F'};
}

Series coil(long double X, long double value, bool balanced)
{
    // two coils in series, one in each line, each of half the inductance
    return {X, true, value, balanced ? value / 2 : value, 'H'};
}

} // namespace

Series highPassSeries(const Sides& s, bool balanced)
{
    const long double X = -s.q * s.Rl - s.Xl;
    if (X < -kReactanceTolerance)
        return capacitor(X, 1 / (std::fabs(X) * s.omega), balanced);
    if (X > kReactanceTolerance)
        return coil(X, std::fabs(X) / s.omega, balanced);
    return capacitor(X, 0, balanced);
}

Series lowPassSeries(const Sides& s, bool balanced)
{
    const long double X = s.q * s.Rl - s.Xl;
    if (X < -kReactanceTolerance)
        return capacitor(X, 1 / (std::fabs(X) * s.omega), balanced);
    return coil(X, std::fabs(X) / s.omega, balanced);
}

Pictures pictures(const Sides& s, const Series& highPass, const Series& lowPass)
{
    const int usual = s.z1High ? 2 : 1;
    const int other = s.z1High ? 4 : 3;
    return {highPass.inductor ? other : usual, lowPass.inductor ? usual : other};
}

Impedances highPassImpedances(const Sides& s, long double Lp, const Series& series, long double QL)
{
    const long double XL = s.omega * Lp;
    const long double Rv = s.omega * Lp / QL;
    const long double Rs = series.X > 0 ? series.X / QL : 0;
    return {Complex(static_cast<double>(Rv), static_cast<double>(XL)),
            Complex(static_cast<double>(Rs), static_cast<double>(series.X)),
            static_cast<double>(Rs)};
}

Impedances lowPassImpedances(const Sides& s, long double Cp, const Series& series, long double QL)
{
    const long double XC = 1 / (s.omega * Cp);
    const long double Rs = series.X > 0 ? series.X / QL : 0;
    return {Complex(0, static_cast<double>(-XC)),
            Complex(static_cast<double>(Rs), static_cast<double>(series.X)),
            static_cast<double>(Rs)};
}

Analysis analyse(long double R1, long double X1, long double R2, long double X2,
                 const Impedances& z, long double P)
{
    using ladder::Place;
    Analysis a{};
    a.shuntFirst = R1 > R2;
    const ladder::Element shunt{Place::Shunt, z.Zp};
    const ladder::Element series{Place::Series, z.Zs};
    const ladder::Element first = a.shuntFirst ? shunt : series;
    const ladder::Element second = a.shuntFirst ? series : shunt;
    const ladder::Element elements[] = {first, second};
    const double U0 = static_cast<double>(std::sqrt(4 * P * R1));
    const Complex Z1(static_cast<double>(R1), static_cast<double>(X1));
    const Complex Z2(static_cast<double>(R2), static_cast<double>(X2));
    const ladder::Solution sol = ladder::solve(U0, Z1, elements, Z2);

    const ladder::ElementState& p = sol.elements[a.shuntFirst ? 0 : 1];
    const ladder::ElementState& s = sol.elements[a.shuntFirst ? 1 : 0];
    a.Ip = std::abs(p.I);
    a.Up = std::abs(z.Zp) * a.Ip;
    a.Pp = p.loss;
    a.Is = std::abs(s.I);
    a.Us = std::abs(z.Zs) * a.Is;
    a.Ps = s.loss;
    a.P2 = sol.Pload;
    a.TL = 10 * std::log10(P / a.P2);
    return a;
}

} // namespace ampero::lnetwork
