#include "package/TextList.h"

#include "package/ResourceCursor.h"
#include "package/base/ErrorTrap.h"

#include <string>

namespace varnick {

/*
 Catalog text list, integers little-endian:

   offset 0   64 bytes  name, NUL-padded
   offset 64   2 bytes  format code (skipped; written as FD FF)
   offset 66   2 bytes  entry count, unsigned
   offset 68            entries, back to back:
                          language code   1 byte
                          text            bytes up to a NUL
                          description     bytes up to a NUL

 A text that runs to the end of the data without its NUL ends there; an entry
 whose language code lies past the end is damage and fails.
*/
void gsReadTextList(ByteView data, TextList& list)
{
    ResourceCursor cursor(data, VARNICK_PHRASE("Resources", "Text list"));
    TextList result;
    result.ListName = ByteString(cursor.bytes(kTextListNameSize, "name"));
    cursor.skip(2, "format code");
    const std::size_t count = cursor.u16("entry count");
    // Every entry holds at least its language code.
    if (count > cursor.remaining()) {
        cursor.fail("entry count",
            Phrase(VARNICK_PHRASE("Resources", "declares %1 entries, but only %2 bytes follow"),
                { std::to_string(count), std::to_string(cursor.remaining()) }));
    }
    result.Entries.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        TextListEntry entry;
        entry.Language = ByteString(cursor.bytes(1, "language code of entry " + std::to_string(i + 1)));
        entry.Text = cursor.cString();
        entry.Description = cursor.cString();
        result.Entries.push_back(std::move(entry));
    }
    list = std::move(result);
}

void gsWriteTextList(const TextList& list, ByteString& out)
{
    if (list.ListName.size() > kTextListNameSize) {
        throw Failure(ErrorCode::InvalidArgument,
            "Text list name is " + std::to_string(list.ListName.size()) + " bytes long; at most "
                + std::to_string(kTextListNameSize) + " fit");
    }
    if (list.Entries.size() > 0xFFFF) {
        throw Failure(ErrorCode::InvalidArgument,
            "Text list has " + std::to_string(list.Entries.size()) + " entries; at most 65535 fit");
    }
    std::size_t total = kTextListNameSize + 4;
    for (std::size_t i = 0; i < list.Entries.size(); ++i) {
        const TextListEntry& entry = list.Entries[i];
        if (entry.Text.find('\0') != ByteString::npos || entry.Description.find('\0') != ByteString::npos) {
            throw Failure(ErrorCode::InvalidArgument,
                "Text list entry " + std::to_string(i + 1) + " holds a NUL byte, which would cut its text short");
        }
        total += 3 + entry.Text.size() + entry.Description.size();
    }

    ByteString bytes;
    bytes.reserve(total);
    bytes += list.ListName;
    bytes.resize(kTextListNameSize, '\0');
    bytes += "\xFD\xFF";
    const auto count = static_cast<unsigned>(list.Entries.size());
    bytes += static_cast<char>(count & 0xFF);
    bytes += static_cast<char>(count >> 8);
    for (const TextListEntry& entry : list.Entries) {
        bytes += '\x01';
        bytes += entry.Text;
        bytes += '\0';
        bytes += entry.Description;
        bytes += '\0';
    }
    out = std::move(bytes);
}

} // namespace varnick
