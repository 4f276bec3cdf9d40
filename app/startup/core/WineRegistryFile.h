#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// One registry file of a Wine prefix (system.reg, user.reg) read whole and
// checked line by line, so that a damaged or cut-off file is refused as a
// whole with its reason instead of yielding half its keys.

namespace varnick::wine {

/// One value of a key.
struct RegistryValue {
    enum class Kind { Text, Number, Other };
    Kind kind = Kind::Other;
    std::string text; ///< Text: UTF-8, ending before the first NUL
    std::uint32_t number = 0; ///< Number: a dword value
};

class RegistryFile {
public:
    /// Chooses the keys worth keeping, by their path in ASCII lower case
    /// ("software\\ea games\\the sims 2"); an empty function keeps every key.
    using KeyFilter = std::function<bool(std::string_view lowerKeyPath)>;

    /// The largest file read; larger ones are refused unread.
    static constexpr std::uintmax_t kMaxFileBytes = 128ull * 1024 * 1024;
    /// The longest line accepted.
    static constexpr std::size_t kMaxLineBytes = 1024 * 1024;

    /// Parses the text of a registry file. Throws GameFileError naming the
    /// line and the fault when the text is not a well-formed registry file.
    static RegistryFile parse(std::string_view text, const KeyFilter& keep = {});

    /// Reads and parses file. Throws GameFileError when it cannot be read, is
    /// larger than maxBytes, or is damaged.
    static RegistryFile read(
        const std::filesystem::path& file, const KeyFilter& keep = {}, std::uintmax_t maxBytes = kMaxFileBytes);

    /// The value name (empty for the default value) of keyPath (relative to the
    /// file's root, "Software\\EA GAMES\\The Sims 2"); both compared without
    /// ASCII case. Null when the key or value is missing.
    const RegistryValue* value(std::string_view keyPath, std::string_view name) const;

    /// The text of a value, nullopt when it is missing or not text.
    std::optional<std::string> text(std::string_view keyPath, std::string_view name) const;

    /// Whether the file holds keyPath (with or without values).
    bool hasKey(std::string_view keyPath) const;

    std::size_t keyCount() const { return mKeys.size(); }

private:
    std::map<std::string, std::map<std::string, RegistryValue>, std::less<>> mKeys;
};

/// keyPath in the form RegistryFile compares: ASCII lower case, without
/// separators at either end.
std::string lowerKeyPath(std::string_view keyPath);

} // namespace varnick::wine
