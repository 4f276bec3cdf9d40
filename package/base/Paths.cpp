#include "package/base/Paths.h"

#include "package/base/Utf8.h"

#include <algorithm>

namespace varnick {

// Off Windows a path's own bytes are its UTF-8 form, and every folder scan
// converts each name both ways: a plain copy spares a byte-by-byte one.

std::string pathToUtf8(const std::filesystem::path& path)
{
#ifdef _WIN32
    // The standard library's conversion throws on a lone surrogate, which
    // would end a whole scan over one oddly named file.
    return utf8FromWide(path.native());
#else
    return path.native();
#endif
}

std::filesystem::path pathFromUtf8(std::string_view text)
{
#ifdef _WIN32
    // Invalid UTF-8 becomes U+FFFD here too instead of an exception.
    return std::filesystem::path(wideFromUtf8(text));
#else
    return std::filesystem::path(std::string(text));
#endif
}

bool isUnicodePath(const std::filesystem::path& path)
{
#ifdef _WIN32
    const std::wstring& text = path.native();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
            ++i;
        else if (c >= 0xD800 && c <= 0xDFFF)
            return false;
    }
    return true;
#else
    (void)path;
    return true;
#endif
}

std::filesystem::path systemPath(const std::filesystem::path& path)
{
#ifdef _WIN32
    // CreateDirectoryW's limit (MAX_PATH less room for an 8.3 name) is the lowest of the classic ones.
    constexpr std::size_t kClassicLimit = 260 - 12;
    const std::wstring& text = path.native();
    if (text.size() < kClassicLimit || text.starts_with(L"\\\\?\\") || text.starts_with(L"\\\\.\\"))
        return path;
    if (text.starts_with(L"\\\\") || text.starts_with(L"//")) {
        // A network path: its server and share stay as written.
        std::wstring unc = text.substr(2);
        std::replace(unc.begin(), unc.end(), L'/', L'\\');
        return std::filesystem::path(L"\\\\?\\UNC\\" + unc);
    }
    std::error_code error;
    std::filesystem::path full = path.is_absolute() ? path : std::filesystem::absolute(path, error);
    if (error)
        return path;
    full = full.lexically_normal();
    full.make_preferred();
    const std::wstring& normal = full.native();
    if (normal.size() < kClassicLimit)
        return full;
    if (normal.size() >= 3 && normal[1] == L':' && normal[2] == L'\\')
        return std::filesystem::path(L"\\\\?\\" + normal);
    return path;
#else
    return path;
#endif
}

} // namespace varnick
