#pragma once

#include "app/startup/core/RegistryContext.h"

#include <optional>
#include <string>
#include <string_view>

namespace varnick::locate {

class InstallCollector;

/// The Legacy Collection's user key (the registry's own spelling), which its
/// first start writes.
inline constexpr std::string_view kLegacyUserKey = "Software\\Electronic Arts\\The Sims 2 Ultimate Collection 25";

/// The text of a value; nullopt when it is missing, not text or empty.
std::optional<std::string> textOf(const std::optional<FoundValue>& value);

/// Every edition's keys in one registry (this machine's or a Wine prefix's),
/// then the data folders of its Documents folders that no key names; adds the
/// registry files it could not read to the skipped files.
void searchRegistry(const RegistryContext& registry, InstallCollector& out);

} // namespace varnick::locate
