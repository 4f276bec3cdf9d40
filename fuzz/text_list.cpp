// Text list reader: any bytes read cleanly or fail with a Failure; what reads
// is written and read back to the same texts.
#include "package/TextList.h"
#include "package/base/ErrorTrap.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const varnick::ByteView bytes(reinterpret_cast<const char*>(data), size);
    varnick::TextList list;
    try {
        varnick::gsReadTextList(bytes, list);
    } catch (const varnick::Failure&) {
        return 0;
    }
    varnick::ByteString written;
    varnick::gsWriteTextList(list, written);
    varnick::TextList back;
    varnick::gsReadTextList(written, back);
    if (back.Entries.size() != list.Entries.size())
        std::abort();
    for (std::size_t i = 0; i < list.Entries.size(); ++i) {
        if (back.Entries[i].Text != list.Entries[i].Text || back.Entries[i].Description != list.Entries[i].Description)
            std::abort();
    }
    return 0;
}
