#pragma once

#include "package/base/Bytes.h"

#include <cstddef>
#include <vector>

namespace varnick {

// NOLINTBEGIN(readability-identifier-naming): the game's records keep their fields' names
/// One entry of a catalog text list: a language code (one byte; 1 is English)
/// and two NUL-free texts.
struct TextListEntry {
    ByteString Language;
    ByteString Text;
    ByteString Description;
};

/// The catalog text list of an object: the 64 name bytes as read (NUL padding
/// included) and the entries in stored order.
struct TextList {
    ByteString ListName;
    std::vector<TextListEntry> Entries;
};
// NOLINTEND(readability-identifier-naming)

/// Length of the NUL-padded name at the start of a text list.
inline constexpr std::size_t kTextListNameSize = 64;

/// Reads a decompressed text list resource into list, replacing all of it.
/// Throws Failure (BadResource) when the data is shorter than the 68-byte
/// header or ends before an entry's language code; list is then unchanged.
/// Has no trap of its own: its failure reaches the caller's.
void gsReadTextList(ByteView data, TextList& list);

/// Builds the bytes of a text list: the name padded to 64 bytes, FD FF, the
/// entry count, then every entry with language code 1. Throws Failure
/// (InvalidArgument) when the name is longer than 64 bytes, there are more than
/// 65535 entries, or a text holds a NUL byte (it would end the text early);
/// out is then unchanged.
void gsWriteTextList(const TextList& list, ByteString& out);

} // namespace varnick
