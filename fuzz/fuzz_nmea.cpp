// What a GPS receiver sends: single sentences, and a stream cut into reads at the input's tabs.

#include "FuzzInput.h"
#include "core/positions/Nmea.h"

using namespace lirvenda;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    nmeaChecksumHolds(bytes);
    if (const std::optional<GpsFix> fix = parseRmc(bytes))
        readoutText(fix->latitude);
    NmeaStream stream;
    for (const QByteArray &read : bytes.split('\t'))
        stream.take(read);
    return 0;
}
