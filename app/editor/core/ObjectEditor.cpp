#include "app/editor/core/ObjectEditor.h"

#include "app/backups/core/BackupStore.h"
#include "app/editor/core/CatalogLists.h"
#include "app/editor/core/NumericFields.h"
#include "app/platform/Utility.h"
#include "package/BinarySupport.h"
#include "package/CompressedResource.h"
#include "package/PackageReader.h"
#include "package/PackageWriter.h"
#include "package/Recompress.h"
#include "package/TypeIds.h"
#include "package/base/ErrorTrap.h"
#include "package/base/FileStamp.h"
#include "package/base/KelvoraBinding.h"
#include "package/base/ScratchFile.h"
#include "package/base/Utf8.h"

#include <algorithm>
#include <system_error>

namespace varnick {

namespace {

// Text as the player typed it, as catalog bytes: valid UTF-8 without carriage
// returns (line breaks are stored as bare line feeds) and without NUL, which
// would end the stored text early.
std::string typedText(std::string_view text)
{
    std::string clean = toValidUtf8(gfstrStripCR(text));
    std::erase(clean, '\0');
    return clean;
}

/*
 Where each entry of a text list lies in its bytes (layout: package/TextList.cpp):

   0 .. 63   name          64 .. 65  format code     66 .. 67  entry count
   68 ..     entries: language code (1 byte), text up to NUL, description up to NUL

 The reader has already accepted the data, so every entry's language code is
 present; a text without its NUL ends at the end of the data.
*/
struct EntrySpan {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool terminated = true;
};

std::vector<EntrySpan> entrySpans(ByteView data, std::size_t count)
{
    std::vector<EntrySpan> spans;
    std::size_t at = kTextListNameSize + 4;
    for (std::size_t i = 0; i < count && at < data.size(); ++i) {
        EntrySpan span;
        span.begin = at++;
        for (int text = 0; text < 2; ++text) {
            const std::size_t nul = data.find('\0', std::min(at, data.size()));
            if (nul == ByteView::npos) {
                at = data.size();
                span.terminated = false;
            } else {
                at = nul + 1;
            }
        }
        span.end = at;
        spans.push_back(span);
    }
    return spans;
}

ByteString encodeEntry(const TextListEntry& entry)
{
    ByteString bytes = entry.Language.empty() ? ByteString(1, kEnglishLanguage) : entry.Language.substr(0, 1);
    bytes += entry.Text;
    bytes += '\0';
    bytes += entry.Description;
    bytes += '\0';
    return bytes;
}

TextListEntry englishEntry(std::string text)
{
    return TextListEntry { ByteString(1, kEnglishLanguage), std::move(text), ByteString(kEditedDescription) };
}

bool sameRecordIdentity(const DirectoryEntry& record, const PackageResource& resource, bool withResourceId)
{
    return record.TypeID == resource.TypeID && record.GroupID == resource.GroupID
        && record.InstanceID == resource.InstanceID && (!withResourceId || record.ResourceID == resource.ResourceID);
}

bool sameRecords(const std::vector<DirectoryEntry>& a, const std::vector<DirectoryEntry>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].TypeID != b[i].TypeID || a[i].GroupID != b[i].GroupID || a[i].InstanceID != b[i].InstanceID
            || a[i].ResourceID != b[i].ResourceID || a[i].Size != b[i].Size)
            return false;
    }
    return true;
}

// One resource the save gives new contents.
struct Replaced {
    std::size_t file = 0; ///< position in Files
    std::size_t plainSize = 0;
    bool compressed = false;
};

} // namespace

std::string limitedText(std::string_view text, std::size_t maxCharacters)
{
    std::string valid = toValidUtf8(text);
    std::size_t characters = 0;
    for (std::size_t i = 0; i < valid.size(); ++i) {
        // Every byte that does not continue a sequence starts a character.
        if ((static_cast<unsigned char>(valid[i]) & 0xC0) != 0x80 && ++characters > maxCharacters) {
            valid.resize(i);
            break;
        }
    }
    return valid;
}

ByteString directoryTypeId()
{
    return gfstr4HexToSimsID("E86B1EEF");
}

ObjectEditor::LoadResult ObjectEditor::load(const std::filesystem::path& fileName)
{
    const LocationScope callersStep;
    *this = ObjectEditor {};
    mFileName = fileName;
    // The stamp is taken before reading, so a change while reading counts as a change.
    const std::optional<FileStamp> stamp = fileStampOf(fileName);
    mPackage = readPackage(fileName);
    if (!stamp)
        throw Failure(ErrorCode::FileReadFailed, "The package's size and modification time cannot be read");
    mStamp = *stamp;

    setLocation(2000);
    for (const PackageResource& resource : mPackage.Files) {
        if (resource.TypeID == gstrTypeCTSS) {
            if (!mTextListInstance.empty()) {
                mTextListInstance.clear();
                mTextListData.clear();
                mTextList = TextList {};
                break;
            }
            mTextListData = decompressResource(resource.Data);
            gsReadTextList(mTextListData, mTextList);
            mTextListInstance = resource.InstanceID;
        }
    }
    for (std::size_t i = 0; i < mTextList.Entries.size(); ++i) {
        if (mTextList.Entries[i].Language.size() == 1 && mTextList.Entries[i].Language[0] == kEnglishLanguage) {
            mNameEntry = i;
            break;
        }
    }

    setLocation(3000);
    std::optional<ChosenDefinition> chosen = chooseObjectDefinition(mPackage);
    mLoadPhrase = definitionRefusalPhrase(chosen ? &chosen->definition : nullptr).value_or(Phrase());
    mLoadMessage = mLoadPhrase.english();
    if (!chosen)
        return LoadResult::MissingDefinition;
    if (!mLoadMessage.empty())
        return LoadResult::ShortDefinition;
    mDefinition = std::move(chosen->definition);
    mDefinitionInstance = std::move(chosen->instanceId);
    mLoaded = true;
    return LoadResult::Loaded;
}

std::string ObjectEditor::shownName() const
{
    if (!mNameEntry)
        return {};
    return toValidUtf8(mTextList.Entries[*mNameEntry].Text);
}

std::string ObjectEditor::shownDescription() const
{
    if (!mNameEntry || *mNameEntry + 1 >= mTextList.Entries.size())
        return {};
    return gfstrFixLineFeeds(toValidUtf8(mTextList.Entries[*mNameEntry + 1].Text));
}

void ObjectEditor::clearAllFlags()
{
    mFlagsCleared = true;
}

std::uint16_t ObjectEditor::flagBase(ObjectField field) const
{
    return mFlagsCleared ? 0 : mDefinition.flags(field);
}

ObjectEdits ObjectEditor::loadedEdits() const
{
    ObjectEdits edits;
    edits.name = shownName();
    edits.description = shownDescription();
    for (const NumericBox& box : kNumericBoxes)
        edits.numbers[box.field] = numericFieldText(mDefinition, box.field);
    std::uint16_t category[2] = { 0, 0 };
    for (const CatalogList list : { CatalogList::Function, CatalogList::FuncSub, CatalogList::Build,
             CatalogList::BuildSub, CatalogList::Room, CatalogList::Community, CatalogList::Skills }) {
        std::span<const CategoryEntry> entries = listEntries(list);
        if (list == CatalogList::FuncSub)
            entries = subEntries(list, category[0]);
        else if (list == CatalogList::BuildSub)
            entries = subEntries(list, category[1]);
        const ObjectField field = fieldOfList(list);
        const std::uint16_t value
            = selectionValue(entries, selectedByLoad(entries, mDefinition.flags(field), isSingleSelection(list)));
        if (list == CatalogList::Function)
            category[0] = value;
        else if (list == CatalogList::Build)
            category[1] = value;
        edits.selections[field] = value;
    }
    const std::uint16_t wants = mDefinition.flags(ObjectField::WantsSatisfyCategory);
    edits.selections[ObjectField::WantsSatisfyCategory] = wantsPositionOf(wants) ? wants : 0;
    return edits;
}

ObjectDefinition ObjectEditor::editedDefinition(const ObjectEdits& edits) const
{
    ObjectDefinition edited = mDefinition;
    for (const auto& [field, text] : edits.numbers) {
        const ObjectFieldKind kind = fieldInfo(field).kind;
        if (kind != ObjectFieldKind::Amount && kind != ObjectFieldKind::Motive)
            throw Failure(ErrorCode::InvalidArgument,
                "Field " + std::string(fieldInfo(field).name) + " is not edited as a number");
        edited.setRaw(field, numericFieldBits(field, text));
    }
    // The category a sub-list follows: the one being written, else the one the load shows.
    const ObjectEdits shown = loadedEdits();
    const auto category = [&](ObjectField field) {
        const auto given = edits.selections.find(field);
        return given != edits.selections.end() ? given->second : shown.selections.at(field);
    };
    for (const auto& [field, value] : edits.selections) {
        if (field == ObjectField::WantsSatisfyCategory) {
            edited.setRaw(field, wantsPositionOf(value) ? value : 0);
            continue;
        }
        const std::optional<CatalogList> list = listOfField(field);
        if (!list)
            throw Failure(
                ErrorCode::InvalidArgument, "Field " + std::string(fieldInfo(field).name) + " is not edited as a list");
        std::span<const CategoryEntry> entries = listEntries(*list);
        if (*list == CatalogList::FuncSub)
            entries = subEntries(*list, category(ObjectField::FunctionSortFlags));
        else if (*list == CatalogList::BuildSub)
            entries = subEntries(*list, category(ObjectField::BuildModeType));
        // Bits the list shows are written as selected; bits it has no entry for
        // (the player never saw them) are kept, unless all flags were cleared.
        const std::uint16_t mask = entryMask(entries);
        edited.setRaw(field, static_cast<std::uint16_t>((flagBase(field) & ~mask) | (value & mask)));
    }
    return edited;
}

ObjectEditor::TextChanges ObjectEditor::textChanges(const ObjectEdits& edits) const
{
    TextChanges changes;
    if (edits.name && gfstrStripCR(*edits.name) != gfstrStripCR(shownName()))
        changes.name = typedText(*edits.name);
    if (edits.description && gfstrStripCR(*edits.description) != gfstrStripCR(shownDescription()))
        changes.description = typedText(*edits.description);
    return changes;
}

TextList ObjectEditor::editedTextList(const ObjectEdits& edits) const
{
    TextList list = mTextList;
    const TextChanges changes = textChanges(edits);
    if (!hasTextList() || (!changes.name && !changes.description))
        return list;
    if (!mNameEntry) {
        list.Entries.push_back(englishEntry(changes.name.value_or(std::string())));
        list.Entries.push_back(englishEntry(changes.description.value_or(std::string())));
        return list;
    }
    const std::size_t at = *mNameEntry;
    if (changes.name)
        list.Entries[at] = englishEntry(*changes.name);
    if (changes.description) {
        if (at + 1 < list.Entries.size())
            list.Entries[at + 1] = englishEntry(*changes.description);
        else
            list.Entries.push_back(englishEntry(*changes.description));
    }
    return list;
}

std::optional<ByteString> ObjectEditor::editedTextListBytes(const ObjectEdits& edits) const
{
    const TextChanges changes = textChanges(edits);
    if (!hasTextList() || (!changes.name && !changes.description))
        return std::nullopt;
    const TextList edited = editedTextList(edits);
    if (edited.Entries.size() > 0xFFFF)
        throw Failure(ErrorCode::InvalidArgument, "The text list would hold more than 65535 entries");
    const std::vector<EntrySpan> spans = entrySpans(mTextListData, mTextList.Entries.size());
    const std::size_t firstChanged = mNameEntry ? *mNameEntry : mTextList.Entries.size();

    ByteString bytes(ByteView(mTextListData).substr(0, kTextListNameSize + 2));
    const auto count = static_cast<unsigned>(edited.Entries.size());
    bytes += static_cast<char>(count & 0xFF);
    bytes += static_cast<char>(count >> 8);
    std::size_t tail = kTextListNameSize + 4;
    for (std::size_t i = 0; i < edited.Entries.size(); ++i) {
        const bool replaced = (changes.name && i == firstChanged) || (changes.description && i == firstChanged + 1);
        if (i < spans.size() && !replaced && (spans[i].terminated || i + 1 == edited.Entries.size()))
            bytes.append(ByteView(mTextListData).substr(spans[i].begin, spans[i].end - spans[i].begin));
        else
            bytes += encodeEntry(edited.Entries[i]);
        if (i < spans.size())
            tail = spans[i].end;
    }
    // Bytes after the last entry are carried as they were.
    if (tail < mTextListData.size())
        bytes.append(ByteView(mTextListData).substr(tail));
    return bytes;
}

ObjectEditor::SaveResult ObjectEditor::save(const ObjectEdits& edits, const SaveOptions& options)
{
    const LocationScope callersStep;
    if (!mLoaded)
        throw Failure(ErrorCode::InvalidArgument, "No object is loaded to save");
    mLastChanges.clear();
    setLocation(1000);
    const ObjectDefinition definition = editedDefinition(edits);
    const std::optional<ByteString> textList = editedTextListBytes(edits);

    PackageFile pkg = mPackage;
    std::vector<Replaced> replaced;
    setLocation(2000);
    if (textList) {
        for (std::size_t i = 0; i < pkg.Files.size(); ++i) {
            PackageResource& file = pkg.Files[i];
            if (file.TypeID == gstrTypeCTSS && file.InstanceID == mTextListInstance) {
                file.Data = *textList;
                replaced.push_back({ i, textList->size(), false });
            }
        }
        mLastChanges.push_back("text list");
    }
    setLocation(3000);
    if (definition.data() != mDefinition.data()) {
        for (std::size_t i = 0; i < pkg.Files.size(); ++i) {
            PackageResource& file = pkg.Files[i];
            if (file.TypeID == gstrTypeOBJD && file.InstanceID == mDefinitionInstance) {
                file.Data = definition.data();
                replaced.push_back({ i, definition.data().size(), false });
            }
        }
        mLastChanges.insert(mLastChanges.begin(), "definition");
    }
    if (replaced.empty())
        return SaveResult::NothingChanged;

    // The directory of compressed files lists exactly the resources stored
    // compressed: records of replaced resources go when they are stored plain,
    // and carry the new plain size when the hook stored them compressed.
    setLocation(3500);
    const ByteString directoryType = directoryTypeId();
    std::vector<std::size_t> directories;
    for (std::size_t i = 0; i < pkg.Files.size(); ++i) {
        if (pkg.Files[i].TypeID == directoryType)
            directories.push_back(i);
    }
    if ((options.keepCompressed || options.compressReplaced) && directories.size() == 1) {
        for (Replaced& r : replaced) {
            std::optional<ByteString> packed;
            if (!options.keepCompressed)
                packed = options.compressReplaced(pkg.Files[r.file].Data);
            else if (isCompressedResource(mPackage.Files[r.file].Data))
                packed = kelvoraCompressLevel(pkg.Files[r.file].Data, kDefaultRecompressLevel);
            if (packed) {
                pkg.Files[r.file].Data = std::move(*packed);
                r.compressed = true;
            }
        }
    }
    const bool withResourceId = pkg.IndexMinorVersion == 2;
    for (const std::size_t d : directories) {
        const std::vector<DirectoryEntry> records = parseDirectory(pkg.Files[d].Data, pkg.IndexMinorVersion);
        std::vector<DirectoryEntry> kept;
        std::vector<bool> listed(replaced.size(), false);
        for (const DirectoryEntry& record : records) {
            std::size_t r = 0;
            while (r < replaced.size() && !sameRecordIdentity(record, pkg.Files[replaced[r].file], withResourceId))
                ++r;
            if (r == replaced.size()) {
                kept.push_back(record);
            } else if (replaced[r].compressed && !listed[r]) {
                listed[r] = true;
                kept.push_back(record);
                kept.back().Size = static_cast<std::int32_t>(replaced[r].plainSize);
            }
        }
        for (std::size_t r = 0; r < replaced.size(); ++r) {
            if (replaced[r].compressed && !listed[r]) {
                const PackageResource& file = pkg.Files[replaced[r].file];
                kept.push_back({ file.key(), static_cast<std::int32_t>(replaced[r].plainSize) });
            }
        }
        if (!sameRecords(records, kept)) {
            gsWriteDirectory(pkg.Files[d].Data, kept, pkg.IndexMinorVersion);
            if (std::find(mLastChanges.begin(), mLastChanges.end(), "directory of compressed files")
                == mLastChanges.end())
                mLastChanges.push_back("directory of compressed files");
        }
    }

    // Written beside the package and renamed over it in one step: the package
    // is the old one or the new one, never missing or half written.
    setLocation(4000);
    if (fileStampOf(mFileName) != std::optional<FileStamp>(mStamp))
        return SaveResult::ChangedOnDisk;
    ScratchFile scratch = writePackageScratch(pkg, mFileName);
    if (options.beforeReplaceForTesting)
        options.beforeReplaceForTesting(scratch.path());
    // The backup comes before the last check, so that the check sits right
    // before the replace. The replace is a rename, so the backup may keep the
    // old file itself rather than a copy.
    KeptBackup kept;
    if (options.backups)
        kept = options.backups->keepBeforeReplace(mFileName);
    if (fileStampOf(mFileName) != std::optional<FileStamp>(mStamp))
        return SaveResult::ChangedOnDisk;
    scratch.commit();
    kept.fileReplaced();

    // The saved state is the new loaded state.
    mPackage = std::move(pkg);
    mDefinition = definition;
    if (textList) {
        mTextListData = *textList;
        gsReadTextList(mTextListData, mTextList);
    }
    mFlagsCleared = false;
    if (const std::optional<FileStamp> now = fileStampOf(mFileName))
        mStamp = *now;
    return SaveResult::Saved;
}

bool ObjectEditor::changesAnything(const ObjectEdits& edits) const
{
    if (!mLoaded)
        return false;
    // As save() decides it: a replaced text list or definition resource.
    const bool textList = editedTextListBytes(edits).has_value();
    const bool definition = editedDefinition(edits).data() != mDefinition.data();
    for (const PackageResource& file : mPackage.Files) {
        if (textList && file.TypeID == gstrTypeCTSS && file.InstanceID == mTextListInstance)
            return true;
        if (definition && file.TypeID == gstrTypeOBJD && file.InstanceID == mDefinitionInstance)
            return true;
    }
    return false;
}

std::optional<Phrase> definitionRefusalPhrase(const ObjectDefinition* chosen)
{
    if (chosen == nullptr)
        return Phrase(VARNICK_PHRASE("ObjectEditor", "Missing OBJD"));
    if (!chosen->isComplete())
        return Phrase(VARNICK_PHRASE("ObjectEditor", "OBJD too short: %1 bytes, the catalog fields need %2"),
            { std::to_string(chosen->data().size()), std::to_string(kObjectDefinitionMinimumSize) });
    return std::nullopt;
}

std::string definitionRefusal(const ObjectDefinition* chosen)
{
    const std::optional<Phrase> refusal = definitionRefusalPhrase(chosen);
    return refusal ? refusal->english() : std::string();
}

} // namespace varnick
