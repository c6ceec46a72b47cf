#include "Scenes.h"

const std::vector<SceneBuilder>& SceneCatalogue()
{
    static const std::vector<SceneBuilder> catalogue {PanelBreakerScene,
                                                      ConnectorLugScene,
                                                      FuseHolderScene,
                                                      MotorBearingScene,
                                                      PumpCouplingScene,
                                                      SteamValveScene,
                                                      WallThermalBridgeScene,
                                                      WindowFacadeScene,
                                                      UniformPlateScene};
    return catalogue;
}
