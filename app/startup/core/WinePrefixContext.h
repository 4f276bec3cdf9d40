#pragma once

#include "app/startup/core/RegistryContext.h"
#include "app/startup/core/WineRegistryFile.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace varnick::locate {

/// The registry of a Wine prefix (Steam's Proton, Lutris, Bottles, plain
/// Wine): system.reg answers for the machine, user.reg for the user, and the
/// prefix's drive links translate the paths it names. A registry file that is
/// damaged is left out whole and reported by skipped().
class WinePrefixContext final : public RegistryContext {
public:
    explicit WinePrefixContext(
        std::filesystem::path prefix, std::uintmax_t maxFileBytes = wine::RegistryFile::kMaxFileBytes);

    /// Whether folder looks like a prefix: it holds system.reg, user.reg or drive_c.
    static bool isPrefix(const std::filesystem::path& folder);

    const std::filesystem::path& prefix() const { return mPrefix; }

    std::optional<FoundValue> machineValue(
        std::string_view keyPath, std::string_view name, RegistryView view) const override;
    std::optional<FoundValue> userValue(std::string_view keyPath, std::string_view name) const override;
    FoundBy foundBy() const override { return FoundBy::WineRegistry; }
    std::optional<std::filesystem::path> hostPath(std::string_view registryPath) const override;
    std::vector<std::filesystem::path> documentsFolders() const override;
    std::vector<SkippedFile> skipped() const override { return mSkipped; }

private:
    std::optional<wine::RegistryFile> load(const std::filesystem::path& file, std::uintmax_t maxBytes);
    std::optional<FoundValue> valueIn(const std::optional<wine::RegistryFile>& file, const char* fileName,
        const char* root, std::string_view keyPath, std::string_view name) const;

    std::filesystem::path mPrefix;
    std::optional<wine::RegistryFile> mSystem;
    std::optional<wine::RegistryFile> mUser;
    std::vector<SkippedFile> mSkipped;
};

} // namespace varnick::locate
