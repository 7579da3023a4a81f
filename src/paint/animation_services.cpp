#include "paint/animation_services.h"

AnimationServices& animation_services(Diagram& d)
{
    static AnimationServices none;
    auto* services = dynamic_cast<AnimationServices*>(&d.hooks());
    return services ? *services : none;
}
