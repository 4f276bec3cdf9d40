#pragma once

#include "package/base/Bytes.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace varnick::test {

/// Every file of a fuzz target's seed corpus (fuzz/corpus/<target>/), so the
/// seeds also run as plain tests under the sanitizers.
inline std::vector<ByteString> seedCorpus(const char* target)
{
    std::vector<ByteString> files;
    for (const auto& item :
        std::filesystem::directory_iterator(std::filesystem::path(VARNICK_SOURCE_DIR) / "fuzz" / "corpus" / target)) {
        std::ifstream in(item.path(), std::ios::binary);
        files.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return files;
}

} // namespace varnick::test
