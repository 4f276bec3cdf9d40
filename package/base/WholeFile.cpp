#include "package/base/WholeFile.h"

#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"
#include "package/base/RawFile.h"
#include "package/base/ScratchFile.h"

#include <limits>
#include <string>

namespace fs = std::filesystem;

namespace varnick {

ByteString readWholeFile(const fs::path& file)
{
    RawFile in(file, RawFile::Mode::Read);
    const std::int64_t size = in.size();
    if (size > std::numeric_limits<std::int32_t>::max()) {
        throw Failure(ErrorCode::ResourceTooLarge,
            "\"" + pathToUtf8(file) + "\" holds " + std::to_string(size) + " bytes, more than 2 GiB");
    }
    ByteString bytes(static_cast<std::size_t>(size), '\0');
    if (size > 0)
        in.readAt(0, bytes.data(), bytes.size());
    in.close();
    return bytes;
}

void writeWholeFile(const fs::path& target, ByteView bytes)
{
    ScratchFile scratch(target);
    scratch.write(bytes);
    scratch.commit();
}

} // namespace varnick
