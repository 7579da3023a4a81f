#include "construct/construction_host.h"

MeasurementLink& no_measurement()
{
    static MeasurementLink none;
    return none;
}

void ConstructionHost::end_command()
{
    ObjectTable& t = table();
    t.pending_command() = 0;
    t.outer_mode() = 0;
    t.action_state() = 0;
    set_status(1, "");
    set_status(3, "");
    set_status(2, "");
}
