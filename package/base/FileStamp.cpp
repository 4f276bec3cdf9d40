#include "package/base/FileStamp.h"

#include <system_error>

namespace varnick {

std::optional<FileStamp> fileStampOf(const std::filesystem::path& fileName)
{
    std::error_code error;
    FileStamp stamp;
    stamp.size = std::filesystem::file_size(fileName, error);
    if (error)
        return std::nullopt;
    stamp.modified = std::filesystem::last_write_time(fileName, error);
    if (error)
        return std::nullopt;
    return stamp;
}

} // namespace varnick
