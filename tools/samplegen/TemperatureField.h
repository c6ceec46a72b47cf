#pragma once

#include "Scene.h"

#include <vector>

class Prng;

// Surface temperatures (degrees Celsius) of a scene on the 160 x 120 sensor grid, as the
// picture is shown: x from the left, y from the top.
class TemperatureField
{
public:
    static constexpr int Width = 160;
    static constexpr int Height = 120;

    TemperatureField();

    double At(int x, int y) const { return values[Index(x, y)]; }
    double Minimum() const;
    double Maximum() const;

    void VerticalGradient(double top, double bottom);
    void BlendPart(const ScenePart& part);
    void AddSpot(const ThermalSpot& spot);
    void AddNoise(Prng& prng, double sigma);

private:
    static std::size_t Index(int x, int y) { return static_cast<std::size_t>(y) * Width + x; }

    std::vector<double> values;
};

// The scene's surface temperatures without sensor noise.
TemperatureField BuildTemperatureField(const SceneDescription& scene);
