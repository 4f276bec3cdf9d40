#include "app/platform/Phrasebook.h"
#include "app/backups/core/BackupStore.h"
#include "app/backups/core/OriginalRestore.h"
#include "app/editor/core/ChangeWords.h"
#include "app/editor/core/ObjectEditor.h"
#include "app/platform/Utility.h"
#include "app/recolors/core/ThumbnailPurge.h"
#include "app/startup/core/RunningGame.h"
#include "package/CompressedResource.h"
#include "package/PackageReader.h"
#include "package/PackageWriter.h"
#include "package/PropertySet.h"
#include "package/ResourceCollection.h"
#include "package/Sims2Pack.h"
#include "package/TextList.h"
#include "package/base/KelvoraBinding.h"
#include "tests/common/BadSims2Packs.h"
#include "tests/common/FailingFolderLister.h"
#include "tests/common/TemporaryFolder.h"
#include "tools/common/PackageBuilder.h"

#include <gtest/gtest.h>

#include <functional>
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

namespace {

// A header of magic and data offset, and nothing else.
ByteString sims2PackHeader(std::string_view magic, std::int32_t dataOffset)
{
    ByteString bytes(magic);
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>((static_cast<std::uint32_t>(dataOffset) >> (8 * i)) & 0xFF);
    return bytes;
}

// What a Sims2Pack's refusal is, as a Failure.
Failure sims2PackFailure(ByteView bytes)
{
    try {
        parseSims2Pack(bytes, "x.sims2pack");
    } catch (const Failure& failure) {
        return failure;
    }
    ADD_FAILURE() << "the Sims2Pack was accepted";
    return Failure(ErrorCode::Unexpected, "accepted");
}

// The phrase of a failure, the way the windows say it, with every template marked.
std::string marked(const Phrase& phrase)
{
    return say(MarkingPhrases(), phrase);
}

} // namespace

// The command line and the error report read a failure's English description,
// and tests, scripts and players' forum posts match it: building failures from
// phrases must not change a byte of it, while every word of it goes through
// the phrasebook for the windows.
TEST(Phrasebook, failuresWordedAsPhrasesKeepTheirEnglishByteForByte)
{
    test::TemporaryFolder dir;
    const ByteString object = test::objectPackage(0x2002);
    const std::string size = std::to_string(object.size());
    test::Sims2PackEntry second { "b.package", object };
    second.offsetText = "10";

    std::vector<UnlistedFolder> unlisted;
    const std::filesystem::path locked = dir.path() / "Locked";
    std::filesystem::create_directories(locked);
    {
        const test::FailingFolderLister lister(locked);
        findFiles(dir.path(), "*.package", &unlisted);
    }
    ASSERT_EQ(unlisted.size(), 1U);

    test::EditorPackage shortDefinition;
    shortDefinition.definition = ObjectDefinition(ByteString(265, '\0'));
    ObjectEditor editor;
    editor.load(shortDefinition.write(dir, "short.package"));
    const Phrase shortPhrase = editor.loadPhrase();
    test::PackageBuilder none;
    none.add("43545353", "7FD46CD0", "00000085", "00000000", test::textListBytes(shortDefinition.entries));
    editor.load(dir.write("none.package", none.build()));

    const struct {
        const char* what;
        std::string description;
        Phrase phrase;
        std::string expected; // the text as it was written before phrases
        std::vector<std::string> names; // file names, numbers and system texts: the literal pieces
    } cases[] = {
        { "a one-byte file", sims2PackFailure("S").what(), sims2PackFailure("S").phrase(),
            "x.sims2pack: the file is 1 byte long, shorter than the 22-byte header of a Sims2Pack file",
            { "x.sims2pack" } },
        { "a wrong magic", sims2PackFailure(sims2PackHeader("Sims3 Packager 1.0", 22)).what(),
            sims2PackFailure(sims2PackHeader("Sims3 Packager 1.0", 22)).phrase(),
            "x.sims2pack: not a Sims2Pack file: bytes 0 to 17 hold \"Sims3 Packager 1.0\", not \"Sims2 Packager "
            "1.0\" or \"Sims2 Packager x.1\"",
            { "x.sims2pack", "Sims3 Packager 1.0", "Sims2 Packager 1.0", "Sims2 Packager x.1" } },
        { "a data offset past the end", sims2PackFailure(sims2PackHeader(kSims2PackMagic, 1000)).what(),
            sims2PackFailure(sims2PackHeader(kSims2PackMagic, 1000)).phrase(),
            "x.sims2pack: the data offset (bytes 18 to 21) is 1000, past the end of the file (22 bytes)",
            { "x.sims2pack" } },
        { "overlapping items",
            sims2PackFailure(test::Sims2PackBuilder().add({ "a.package", object }).add(second).build()).what(),
            sims2PackFailure(test::Sims2PackBuilder().add({ "a.package", object }).add(second).build()).phrase(),
            "x.sims2pack: item 1 (\"a.package\") and item 2 (\"b.package\") overlap: they hold bytes 0 to "
                + std::to_string(object.size() - 1) + " and 10 to " + std::to_string(object.size() + 9)
                + " of the data",
            { "x.sims2pack", "a.package", "b.package" } },
        { "a folder that cannot be listed", unlisted[0].reason, unlisted[0].phrase,
            "Can not list the folder " + pathToUtf8(locked) + ": Permission denied",
            { pathToUtf8(locked), "Permission denied" } },
        { "no object definition chosen", definitionRefusal(nullptr), *definitionRefusalPhrase(nullptr), "Missing OBJD",
            {} },
        { "a package without an object definition", editor.loadMessage(), editor.loadPhrase(), "Missing OBJD",
            { "OBJD" } },
        { "an object definition too short", shortPhrase.english(), shortPhrase,
            "OBJD too short: 265 bytes, the catalog fields need 266", { "OBJD" } },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.description, c.expected) << c.what;
        EXPECT_EQ(c.phrase.english(), c.expected) << c.what;
        // Said by the English phrasebook, as an English window shows it: the same words.
        EXPECT_EQ(say(englishPhrases(), c.phrase), c.expected) << c.what;
        EXPECT_EQ(unmarkedLetters(marked(c.phrase), c.names), "") << c.what << ": " << marked(c.phrase);
    }
}

TEST(Phrasebook, aFailureWithoutAPhraseIsSaidAsItsDescription)
{
    const Failure plain(ErrorCode::BadResource, "Resource 3 at offset 96 runs past the end");
    EXPECT_FALSE(plain.hasPhrase());
    EXPECT_EQ(say(MarkingPhrases(), plain.phrase()), plain.what());
    EXPECT_EQ(say(MarkingPhrases(), phraseOf(std::runtime_error("boom"))), "boom");
    EXPECT_EQ(say(MarkingPhrases(), phraseOf(std::bad_alloc())), "<Out of memory>");
}

// A worker's failure reaches the window through currentFailureWithContext and
// std::exception_ptr; the phrase has to survive both, with the place it failed at.
TEST(Phrasebook, aFailureCarriedFromAWorkerKeepsItsPhrase)
{
    std::exception_ptr carried;
    try {
        setLocation(2500);
        parseSims2Pack("S", "x.sims2pack");
    } catch (...) {
        carried = currentFailureWithContext();
    }
    ASSERT_TRUE(carried);
    try {
        std::rethrow_exception(carried);
    } catch (const Failure& failure) {
        EXPECT_TRUE(failure.hasPhrase());
        EXPECT_EQ(failure.place()->location, 2500);
        EXPECT_EQ(unmarkedLetters(marked(failure.phrase()), { "x.sims2pack" }), "");
        EXPECT_EQ(failure.phrase().english(), failure.what());
    }
}

// Counts keep the English of the layer (no grouping) and take the phrasebook's plural forms in windows.
TEST(Phrasebook, countedPhrasesSayTheirNumber)
{
    const Phrase one = Phrase::counted(VARNICK_PHRASE_N("Sims2Pack", "%n byte(s)"), 1);
    const Phrase many = Phrase::counted(VARNICK_PHRASE_N("Sims2Pack", "%n byte(s)"), 12345);
    EXPECT_EQ(one.english(), "1 byte");
    EXPECT_EQ(many.english(), "12345 bytes");
    EXPECT_EQ(say(englishPhrases(), many), "12,345 bytes");
    const Phrase nested(VARNICK_PHRASE("Sims2Pack", "the file is %1 long"), { many });
    EXPECT_EQ(nested.english(), "the file is 12345 bytes long");
    // A piece holding a placeholder is never filled again.
    EXPECT_EQ(Phrase(VARNICK_PHRASE("Failures", "%1: %2"), { std::string("%2"), std::string("x") }).english(), "%2: x");
}

namespace {

// The Failure work throws.
Failure failureOf(const std::function<void()>& work)
{
    try {
        work();
    } catch (const Failure& failure) {
        return failure;
    }
    ADD_FAILURE() << "no failure";
    return Failure(ErrorCode::Unexpected, "none");
}

// A resource of one kind of identifier too long for the writer.
PackageFile packageWithLongType()
{
    PackageFile pkg;
    gsCreateDefaultPackageHeader(pkg);
    PackageResource resource;
    resource.TypeID = "ABCDE";
    resource.GroupID = "1234";
    resource.InstanceID = "5678";
    resource.Data = "data";
    pkg.Files.push_back(resource);
    return pkg;
}

} // namespace

// The refusals of the readers, the codec's binding, the writer, the backups and
// the thumbnail purge: the English stays as it was written before they were
// phrases, and every word of it reaches the phrasebook.
TEST(Phrasebook, readersAndWritersRefusalsKeepTheirEnglishAndCarryTheirPhrase)
{
    test::TemporaryFolder dir;
    const std::filesystem::path lamp = dir.write("Lamp.package", "bytes");
    const std::filesystem::path missingLibrary = dir.path() / "no-such-kelvora";
    ByteString damagedStream(9, '\0');
    damagedStream[4] = '\x10';
    damagedStream[5] = '\xFB';
    damagedStream += "\xFB\x01\x02";
    TextList list;
    ByteString tooManyEntries(kTextListNameSize, 'n');
    tooManyEntries += ByteString("\xFD\xFF\x09\x00", 4);
    ByteString negativeItems("\x00\x00\x00\x00\x00\x00\xFF\xFF\xFF\xFF", 10);
    ByteString rcolLinks("\x05\x00\x00\x00", 4);
    CachePurge corrupt;
    corrupt.name = "ObjectThumbnails.package";

    const auto unloadable = [&] {
        setKelvoraLibraryForTesting(missingLibrary);
        const Failure failure = failureOf([&] { (void)kelvoraVersion(); });
        setKelvoraLibraryForTesting({});
        return failure;
    }();
    const std::string libraryReason = [&] {
        const std::string text = unloadable.what();
        const std::size_t open = text.rfind(" (");
        return open == std::string::npos ? std::string() : text.substr(open + 2, text.size() - open - 3);
    }();

    const struct {
        const char* what;
        Failure failure;
        std::string expected;
        std::vector<std::string> names; // the literal pieces: names, fields, numbers, system texts
    } cases[] = {
        { "a short read of the cursor", failureOf([&] { gsReadTextList("abc", list); }),
            "Text list: name at offset 0 needs 64 bytes, but only 3 of 3 are left", { "name" } },
        { "a count the cursor refuses", failureOf([&] { gsReadTextList(tooManyEntries, list); }),
            "Text list: entry count at offset 68 declares 9 entries, but only 0 bytes follow", { "entry count" } },
        { "a negative item count", failureOf([&] { (void)readBinPropertySet(negativeItems); }),
            "Property set: item count at offset 10 is -1, but 0 bytes cannot hold that many items", { "item count" } },
        { "links that do not fit", failureOf([&] { (void)readRCOLHeader(rcolLinks); }),
            "Resource collection: link count at offset 4 is 5, but 0 bytes cannot hold that many records of 12 bytes",
            { "link count" } },
        { "a damaged compressed resource", failureOf([&] { (void)decompressResource(damagedStream); }),
            "The compressed resource (12 bytes) is damaged and cannot be decompressed", {} },
        { "a support library that cannot be loaded", unloadable,
            "The support library \"" + pathToUtf8(missingLibrary) + "\" could not be loaded (" + libraryReason + ")",
            { libraryReason, pathToUtf8(missingLibrary) } }, // the system's reason may name the file
        { "an identifier the writer refuses", failureOf([&] {
             PackageFile pkg = packageWithLongType();
             (void)serializePackage(pkg);
         }),
            "Resource 1 has a type identifier of 5 bytes; identifiers are 4 bytes", {} },
        { "no original kept", failureOf([&] { BackupStore(dir.path() / "backups").restoreOriginal(lamp); }),
            "No original of this file was kept: " + pathToUtf8(lamp), { pathToUtf8(lamp) } },
        { "a corrupt thumbnail cache", Failure(ErrorCode::BadPackage, corrupt.corruptPhrase()),
            "ObjectThumbnails.package is corrupt!!!\r\n\r\nOperation aborted.", { "ObjectThumbnails.package" } },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.failure.what(), c.expected) << c.what;
        EXPECT_TRUE(c.failure.hasPhrase()) << c.what;
        EXPECT_EQ(c.failure.phrase().english(), c.expected) << c.what;
        EXPECT_EQ(say(englishPhrases(), c.failure.phrase()), c.expected) << c.what;
        EXPECT_EQ(unmarkedLetters(marked(c.failure.phrase()), c.names), "")
            << c.what << ": " << marked(c.failure.phrase());
    }
    EXPECT_EQ(corrupt.corruptMessage(), corrupt.corruptPhrase().english());
}

namespace {

// Three small resources, laid out by hand (not by the writer).
ByteString threeResources()
{
    return test::PackageBuilder()
        .indexMinorVersion(2)
        .add("4F424A44", "7FD46CD0", "00000041", "00000001", "object definition bytes")
        .add("43545353", "7FD46CD0", "00000001", "00000002", "catalog text")
        .add("AC4F8687", "1C0532FA", "FF000000", "00000003", "mesh")
        .build();
}

ByteString patched(ByteString bytes, std::size_t offset, std::int32_t value)
{
    test::patchInt32(bytes, offset, value);
    return bytes;
}

} // namespace

// The package reader's refusals of a damaged header, index or resource: each
// keeps the English the command line has always printed, and every word of it,
// the counted ones and what the bytes are called included, reaches the phrasebook.
TEST(Phrasebook, packageReadersRefusalsKeepTheirEnglishAndCarryTheirPhrase)
{
    test::TemporaryFolder dir;
    const ByteString bytes = threeResources();
    const std::string size = std::to_string(bytes.size());
    const auto indexAt = static_cast<std::size_t>(test::int32At(bytes, test::kIndexOffsetAt));
    const std::size_t second = indexAt + 24;
    const std::filesystem::path shortFile = dir.write("short.package", ByteString(10, 'D'));
    // One entry whose index lies past the end of a file of 100 bytes.
    const std::filesystem::path cutIndex = dir.write(
        "cut.package", patched(patched(bytes.substr(0, 100), test::kIndexCountAt, 1), test::kIndexOffsetAt, 96));
    const std::filesystem::path whole = dir.write("whole.package", bytes);
    IndexEntry beforeStart = parsePackageIndex(bytes).entries[0];
    beforeStart.Offset = -1;
    // Enough entries, each naming the whole file, to pass what shared ranges allow.
    test::PackageBuilder repeated;
    for (int i = 0; i < 2000; ++i)
        repeated.add("00000001", "00000000", "00000000", "00000000", "");
    ByteString tooMuch = repeated.build();
    const auto repeatedAt = static_cast<std::size_t>(test::int32At(tooMuch, test::kIndexOffsetAt));
    for (std::size_t i = 0; i < 2000; ++i) {
        test::patchInt32(tooMuch, repeatedAt + i * 24 + 16, 0);
        test::patchInt32(tooMuch, repeatedAt + i * 24 + 20, static_cast<std::int32_t>(tooMuch.size()));
    }

    const struct {
        const char* what;
        Failure failure;
        std::string expected;
        std::vector<std::string> names; // the literal pieces: identifiers
        std::string said = {}; // as a window says it in English, where it groups the digits of counts
    } cases[] = {
        { "a file shorter than the header", failureOf([&] { (void)readPackage(shortFile); }),
            "The file is 10 bytes long, shorter than the 96-byte package header", {} },
        { "a package of one byte", failureOf([] { (void)parsePackageIndex("D"); }),
            "The package is 1 byte long, shorter than the 96-byte package header", {} },
        { "a header cut short", failureOf([] { (void)parsePackageHeader("DBPF"); }),
            "The package header needs 96 bytes, 4 are there", {} },
        { "a negative index count", failureOf([&] { (void)parsePackage(patched(bytes, test::kIndexCountAt, -1)); }),
            "Index count -1 is negative", {} },
        { "an index before the start",
            failureOf([&] { (void)parsePackage(patched(bytes, test::kIndexOffsetAt, -24)); }),
            "Index of 3 entries starts at offset -24, before the start of the package", {} },
        { "an index of one entry past the end of the file", failureOf([&] { (void)readPackageIndex(cutIndex); }),
            "Index of 1 entry at offset 96 runs past the end of the file (100 bytes)", {} },
        { "a resource past the end", failureOf([&] { (void)parsePackage(patched(bytes, second + 20, 100000)); }),
            "Resource 2 of 3 (type 43545353) at offset " + std::to_string(test::int32At(bytes, second + 16))
                + " with 100000 bytes runs past the end of the package (" + size + " bytes)",
            { "43545353" },
            "Resource 2 of 3 (type 43545353) at offset " + std::to_string(test::int32At(bytes, second + 16))
                + " with 100,000 bytes runs past the end of the package (" + size + " bytes)" },
        { "a resource of negative size", failureOf([&] { (void)parsePackage(patched(bytes, second + 20, -5)); }),
            "Resource 2 of 3 (type 43545353) has a negative size (-5)", { "43545353" } },
        { "a resource before the start of the file", failureOf([&] { (void)readResourceBytes(whole, beforeStart); }),
            "Resource 1 of 1 (type 4F424A44) starts at offset -1, before the start of the file", { "4F424A44" } },
        { "an index naming more than the package holds", failureOf([&] { (void)parsePackage(tooMuch); }),
            "The index's 2000 entries name resources of 96192000 bytes in all, more than the package (48096 bytes) "
            "can hold even with shared ranges",
            {},
            "The index's 2,000 entries name resources of 96,192,000 bytes in all, more than the package (48,096 "
            "bytes) can hold even with shared ranges" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.failure.what(), c.expected) << c.what;
        EXPECT_TRUE(c.failure.hasPhrase()) << c.what;
        EXPECT_EQ(say(englishPhrases(), c.failure.phrase()), c.said.empty() ? c.expected : c.said) << c.what;
        EXPECT_EQ(unmarkedLetters(marked(c.failure.phrase()), c.names), "")
            << c.what << ": " << marked(c.failure.phrase());
    }
    EXPECT_EQ(cases[9].failure.code(), ErrorCode::ResourceTooLarge);
}
