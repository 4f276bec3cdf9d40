#pragma once

#include "package/base/Bytes.h"

#include <filesystem>

namespace varnick {

/// The whole of a file (at most 2 GiB). Throws Failure naming the file.
ByteString readWholeFile(const std::filesystem::path& file);

/// Writes bytes to target through a scratch file beside it that replaces the
/// target only once complete, so a failure leaves no half-written output.
void writeWholeFile(const std::filesystem::path& target, ByteView bytes);

} // namespace varnick
