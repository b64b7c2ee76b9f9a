#include "ChartDirectionOptions.h"

ChartDirectionSettings chartDirectionSettings(const TOptions& o) {
    ChartDirectionSettings s;
    s.onequ = o.onequ;
    s.truesolar = o.truesolar;
    s.angleDegrees = o.angle_int;
    s.angleMinutes = o.angle_byte;
    s.angleSeconds = o.angle_real;
    s.type = o.type;
    return s;
}

void setChartDirectionSettings(TOptions& o, const ChartDirectionSettings& s) {
    o.onequ = s.onequ;
    o.truesolar = s.truesolar;
    o.angle_int = s.angleDegrees;
    o.angle_byte = s.angleMinutes;
    o.angle_real = s.angleSeconds;
    o.type = s.type;
}
