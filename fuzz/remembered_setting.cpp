// Fuzzes the reader of the remembered game folder in the settings file:
// whatever the bytes, the value is read or refused with a reason, and a value
// that passes the folder check is valid UTF-8 without control characters.
#include "app/startup/core/GameFileError.h"
#include "app/startup/core/RememberedGame.h"
#include "package/base/Utf8.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const auto value = varnick::iniSettingValue(text, "Settings", varnick::kGameDataFolderSetting);
        if (!value)
            return 0;
        varnick::checkedRememberedFolder(*value);
        if (!varnick::isValidUtf8(*value))
            std::abort();
        for (const char c : *value) {
            if (static_cast<unsigned char>(c) < 0x20)
                std::abort();
        }
    } catch (const varnick::GameFileError&) {
    }
    return 0;
}
