// The date and time boxes: validation, reading, and the stored and shown forms.

#include "FuzzInput.h"
#include "core/shared/DateTexts.h"

using namespace lirvenda;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList parts = fuzz::partsOf(data, size, 2);
    isValidDate(parts[0], QDate(2024, 6, 5));
    readDateBox(parts[0]);
    readTimeBox(parts[1]);
    boxInstant(parts[0], parts[1]);
    storedDateTime(parts[0], parts[1]);
    shownDate(parts[0]);
    shownTime(parts[1]);
    return 0;
}
