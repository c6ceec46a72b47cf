#pragma once

#include "tools/samplegen/Scene.h"

#include <vector>

class SceneVariation;

// The inspection scenes the generator knows. Each returns the canonical scene for a default
// SceneVariation and a plausible variant of it for a seeded one.
SceneDescription PanelBreakerScene(SceneVariation& variation);
SceneDescription ConnectorLugScene(SceneVariation& variation);
SceneDescription FuseHolderScene(SceneVariation& variation);
SceneDescription MotorBearingScene(SceneVariation& variation);
SceneDescription PumpCouplingScene(SceneVariation& variation);
SceneDescription SteamValveScene(SceneVariation& variation);
SceneDescription WallThermalBridgeScene(SceneVariation& variation);
SceneDescription WindowFacadeScene(SceneVariation& variation);
SceneDescription UniformPlateScene(SceneVariation& variation);

using SceneBuilder = SceneDescription (*)(SceneVariation&);

// Every scene, in a fixed order.
const std::vector<SceneBuilder>& SceneCatalogue();
