// Fuzzes the browser's object summary with arbitrary package bytes: reading
// the index and then only the text list and definition ranges must never
// throw (beyond lack of memory) nor read outside the file; an unreadable
// package comes back with Readable false and a reason, and the texts are
// always valid UTF-8. The object table's row of the same bytes follows the
// same rules, and every one of its cells has a text.
#include "app/browser/core/ObjectRows.h"
#include "app/browser/core/ObjectSummary.h"
#include "fuzz/common/ScratchFile.h"
#include "package/base/Utf8.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

using namespace varnick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const fuzz::ScratchFile scratch("fuzz-object-summary");
    scratch.write(data, size);
    const browser::ObjectSummary summary = browser::readObjectSummary(scratch.path());
    if (!summary.readable && summary.reason.empty())
        std::abort();
    if (!isValidUtf8(summary.name) || !isValidUtf8(summary.description) || !isValidUtf8(summary.details))
        std::abort();
    if (summary.thumbnailKey.size() != 8)
        std::abort();
    const browser::ObjectRow row = browser::readObjectRow(scratch.path());
    if ((!row.readable && row.reason.empty()) || !isValidUtf8(row.name))
        std::abort();
    for (const browser::ObjectColumnInfo& column : browser::objectColumns())
        if (!isValidUtf8(browser::columnText(row, column.column)))
            std::abort();
    return 0;
}
