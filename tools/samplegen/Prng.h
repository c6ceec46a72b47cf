#pragma once

#include <QtGlobal>

#include <optional>
#include <random>

// Seeded random numbers that come out the same on every platform and standard library: the
// engine's sequence is fixed by the language, and the distributions are our own.
class Prng
{
public:
    explicit Prng(quint64 seed);

    double Uniform(); // [0, 1)
    double Uniform(double low, double high);
    int Between(int low, int high); // both ends included
    double Gaussian(); // standard normal
    bool Chance(double probability) { return Uniform() < probability; }

private:
    std::mt19937_64 engine;
    std::optional<double> spareGaussian;
};
