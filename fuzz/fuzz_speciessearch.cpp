// The species search text, run against the shipped species list.

#include "FuzzInput.h"
#include "core/species/SpeciesSearch.h"

using namespace lirvenda;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    speciesSearchEntries(fuzz::sharedProgram(), QStringLiteral("Aves"), fuzz::textOf(data, size));
    return 0;
}
