#include "app/startup/core/SteamKeyValues.h"

#include "app/startup/core/FolderNames.h"
#include "app/startup/core/GameFileError.h"
#include "package/base/Paths.h"

/*
 * Steam's key-value text: keys and values are quoted (or bare) words, a block
 * is a brace pair, "//" starts a comment to the end of the line, and a value
 * may carry a platform condition in brackets:
 *
 *   "libraryfolders"
 *   {
 *       "0"
 *       {
 *           "path"      "/home/me/.local/share/Steam"
 *           "apps"      { "3314070"  "5432109876" }
 *       }
 *       "1"
 *       {
 *           "path"      "D:\\SteamLibrary"            <- backslashes doubled
 *       }
 *   }
 *
 * The older library list names the folders directly: "1" "D:\\SteamLibrary".
 */

namespace varnick::steam {

using locate::equalsNoCase;

namespace {

bool isDigits(std::string_view text)
{
    if (text.empty())
        return false;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

class Parser {
public:
    explicit Parser(std::string_view text)
        : mText(text)
    {
    }

    std::vector<KeyValue> parseAll()
    {
        std::vector<KeyValue> keys = parseKeys(0);
        skipBlank();
        if (mPos < mText.size())
            fail(Phrase(VARNICK_PHRASE("GameFiles", "a closing brace has no opening one")));
        return keys;
    }

private:
    enum class Token { Word, Open, Close, End };

    [[noreturn]] void fail(Phrase what) const
    {
        throw GameFileError(Phrase(
            VARNICK_PHRASE("GameFiles", "is damaged at line %1: %2"), { std::to_string(mLine), std::move(what) }));
    }

    void skipBlank()
    {
        while (mPos < mText.size()) {
            const char c = mText[mPos];
            if (c == '\n') {
                ++mLine;
                ++mPos;
            } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
                ++mPos;
            } else if (c == '/' && mPos + 1 < mText.size() && mText[mPos + 1] == '/') {
                while (mPos < mText.size() && mText[mPos] != '\n')
                    ++mPos;
            } else {
                break;
            }
        }
    }

    Token next(std::string& word)
    {
        skipBlank();
        if (mPos >= mText.size())
            return Token::End;
        const char c = mText[mPos];
        if (c == '{') {
            ++mPos;
            return Token::Open;
        }
        if (c == '}') {
            ++mPos;
            return Token::Close;
        }
        word.clear();
        if (c == '"') {
            ++mPos;
            while (true) {
                if (mPos >= mText.size())
                    fail(Phrase(VARNICK_PHRASE("GameFiles", "a quoted text has no closing quote")));
                const char d = mText[mPos++];
                if (d == '"')
                    break;
                if (d == '\n')
                    ++mLine;
                if (d == '\\' && mPos < mText.size()) {
                    const char e = mText[mPos++];
                    word.push_back(e == 'n' ? '\n' : e == 't' ? '\t' : e);
                    if (e == '\n')
                        ++mLine;
                } else {
                    word.push_back(d);
                }
            }
            return Token::Word;
        }
        while (mPos < mText.size()) {
            const char d = mText[mPos];
            if (d == ' ' || d == '\t' || d == '\r' || d == '\n' || d == '{' || d == '}' || d == '"')
                break;
            word.push_back(d);
            ++mPos;
        }
        return Token::Word;
    }

    // A platform condition such as [$WIN32] after a value or a block's key.
    void skipCondition()
    {
        skipBlank();
        if (mPos < mText.size() && mText[mPos] == '[') {
            const std::size_t close = mText.find(']', mPos);
            const std::size_t lineEnd = mText.find('\n', mPos);
            if (close == std::string_view::npos || close > lineEnd)
                fail(Phrase(VARNICK_PHRASE("GameFiles", "a condition has no closing bracket")));
            mPos = close + 1;
        }
    }

    std::vector<KeyValue> parseKeys(int depth)
    {
        if (depth > kMaxKeyValueDepth)
            fail(Phrase(VARNICK_PHRASE("GameFiles", "blocks are nested deeper than %1"),
                { std::to_string(kMaxKeyValueDepth) }));
        std::vector<KeyValue> keys;
        std::string word;
        while (true) {
            const Token token = next(word);
            if (token == Token::End) {
                if (depth > 0)
                    fail(Phrase(VARNICK_PHRASE("GameFiles", "the file ends inside a block (it was cut off)")));
                return keys;
            }
            if (token == Token::Close) {
                if (depth == 0)
                    fail(Phrase(VARNICK_PHRASE("GameFiles", "a closing brace has no opening one")));
                return keys;
            }
            if (token == Token::Open)
                fail(Phrase(VARNICK_PHRASE("GameFiles", "a block has no key")));
            if (++mCount > kMaxKeyValueCount)
                fail(Phrase(VARNICK_PHRASE("GameFiles", "more than %1 keys"), { std::to_string(kMaxKeyValueCount) }));
            KeyValue entry;
            entry.key = std::move(word);
            skipCondition();
            const Token valueToken = next(word);
            if (valueToken == Token::End)
                fail(Phrase(VARNICK_PHRASE("GameFiles", "the file ends after a key (it was cut off)")));
            if (valueToken == Token::Close)
                fail(Phrase(VARNICK_PHRASE("GameFiles", "a key has no value")));
            if (valueToken == Token::Open) {
                entry.isBlock = true;
                entry.children = parseKeys(depth + 1);
            } else {
                entry.value = std::move(word);
                skipCondition();
            }
            keys.push_back(std::move(entry));
        }
    }

    std::string_view mText;
    std::size_t mPos = 0;
    std::size_t mLine = 1;
    std::size_t mCount = 0;
};

} // namespace

const KeyValue* KeyValue::child(std::string_view name) const
{
    for (const KeyValue& entry : children) {
        if (equalsNoCase(entry.key, name))
            return &entry;
    }
    return nullptr;
}

std::vector<KeyValue> parseKeyValues(std::string_view text)
{
    if (text.find('\0') != std::string_view::npos)
        throw GameFileError(Phrase(VARNICK_PHRASE("GameFiles", "is not a text file (it holds NUL bytes)")));
    return Parser(text).parseAll();
}

std::vector<std::filesystem::path> libraryFolders(std::string_view text)
{
    const std::vector<KeyValue> top = parseKeyValues(text);
    const KeyValue* list = nullptr;
    for (const KeyValue& entry : top) {
        if (entry.isBlock && equalsNoCase(entry.key, "libraryfolders")) {
            list = &entry;
            break;
        }
    }
    if (list == nullptr)
        throw GameFileError(Phrase(
            VARNICK_PHRASE("GameFiles", "is not a list of Steam libraries (it has no \"libraryfolders\" block)")));
    std::vector<std::filesystem::path> folders;
    for (const KeyValue& entry : list->children) {
        if (!isDigits(entry.key))
            continue;
        const std::string* path = nullptr;
        if (!entry.isBlock)
            path = &entry.value;
        else if (const KeyValue* named = entry.child("path"); named != nullptr && !named->isBlock)
            path = &named->value;
        if (path != nullptr && !path->empty())
            folders.push_back(pathFromUtf8(*path));
    }
    return folders;
}

std::optional<std::string> manifestInstallFolder(std::string_view text)
{
    for (const KeyValue& entry : parseKeyValues(text)) {
        if (!entry.isBlock || !equalsNoCase(entry.key, "AppState"))
            continue;
        const KeyValue* folder = entry.child("installdir");
        if (folder != nullptr && !folder->isBlock && !folder->value.empty())
            return folder->value;
    }
    return std::nullopt;
}

} // namespace varnick::steam
