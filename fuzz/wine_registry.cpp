// Fuzzes the readers of a Wine prefix's registry files (user.reg, system.reg):
// the whole-file reader of the game search and the one-value lookup of the
// classic search. Whatever the bytes, the file is read or refused with a
// reason; a value read back is text that ends before any NUL and is never
// longer than the file allows (each escape takes at least two bytes and gives
// at most four).
#include "app/platform/WineRegistry.h"
#include "app/startup/core/GameFileError.h"
#include "app/startup/core/WineRegistryFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

using namespace varnick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const wine::RegistryFile file = wine::RegistryFile::parse(text);
        for (const char* key : { "Software\\EA GAMES\\The Sims 2", "Software\\Wow6432Node\\EA GAMES\\The Sims 2" }) {
            if (const auto value = file.text(key, "Install Dir"); value && value->find('\0') != std::string::npos)
                std::abort();
        }
    } catch (const GameFileError&) {
    }
    for (const auto& [key, value] :
        { std::pair<std::string_view, std::string_view> { "Software\\EA GAMES\\The Sims 2", "Install Dir" },
            { "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Personal" },
            { "Software\\EA GAMES\\The Sims 2", "" }, { "", "" } }) {
        const auto found = wine::findTextValue(text, key, value);
        if (found && (found->find('\0') != std::string::npos || found->size() > 2 * size + 4))
            std::abort();
    }
    if (wine::unescape(text).size() > 2 * size + 4)
        std::abort();
    return 0;
}
