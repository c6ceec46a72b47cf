#include "Prng.h"

#include <cmath>
#include <numbers>

Prng::Prng(quint64 seed)
    : engine(seed)
{ }

double Prng::Uniform()
{
    return static_cast<double>(engine() >> 11) * 0x1.0p-53;
}

double Prng::Uniform(double low, double high)
{
    return low + (high - low) * Uniform();
}

int Prng::Between(int low, int high)
{
    const auto span = static_cast<quint64>(static_cast<qint64>(high) - low + 1);
    return static_cast<int>(low + static_cast<qint64>(engine() % span));
}

double Prng::Gaussian()
{
    // Box-Muller gives two values per pair of uniforms; keep the second for the next call.
    if (spareGaussian) {
        const double value = *spareGaussian;
        spareGaussian.reset();
        return value;
    }
    const double u1 = 1.0 - Uniform(); // (0, 1], so the logarithm is finite
    const double u2 = Uniform();
    const double radius = std::sqrt(-2.0 * std::log(u1));
    spareGaussian = radius * std::sin(2.0 * std::numbers::pi * u2);
    return radius * std::cos(2.0 * std::numbers::pi * u2);
}
