// Fuzzes the reading of a Wine registry file (user.reg, system.reg), which
// the start-up path search reads from the player's prefix: any bytes give a
// value or none, never a crash, and a value found is the decoding of what
// the file holds (never longer than the file allows).
#include "app/platform/WineRegistry.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace varnick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // The keys and values the path search asks for, and the key's default value.
    for (const auto& [key, value] :
        { std::pair<std::string_view, std::string_view> { "Software\\EA GAMES\\The Sims 2", "Install Dir" },
            { "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Personal" },
            { "Software\\EA GAMES\\The Sims 2", "" }, { "", "" } }) {
        const auto found = wine::findTextValue(text, key, value);
        // Each escape takes at least two bytes and gives at most four: never more than twice the file.
        if (found && found->size() > 2 * size + 4)
            std::abort();
    }
    const std::string decoded = wine::unescape(text);
    if (decoded.size() > 2 * size + 4)
        std::abort();
    return 0;
}
