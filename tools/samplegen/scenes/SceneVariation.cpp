#include "SceneVariation.h"

double SceneVariation::Vary(double value, double amount)
{
    return prng ? value + prng->Uniform(-amount, amount) : value;
}

int SceneVariation::Vary(int value, int amount)
{
    return prng ? value + prng->Between(-amount, amount) : value;
}
