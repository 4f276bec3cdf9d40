#pragma once

// What a batch save is about to write, in the player's words, asked before
// anything is written: "Set Price to 20100 and Function to Electronics on
// 2,270 objects?". Qt-free; the batch editor and the object table share it.

#include "app/editor/core/BatchEdit.h"
#include "app/platform/Phrasebook.h"

#include <cstdint>
#include <optional>
#include <string>

namespace varnick {

/// The categories a sub-category's value belongs to when the changes do not
/// choose one themselves (the one the objects share); nothing when unknown.
struct ChangeContext {
    std::optional<std::uint16_t> functionCategory;
    std::optional<std::uint16_t> buildCategory;
};

/// The changes as one clause without the objects: "Set Price to 20100 and
/// Function to Electronics", "Set Name to "Lamp"; add Kitchen to Room;
/// remove Cooking from Skill Flags". Numbers are shown as they will be
/// written. "" for empty changes; "Write each object's own changes" for
/// changes computed per package (Custom). Worded by words (the windows pass
/// the player's language).
std::string describeChanges(
    const BatchChanges& changes, const ChangeContext& context = {}, const Phrasebook& words = englishPhrases());

/// The question before a batch save: the clause, " on ", the count of objects and "?".
std::string batchQuestion(const BatchChanges& changes, std::size_t objects, const ChangeContext& context = {},
    const Phrasebook& words = englishPhrases());

} // namespace varnick
