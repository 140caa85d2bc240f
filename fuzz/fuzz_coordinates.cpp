// Typed coordinates: the municipality key and the search of the municipality boxes.

#include "FuzzInput.h"
#include "core/registration/Coordinates.h"

using namespace lirvenda;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList parts = fuzz::partsOf(data, size, 2);
    coordinateKey(parts[0]);
    coordinateKey(parts[1]);
    municipalitiesAt(fuzz::sharedProgram(), parts[0], parts[1]);
    checkCoordinatesAgainstArea(fuzz::sharedProgram(), parts[0], parts[1]);
    return 0;
}
