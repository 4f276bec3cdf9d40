// Fuzzes the reader of Steam's library list and manifests: whatever the
// bytes, the list is read or refused with a reason.
#include "app/startup/core/GameFileError.h"
#include "app/startup/core/SteamKeyValues.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        varnick::steam::libraryFolders(text);
    } catch (const varnick::GameFileError&) {
    }
    try {
        varnick::steam::manifestInstallFolder(text);
    } catch (const varnick::GameFileError&) {
    }
    return 0;
}
