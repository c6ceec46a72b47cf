#pragma once

#include "tools/samplegen/Prng.h"

#include <optional>

// Nudges a scene's numbers: none for the canonical scene (the examples), seeded for varied sets.
class SceneVariation
{
public:
    SceneVariation() = default;
    explicit SceneVariation(quint64 seed)
        : prng(seed)
    { }

    // value, or value moved by up to +-amount.
    double Vary(double value, double amount);
    int Vary(int value, int amount);

private:
    std::optional<Prng> prng;
};
