// Fuzzes the catalog editor's reading of a package: the load takes the
// definition and the text list or refuses cleanly, and the text list it would
// write for a new name and description (the loaded bytes with only the shown
// pair spliced anew) always reads back as a text list holding that name.
#include "app/editor/core/ObjectEditor.h"
#include "fuzz/common/ScratchFile.h"
#include "package/TextList.h"
#include "package/base/ErrorTrap.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

using namespace varnick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const fuzz::ScratchFile scratch("fuzz-catalog-editor");
    const std::filesystem::path& file = scratch.write(data, size);
    ObjectEditor editor;
    try {
        if (editor.load(file) != ObjectEditor::LoadResult::Loaded || !editor.hasTextList())
            return 0;
        ObjectEdits edits = editor.loadedEdits();
        edits.name = "Fuzzed name";
        edits.description = "line one\r\nline two";
        const std::optional<ByteString> bytes = editor.editedTextListBytes(edits);
        if (!bytes)
            std::abort(); // a changed name must be written
        TextList list;
        gsReadTextList(*bytes, list);
        bool found = false;
        for (const TextListEntry& entry : list.Entries)
            found = found || entry.Text == "Fuzzed name";
        if (!found)
            std::abort();
    } catch (const Failure&) {
        // A damaged package or resource is refused cleanly.
    }
    return 0;
}
