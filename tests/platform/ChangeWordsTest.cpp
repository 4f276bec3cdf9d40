#include "app/editor/core/ChangeWords.h"
#include "app/editor/core/NumericFields.h"
#include "app/platform/Words.h"

#include <gtest/gtest.h>

using namespace varnick;

TEST(Words, countsTakeTheNumberOfTheirNounAndGroupThousands)
{
    const struct {
        std::size_t n;
        const char* expected;
    } cases[] = { { 0, "0 files" }, { 1, "1 file" }, { 2, "2 files" }, { 999, "999 files" }, { 1000, "1,000 files" },
        { 2270, "2,270 files" }, { 1234567, "1,234,567 files" } };
    for (const auto& c : cases)
        EXPECT_EQ(countOf(c.n, "file"), c.expected);
    EXPECT_EQ(countOf(2, "copy", "copies"), "2 copies");
    EXPECT_EQ(countOf(1, "copy", "copies"), "1 copy");
}

TEST(NumericWrittenText, showsWhatASaveWritesOnlyWhereTheFieldCannotHoldTheNumber)
{
    const struct {
        ObjectField field;
        const char* box;
        const char* written; // null: left as typed
    } cases[] = {
        { ObjectField::Price, "99999", "65535" },
        { ObjectField::Price, "65536", "65535" },
        { ObjectField::Price, "65535", nullptr },
        { ObjectField::Price, "20100", nullptr },
        { ObjectField::Price, "00042", nullptr },
        { ObjectField::Price, "", nullptr },
        { ObjectField::InitialDepreciation, "70000", "65535" },
        { ObjectField::HungerRating, "-5", nullptr },
        { ObjectField::HungerRating, "99", nullptr },
    };
    for (const auto& c : cases) {
        const std::optional<std::string> written = numericWrittenText(c.field, c.box);
        if (c.written == nullptr)
            EXPECT_FALSE(written.has_value()) << c.box;
        else
            EXPECT_EQ(written.value_or("(none)"), c.written) << c.box;
    }
}

TEST(ChangeWords, asksWithTheValuesAsTheyWillBeWritten)
{
    BatchChanges changes;
    changes.numbers[ObjectField::Price] = "20100";
    changes.selections[ObjectField::FunctionSortFlags] = 8;
    EXPECT_EQ(batchQuestion(changes, 2270), "Set Price to 20100 and Function to Electronics on 2,270 objects?");

    BatchChanges over;
    over.numbers[ObjectField::Price] = "99999";
    EXPECT_EQ(batchQuestion(over, 1), "Set Price to 65535 on 1 object?");
}

TEST(ChangeWords, namesEveryKindOfChange)
{
    BatchChanges changes;
    changes.name = "Lamp";
    changes.numbers[ObjectField::RoomRating] = "3";
    changes.selections[ObjectField::FunctionSortFlags] = 8;
    changes.selections[ObjectField::FunctionSubSort] = 8;
    changes.flags[ObjectField::RoomSortFlags] = { 1 | 4, 0 };
    changes.flags[ObjectField::SkillFlags] = { 0, 1 };
    EXPECT_EQ(describeChanges(changes),
        "Set Name to \"Lamp\", Room motive to 3, Function to Electronics and Function Sub-Category to Small "
        "Electronics; add Kitchen and Bathroom to Room; remove Cooking from Skill Flags");
    BatchChanges add;
    add.flags[ObjectField::CommunitySortFlags] = { 0, 0 };
    add.flags[ObjectField::RoomSortFlags] = { 1, 0 };
    EXPECT_EQ(describeChanges(add), "Add Kitchen to Room");

    // A sub-category under the category the objects share; unknown without one.
    BatchChanges sub;
    sub.selections[ObjectField::FunctionSubSort] = 8;
    EXPECT_EQ(describeChanges(sub, { 8, std::nullopt }), "Set Function Sub-Category to Small Electronics");
    EXPECT_EQ(describeChanges(sub), "Set Function Sub-Category to 8");

    BatchChanges none;
    none.selections[ObjectField::BuildModeType] = 0;
    EXPECT_EQ(describeChanges(none), "Set Build Type to none");
    EXPECT_EQ(describeChanges(BatchChanges {}), "");
}

TEST(Words, readFailuresInThePlayersWords)
{
    const struct {
        const char* technical;
        const char* plain;
    } cases[] = {
        { "The file is 10 bytes long, shorter than the 96-byte package header",
            "The file is too short to be a package" },
        { "Index of 3 entries at offset 4000 runs past the end of the file (200 bytes)",
            "The file is damaged: its table of contents runs past its end" },
        { "Index count -1 is negative", "The file is damaged: its table of contents is garbled" },
        { "Resource 2 of 3 (type 0x4F424A44) at offset 96 with 500 bytes runs past the end of the file (300 bytes)",
            "The file is damaged: a part of it runs past its end (it may be cut short)" },
        { "The index ended early while it was read (the file changed)", "The file changed while it was being read" },
        // Already in the player's words: as it is.
        { "The file cannot be opened for reading: it is a folder",
            "The file cannot be opened for reading: it is a folder" },
        { "Package header: magic is 0x00000000", "The file cannot be read as a package" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(plainReadFailure(c.technical), c.plain) << c.technical;
}
