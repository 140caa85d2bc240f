// Waypoints from a map program: the list file, a GPX file and a position copied as text.

#include "FuzzInput.h"
#include "core/positions/Waypoints.h"

using namespace lirvenda;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    for (const std::optional<Waypoint> &waypoint :
         {firstWaypointOfList(bytes), firstWaypointOfGpx(bytes), waypointOfText(QString::fromUtf8(bytes))})
        if (waypoint) {
            latitudeText(waypoint->latitude);
            longitudeText(waypoint->longitude);
        }
    return 0;
}
