#include "package/TextList.h"
#include "tests/common/SeedCorpus.h"

#include "package/base/ErrorTrap.h"
#include "tests/common/FailsWith.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace varnick {
namespace {

// Header of a text list with the given name and count, format code FD FF.
ByteString header(ByteView name, unsigned count)
{
    ByteString bytes(name);
    bytes.resize(64, '\0');
    bytes += "\xFD\xFF";
    bytes += static_cast<char>(count & 0xFF);
    bytes += static_cast<char>(count >> 8);
    return bytes;
}

ByteString entry(char language, ByteView text, ByteView description)
{
    ByteString bytes(1, language);
    bytes += text;
    bytes += '\0';
    bytes += description;
    bytes += '\0';
    return bytes;
}

template <typename Body> void expectFailure(Body&& body, const std::string& part)
{
    EXPECT_FAILS_WITH(body(), part);
}

TEST(TextList, readsEntriesWithTheirLanguageCodes)
{
    const ByteString data = header("CTSS name", 3) + entry('\x02', "Stuhl", "") + entry('\x01', "Chair", "d1")
        + entry('\x01', "A fine chair", "d2");
    TextList list;
    gsReadTextList(data, list);
    ASSERT_EQ(list.ListName.size(), 64u);
    EXPECT_EQ(list.ListName.substr(0, 9), "CTSS name");
    EXPECT_EQ(list.ListName[9], '\0');
    ASSERT_EQ(list.Entries.size(), 3u);
    EXPECT_EQ(list.Entries[0].Language, "\x02");
    EXPECT_EQ(list.Entries[0].Text, "Stuhl");
    EXPECT_EQ(list.Entries[0].Description, "");
    EXPECT_EQ(list.Entries[1].Language, "\x01");
    EXPECT_EQ(list.Entries[2].Text, "A fine chair");
    EXPECT_EQ(list.Entries[2].Description, "d2");
}

TEST(TextList, roundTripsAndWritesLanguageOneWhateverWasRead)
{
    TextList list;
    list.ListName = "name";
    list.Entries = { { "\x02", "Stuhl", "x" }, { "\x01", "", "" }, { "\x07", "multi\nline", "\xE2\x82\xAC" } };
    ByteString bytes;
    gsWriteTextList(list, bytes);
    EXPECT_EQ(bytes.substr(64, 4), ByteString("\xFD\xFF\x03\x00", 4));
    // An empty text and description are two NUL bytes in a row.
    EXPECT_NE(bytes.find(ByteString("\x01\0\0", 3)), ByteString::npos);

    TextList back;
    gsReadTextList(bytes, back);
    ASSERT_EQ(back.Entries.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(back.Entries[i].Language, "\x01");
        EXPECT_EQ(back.Entries[i].Text, list.Entries[i].Text);
        EXPECT_EQ(back.Entries[i].Description, list.Entries[i].Description);
    }
    EXPECT_EQ(back.ListName, ByteString("name") + ByteString(60, '\0'));

    ByteString again;
    gsWriteTextList(back, again);
    EXPECT_EQ(again, bytes);
}

TEST(TextList, countZeroGivesAnEmptyListEvenWhenTheRecordHeldEntries)
{
    TextList list;
    list.Entries = { { "\x01", "stale", "" } };
    gsReadTextList(header("", 0), list);
    EXPECT_TRUE(list.Entries.empty());
}

TEST(TextList, readsEntryCountsAbove32767)
{
    ByteString data = header("", 40000);
    for (int i = 0; i < 40000; ++i)
        data += entry('\x01', "t", "");
    TextList list;
    gsReadTextList(data, list);
    EXPECT_EQ(list.Entries.size(), 40000u);
}

TEST(TextList, aLastTextWithoutItsNulRunsToTheEnd)
{
    TextList list;
    gsReadTextList(header("", 1) + "\x01" + "Chair", list);
    ASSERT_EQ(list.Entries.size(), 1u);
    EXPECT_EQ(list.Entries[0].Text, "Chair");
    EXPECT_EQ(list.Entries[0].Description, "");
}

TEST(TextList, rejectsDamagedListsAndKeepsTheRecord)
{
    TextList list;
    list.Entries = { { "\x01", "kept", "" } };
    expectFailure([&] { gsReadTextList(ByteString(67, '\0'), list); }, "entry count");
    expectFailure([&] { gsReadTextList(header("", 6) + entry('\x01', "a", "b"), list); }, "declares 6 entries");
    expectFailure([&] { gsReadTextList(header("", 3) + entry('\x01', "a", "b") + entry('\x01', "c", "d"), list); },
        "language code of entry 3");
    ASSERT_EQ(list.Entries.size(), 1u);
    EXPECT_EQ(list.Entries[0].Text, "kept");
}

TEST(TextList, everyTruncationReadsOrFailsCleanly)
{
    const ByteString data = header("n", 2) + entry('\x01', "Chair", "one") + entry('\x01', "Desc", "two");
    for (std::size_t length = 0; length <= data.size(); ++length) {
        TextList list;
        try {
            gsReadTextList(ByteView(data).substr(0, length), list);
            EXPECT_EQ(list.Entries.size(), 2u);
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.code(), ErrorCode::BadResource);
        }
    }
}

TEST(TextList, writerRefusesWhatItCannotStoreAndLeavesOutAlone)
{
    ByteString out = "unchanged";
    TextList list;
    list.ListName = ByteString(65, 'n');
    expectFailure([&] { gsWriteTextList(list, out); }, "65 bytes");
    list.ListName = ByteString(64, 'n');
    list.Entries = { { "\x01", ByteString("a\0b", 3), "" } };
    expectFailure([&] { gsWriteTextList(list, out); }, "NUL");
    list.Entries.assign(65536, TextListEntry { "\x01", "", "" });
    expectFailure([&] { gsWriteTextList(list, out); }, "65535");
    EXPECT_EQ(out, "unchanged");

    list.Entries.clear();
    gsWriteTextList(list, out);
    EXPECT_EQ(out.size(), 68u);
}

TEST(TextList, seedCorpusReadsAndRoundTrips)
{
    const std::vector<ByteString> corpus = test::seedCorpus("text_list");
    ASSERT_FALSE(corpus.empty());
    for (const ByteString& data : corpus) {
        TextList list;
        gsReadTextList(data, list);
        ByteString written;
        gsWriteTextList(list, written);
        EXPECT_EQ(written.size(), data.size());
    }
}

} // namespace
} // namespace varnick
