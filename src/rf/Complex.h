#pragma once

#include <complex>

// The complex numbers of the matching-network analysis: two 64-bit floats.
namespace ampero::rf {

using Complex = std::complex<double>;

} // namespace ampero::rf
