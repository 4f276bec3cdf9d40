#include "app/platform/Phrasebook.h"
#include "app/backups/core/OriginalRestore.h"
#include "app/editor/core/ChangeWords.h"
#include "app/startup/core/RunningGame.h"

#include <gtest/gtest.h>

#include <regex>
#include <vector>

using namespace varnick;

namespace {

// Fences every word it is asked for in <>, leaving the arguments outside, so a
// test can see which words were worded through it and which were glued on in English.
class MarkingPhrases final : public Phrasebook {
public:
    std::string say(
        const char* /*context*/, const char* english, std::initializer_list<std::string_view> args) const override
    {
        return fillPlaceholders(fenced(english), args);
    }
    std::string count(const char* /*context*/, const char* english, std::size_t /*n*/,
        std::initializer_list<std::string_view> args) const override
    {
        return fillPlaceholders(fenced(english), args);
    }

private:
    static std::string fenced(std::string_view english)
    {
        std::string text;
        std::string run;
        const auto close = [&] {
            if (!run.empty())
                text += "<" + run + ">";
            run.clear();
        };
        for (std::size_t i = 0; i < english.size(); ++i) {
            if (english[i] == '%' && i + 1 < english.size() && english[i + 1] >= '1' && english[i + 1] <= '9') {
                close();
                text += english.substr(i, 2);
                ++i;
            } else {
                run += english[i];
            }
        }
        close();
        return text;
    }
};

// The letters left once the fenced words and the given names (a player's text,
// a file name) are taken out: English that did not go through the phrasebook.
std::string unmarkedLetters(std::string text, const std::vector<std::string>& names)
{
    text = std::regex_replace(text, std::regex("<[^<>]*>"), "");
    for (const std::string& name : names)
        for (std::size_t at; (at = text.find(name)) != std::string::npos;)
            text.erase(at, name.size());
    std::string letters;
    for (char c : text)
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
            letters += c;
    return letters;
}

} // namespace

TEST(Phrasebook, fillsNumberedPlaceholdersInOnePass)
{
    const struct {
        const char* pattern;
        std::initializer_list<std::string_view> args;
        const char* expected;
    } cases[] = {
        { "%1 to %2", { "Price", "20" }, "Price to 20" },
        { "%2 before %1", { "a", "b" }, "b before a" },
        { "%1 holds %2", { "%2", "x" }, "%2 holds x" }, // an argument is never filled again
        { "%1 and %3", { "a" }, "a and %3" }, // no argument: left as it is
        { "100% sure %", {}, "100% sure %" },
        { "%1%1", { "ab" }, "abab" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(fillPlaceholders(c.pattern, c.args), c.expected) << c.pattern;
}

TEST(Phrasebook, englishCountsTakeTheFormOfTheirNumber)
{
    const struct {
        const char* english;
        std::size_t n;
        const char* expected;
    } cases[] = {
        { "%n object(s)", 0, "0 objects" }, { "%n object(s)", 1, "1 object" },
        { "%n object(s)", 2270, "2,270 objects" }, { "%n GUID clash(es)", 3, "3 GUID clashes" },
        { "%n GUID clash(es)", 1, "1 GUID clash" }, { "%1 on %n object(s)?", 1, "%1 on 1 object?" },
        { "Moved %n file(s) (of %1)", 2, "Moved 2 files (of %1)" }, // a parenthesis after a space is text
    };
    for (const auto& c : cases)
        EXPECT_EQ(englishCount(c.english, c.n), c.expected) << c.english << " " << c.n;
    EXPECT_EQ(
        englishPhrases().count("X", "%1 on %n object(s)?", 2, { "Set Price to 3" }), "Set Price to 3 on 2 objects?");
}

TEST(Phrasebook, listsJoinWithCommasAndAFinalAnd)
{
    EXPECT_EQ(joinedList(englishPhrases(), {}), "");
    EXPECT_EQ(joinedList(englishPhrases(), { "A" }), "A");
    EXPECT_EQ(joinedList(englishPhrases(), { "A", "B" }), "A and B");
    EXPECT_EQ(joinedList(englishPhrases(), { "A", "B", "C", "D" }), "A, B, C and D");
}

// A window passes its phrasebook; no English word of a sentence may bypass it,
// or a translated window would show it in English.
TEST(Phrasebook, everyWordOfTheCoresSentencesGoesThroughThePhrasebook)
{
    const MarkingPhrases marking;
    BatchChanges every;
    every.name = "";
    every.description = "A lamp";
    every.numbers[ObjectField::Price] = "20";
    every.numbers[ObjectField::RoomRating] = "3";
    every.selections[ObjectField::FunctionSortFlags] = 8;
    every.selections[ObjectField::FunctionSubSort] = 8;
    every.selections[ObjectField::BuildModeType] = 0;
    every.selections[ObjectField::WantsSatisfyCategory] = 1;
    every.flags[ObjectField::RoomSortFlags] = { 1 | 4 | 0x8000, 2 };
    every.flags[ObjectField::SkillFlags] = { 0, 1 };
    BatchChanges custom;
    custom.custom = [](const ObjectEditor&) { return ObjectEdits {}; };

    BatchSummary cancelled;
    cancelled.cancelled = true;
    const struct {
        const char* what;
        std::string sentence;
        std::vector<std::string> names; // the player's texts and file names, which stay as they are
    } cases[] = {
        { "a batch question", batchQuestion(every, 2, {}, marking), { "A lamp" } },
        { "own changes", describeChanges(custom, {}, marking), {} },
        { "the batch summary", cancelled.text(marking), {} },
        { "the restore title", OriginalRestore::title(marking), {} },
        { "no original", OriginalRestore::unavailableText(marking), {} },
        { "a restore's question", OriginalRestore(BackupStore("backups"), "Lamp.package").question(marking),
            { "Lamp.package" } },
        { "the running game", gameRunningMessage("Sims2EP9.exe", marking), { "Sims2EP9.exe" } },
    };
    for (const auto& c : cases)
        EXPECT_EQ(unmarkedLetters(c.sentence, c.names), "") << c.what << ": " << c.sentence;
}
