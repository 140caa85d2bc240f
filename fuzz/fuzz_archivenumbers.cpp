// The number rows of the archive search (count, day, month, year): the first byte of each line
// chooses the comparison, the rest is the typed number; the search then runs on the store.

#include "FuzzInput.h"
#include "core/archive/ArchiveSearch.h"

using namespace lirvenda;

namespace {

NumberRow numberRow(const QString &line)
{
    NumberRow row;
    if (!line.isEmpty()) {
        row.comparison = int(line.at(0).unicode() % (ComparisonTexts.size() + 1)) - 1;
        row.text = line.mid(1);
    }
    wholeNumber(row.text);
    return row;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList parts = fuzz::partsOf(data, size, 4);
    ArchiveCriteria criteria;
    criteria.count = numberRow(parts[0]);
    criteria.day = numberRow(parts[1]);
    criteria.month = numberRow(parts[2]);
    criteria.year = numberRow(parts[3]);
    buildArchiveQuery(criteria, std::nullopt);
    searchArchive(fuzz::sharedProgram(), criteria);
    return 0;
}
