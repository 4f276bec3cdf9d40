// Fuzzes the readers of a Wine prefix's registry files (the whole-file check
// of the game search, and the one-value lookup of the classic search):
// whatever the bytes, the file is read or refused with a reason, and a value
// read back is text that ends before any NUL.
#include "app/platform/WineRegistry.h"
#include "app/startup/core/GameFileError.h"
#include "app/startup/core/WineRegistryFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const varnick::wine::RegistryFile file = varnick::wine::RegistryFile::parse(text);
        for (const char* key : { "Software\\EA GAMES\\The Sims 2", "Software\\Wow6432Node\\EA GAMES\\The Sims 2" }) {
            if (const auto value = file.text(key, "Install Dir"); value && value->find('\0') != std::string::npos)
                std::abort();
        }
    } catch (const varnick::GameFileError&) {
    }
    if (const auto value = varnick::wine::findTextValue(text, "Software\\EA GAMES\\The Sims 2", "Install Dir");
        value && value->find('\0') != std::string::npos)
        std::abort();
    return 0;
}
