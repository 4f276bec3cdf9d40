#pragma once

#include "app/startup/core/GameInstall.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One registry with the file system it describes: this Windows machine's, or
// that of a Wine prefix (its system.reg and user.reg, and its drive links).
// The game search asks both the same questions.

namespace varnick::locate {

/// Which half of the machine keys: where a 32-bit installer writes
/// (SOFTWARE\WOW6432Node on 64-bit Windows), or the native keys.
enum class RegistryView { ThirtyTwoBit, Native };

/// A value found, with the key it is in as the player would look it up.
struct FoundValue {
    std::string where; ///< "HKLM\SOFTWARE\WOW6432Node\EA GAMES\The Sims 2", with the file for a prefix
    std::optional<std::string> text; ///< for text values (UTF-8)
    std::optional<std::uint32_t> number; ///< for dword values
};

class RegistryContext {
public:
    virtual ~RegistryContext() = default;

    /// A value of the machine key keyPath ("SOFTWARE\EA GAMES\The Sims 2") in view;
    /// nullopt when the key or value is missing.
    virtual std::optional<FoundValue> machineValue(
        std::string_view keyPath, std::string_view name, RegistryView view) const = 0;

    /// A value of the user key keyPath; nullopt when the key or value is missing.
    virtual std::optional<FoundValue> userValue(std::string_view keyPath, std::string_view name) const = 0;

    /// The host path of a folder the registry names; nullopt when it cannot be
    /// translated (a drive the prefix does not link).
    virtual std::optional<std::filesystem::path> hostPath(std::string_view registryPath) const = 0;

    /// The user's Documents folders, the likeliest first, without repeats.
    virtual std::vector<std::filesystem::path> documentsFolders() const = 0;

    /// The files that could not be read, with why.
    virtual std::vector<SkippedFile> skipped() const { return {}; }

    /// What the installs found through these keys are found by.
    virtual FoundBy foundBy() const { return FoundBy::WindowsRegistry; }
};

/// This machine's registry and known folders (Windows); null elsewhere.
std::unique_ptr<RegistryContext> machineRegistry();

} // namespace varnick::locate
