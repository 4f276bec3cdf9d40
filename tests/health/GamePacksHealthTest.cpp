// The game's own objects for the health review come from the object package
// of every pack, whatever the edition's layout.
#include "app/health/index/LibraryIndex.h"
#include "app/health/index/LibraryScan.h"
#include "package/ObjectDefinition.h"
#include "tests/common/TemporaryFolder.h"
#include "tools/common/PackageBuilder.h"

#include <gtest/gtest.h>

using namespace varnick;
using namespace varnick::health;
using namespace varnick::test;

namespace {

ByteString gameObjects(std::uint32_t guid)
{
    ObjectDefinition definition = makeObjectDefinition();
    definition.setRaw(ObjectField::GUID, guid);
    return PackageBuilder().add("4F424A44", "7FD46CD0", "00000041", "00000000", definition.data()).build();
}

void writePack(const TemporaryFolder& game, const std::string& pack, std::uint32_t guid)
{
    std::filesystem::create_directories(game.path() / pack / "TSData" / "Res" / "Objects");
    game.write(pack + "/TSData/Res/Objects/objects.package", gameObjects(guid));
}

std::vector<std::uint32_t> gameGuids(const std::filesystem::path& game)
{
    TemporaryFolder library;
    TemporaryFolder data;
    LibraryIndex index(data.path() / "index.sqlite");
    ScanOptions options;
    options.root = library.path();
    options.gameFolder = game;
    options.threads = 2;
    return scanLibrary(index, options).gameGuids;
}

} // namespace

TEST(GamePacksHealth, readsTheObjectsOfEveryLegacyPackAndNoOtherGamePackage)
{
    TemporaryFolder game;
    writePack(game, "Base", 0x100);
    writePack(game, "EP1", 0x200);
    writePack(game, "SP8", 0x300);
    // Other packages of the game define no objects of their own for this purpose and are not read.
    std::filesystem::create_directories(game.path() / "EP9" / "TSData" / "Res" / "Catalog");
    game.write("EP9/TSData/Res/Catalog/extra.package", gameObjects(0x999));
    EXPECT_EQ(gameGuids(game.path()), (std::vector<std::uint32_t> { 0x100, 0x200, 0x300 }));
}

TEST(GamePacksHealth, aFolderOfNoKnownLayoutIsReadWhole)
{
    TemporaryFolder game;
    std::filesystem::create_directories(game.path() / "Somewhere");
    game.write("Somewhere/objects.package", gameObjects(0x400));
    EXPECT_EQ(gameGuids(game.path()), (std::vector<std::uint32_t> { 0x400 }));
}
