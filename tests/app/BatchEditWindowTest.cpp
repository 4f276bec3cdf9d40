#include "app/editor/SaveSettings.h"
#include "app/editor/frmBatchEdit.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/Settings.h"
#include "app/platform/qt/TextBridge.h"
#include "package/CompressedResource.h"
#include "package/PackageReader.h"
#include "package/base/KelvoraBinding.h"
#include "tests/common/EditorPackages.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>

#include <memory>

using namespace varnick;
using namespace varnick::test;

class BatchEditWindowTest : public QObject {
    Q_OBJECT
private slots:
    void showsMixedStatesAndWritesOnlyTheChangedControls();
    void subListsFollowTheCategoryAndTextsAreWrittenOnlyWhenChanged();
    void keepsSavedResourcesCompressedWhenTheSettingSaysSo();
    void keyboardReachesEveryControlInOrderAndAMixedEntryTakesOneClick();
};

// Tab walks the window as it reads, the single editor's accelerators reach the
// same controls, and a mixed list entry is checked by one click, then cleared,
// then mixed again (each object's own).
void BatchEditWindowTest::keyboardReachesEveryControlInOrderAndAMixedEntryTakesOneClick()
{
    MessageBox::TestScope boxes;
    TemporaryFolder dir;
    EditorPackage one;
    one.set(ObjectField::RoomSortFlags, 1 | 2);
    EditorPackage two;
    two.set(ObjectField::RoomSortFlags, 1);
    BatchEdit batch;
    batch.load({ one.write(dir, "one.package"), two.write(dir, "two.package") });
    frmBatchEdit window(std::move(batch));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    const char* const order[]
        = { "txtName", "txtDesc", "txtPrice", "txtNice", "txtInitDep", "txtDailyDep", "txtDepLimit", "txtHunger",
              "txtComfort", "txtHygiene", "txtBladder", "txtEnergy", "txtFun", "txtRoom", "lstFunction", "lstFuncSub",
              "lstBuild", "lstBuildSub", "lstRoom", "lstCommunity", "lstSkills", "cboWants", "cmdSave", "cmdQuit" };
    window.findChild<QLineEdit*>(QStringLiteral("txtName"))->setFocus(Qt::TabFocusReason);
    QStringList visited;
    QStringList expected;
    // A sub-list waits, disabled, for its category: Tab passes it by.
    for (const char* name : order) {
        if (!window.findChild<QWidget*>(QLatin1String(name))->isEnabled())
            continue;
        expected.append(QString::fromLatin1(name));
        visited.append(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, expected);

    const struct {
        Qt::Key key;
        const char* control;
    } accelerators[] = { { Qt::Key_N, "txtName" }, { Qt::Key_P, "txtPrice" }, { Qt::Key_H, "txtHunger" },
        { Qt::Key_T, "lstFunction" }, { Qt::Key_O, "lstRoom" }, { Qt::Key_W, "cboWants" } };
    for (const auto& a : accelerators) {
        QTest::keyClick(&window, a.key, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(a.control));
    }

    auto* room = window.findChild<QListWidget*>(QStringLiteral("lstRoom"));
    QListWidgetItem* bedroom = room->item(1);
    QCOMPARE(bedroom->checkState(), Qt::PartiallyChecked);
    const auto clickBox = [&] {
        QStyleOptionViewItem option;
        option.initFrom(room->viewport());
        option.rect = room->visualItemRect(bedroom);
        option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
        option.text = bedroom->text();
        const QRect box = room->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, room);
        QTest::mouseClick(room->viewport(), Qt::LeftButton, {}, box.center());
    };
    clickBox();
    QCOMPARE(bedroom->checkState(), Qt::Checked);
    QCOMPARE(window.changes().flags.at(ObjectField::RoomSortFlags).set, std::uint16_t { 2 });
    clickBox();
    QCOMPARE(bedroom->checkState(), Qt::Unchecked);
    QCOMPARE(window.changes().flags.at(ObjectField::RoomSortFlags).clear, std::uint16_t { 2 });
    // Space on the current entry goes on as a click does: back to mixed, nothing to write.
    room->setCurrentItem(bedroom, QItemSelectionModel::NoUpdate);
    QTest::keyClick(room, Qt::Key_Space);
    QCOMPARE(bedroom->checkState(), Qt::PartiallyChecked);
    QVERIFY(window.changes().empty());
}

// The batch save follows "Keep saved resources compressed" as the editor's own save does.
void BatchEditWindowTest::keepsSavedResourcesCompressedWhenTheSettingSaysSo()
{
    Settings::TemporaryStore store;
    MessageBox::TestScope boxes;
    TemporaryFolder dir;
    TemporaryFolder userData;
    qputenv("VARNICK_USER_DATA_DIR", text::fromPath(userData.path()).toUtf8());
    const EditorPackage object;
    const std::optional<ByteString> definition = kelvoraCompressLevel(object.definition.data(), 6);
    QVERIFY(definition.has_value());
    PackageBuilder builder;
    builder.add("4F424A44", "7FD46CD0", "000041A7", "00000000", *definition);
    builder.add("43545353", "7FD46CD0", "00000085", "00000000", textListBytes(object.entries));
    builder.add("E86B1EEF", "E86B1EEF", "286B1F03", "00000000",
        storedId("4F424A44") + storedId("7FD46CD0") + storedId("000041A7") + storedId("00000000")
            + le32(static_cast<std::uint32_t>(object.definition.data().size())));
    for (const bool keep : { true, false }) {
        setKeepSavedResourcesCompressed(keep);
        const auto file = dir.write(keep ? "on.package" : "off.package", builder.build());
        BatchEdit batch;
        batch.load({ file });
        frmBatchEdit window(std::move(batch));
        window.findChild<QLineEdit*>(QStringLiteral("txtPrice"))->setText(QStringLiteral("77"));
        boxes.answerNext(QMessageBox::Save);
        QCOMPARE(window.save().count(BatchOutcome::Saved), std::size_t { 1 });
        QCOMPARE(isCompressedResource(readPackage(file).Files.front().Data), keep);
    }
    qunsetenv("VARNICK_USER_DATA_DIR");
}

void BatchEditWindowTest::showsMixedStatesAndWritesOnlyTheChangedControls()
{
    MessageBox::TestScope boxes;
    TemporaryFolder dir;
    TemporaryFolder userData;
    qputenv("VARNICK_USER_DATA_DIR", text::fromPath(userData.path()).toUtf8());
    EditorPackage one;
    one.set(ObjectField::Price, 120).set(ObjectField::HungerRating, 2).set(ObjectField::RoomSortFlags, 1 | 2);
    one.set(ObjectField::BuildModeType, 1);
    EditorPackage two;
    two.set(ObjectField::Price, 120).set(ObjectField::HungerRating, 5).set(ObjectField::RoomSortFlags, 1);
    const std::vector<std::filesystem::path> files { one.write(dir, "one.package"), two.write(dir, "two.package") };

    BatchEdit batch;
    batch.load(files);
    frmBatchEdit window(std::move(batch));
    const auto box = [&](const char* name) { return window.findChild<QLineEdit*>(QString::fromLatin1(name)); };
    const auto list = [&](const char* name) { return window.findChild<QListWidget*>(QString::fromLatin1(name)); };
    QCOMPARE(box("txtPrice")->text(), QStringLiteral("120"));
    QCOMPARE(box("txtHunger")->text(), QString());
    QCOMPARE(box("txtHunger")->placeholderText(), QStringLiteral("(mixed)"));
    QCOMPARE(list("lstRoom")->item(0)->checkState(), Qt::Checked); // Kitchen in both
    QCOMPARE(list("lstRoom")->item(1)->checkState(), Qt::PartiallyChecked); // Bedroom in one
    QCOMPARE(list("lstRoom")->item(2)->checkState(), Qt::Unchecked);
    QVERIFY(list("lstBuild")->selectedItems().isEmpty()); // the build types differ
    QVERIFY(window.changes().empty());

    // Price typed, Plumbing chosen, Kitchen cleared; the mixed boxes and entries stay per object.
    box("txtPrice")->clear();
    QTest::keyClicks(box("txtPrice"), QStringLiteral("500"));
    list("lstFunction")->setCurrentRow(4);
    list("lstRoom")->item(0)->setCheckState(Qt::Unchecked);
    boxes.answerNext(QMessageBox::Save);
    const BatchSummary summary = window.save();
    QCOMPARE(summary.count(BatchOutcome::Saved), std::size_t { 2 });
    QCOMPARE(boxes.shown().size(), 2);
    QCOMPARE(boxes.shown().front().title, QStringLiteral("Confirm Save"));
    QCOMPARE(boxes.shown().front().text,
        QStringLiteral("Set Price to 500, Function to Plumbing and Function Sub-Category to none; remove Kitchen "
                       "from Room on 2 objects?"));
    QCOMPARE(boxes.last().title, QStringLiteral("Save Successful"));

    const struct {
        std::uint16_t hunger, rooms, build;
    } expected[] = { { 2, 2, 1 }, { 5, 0, 0 } };
    for (std::size_t i = 0; i < files.size(); ++i) {
        const ObjectDefinition saved = chooseObjectDefinition(readPackage(files[i]))->definition;
        QCOMPARE(saved.amount(ObjectField::Price), std::uint16_t { 500 });
        QCOMPARE(saved.flags(ObjectField::FunctionSortFlags), std::uint16_t { 16 });
        QCOMPARE(saved.flags(ObjectField::HungerRating), expected[i].hunger);
        QCOMPARE(saved.flags(ObjectField::RoomSortFlags), expected[i].rooms);
        QCOMPARE(saved.flags(ObjectField::BuildModeType), expected[i].build);
    }
    qunsetenv("VARNICK_USER_DATA_DIR");
}

void BatchEditWindowTest::subListsFollowTheCategoryAndTextsAreWrittenOnlyWhenChanged()
{
    MessageBox::TestScope boxes;
    TemporaryFolder dir;
    TemporaryFolder userData;
    qputenv("VARNICK_USER_DATA_DIR", text::fromPath(userData.path()).toUtf8());
    // Both Comfort, as sofa and bed; build types and descriptions differ, the name agrees.
    EditorPackage one;
    one.set(ObjectField::FunctionSortFlags, 1).set(ObjectField::FunctionSubSort, 4);
    one.set(ObjectField::BuildModeType, 4).set(ObjectField::BuildModeSubType, 2).set(ObjectField::Price, 10);
    EditorPackage two;
    two.set(ObjectField::FunctionSortFlags, 1).set(ObjectField::FunctionSubSort, 8).set(ObjectField::Price, 20);
    two.entries = { { 1, "Chair", "" }, { 1, "Another chair", "" } };
    const std::vector<std::filesystem::path> files { one.write(dir, "one.package"), two.write(dir, "two.package") };

    const auto open = [&] {
        BatchEdit batch;
        batch.load(files);
        return std::make_unique<frmBatchEdit>(std::move(batch));
    };
    auto window = open();
    const auto list = [&](const char* name) { return window->findChild<QListWidget*>(QString::fromLatin1(name)); };
    auto* name = window->findChild<QLineEdit*>(QStringLiteral("txtName"));
    auto* description = window->findChild<QPlainTextEdit*>(QStringLiteral("txtDesc"));
    QCOMPARE(name->text(), QStringLiteral("Chair"));
    QCOMPARE(description->toPlainText(), QString());
    QCOMPARE(description->placeholderText(), QStringLiteral("(mixed)"));
    QVERIFY(list("lstFuncSub")->isEnabled());
    QCOMPARE(list("lstFuncSub")->count(), 6); // the Comfort group, shared by both
    QVERIFY(list("lstFuncSub")->selectedItems().isEmpty());
    QVERIFY(!list("lstBuildSub")->isEnabled());
    QVERIFY(window->findChild<QLabel*>(QStringLiteral("lstBuildSubHint"))->isVisibleTo(window.get()));
    QVERIFY(window->changes().empty());

    // Choosing a build type fills its sub-list; choosing the loaded state again changes nothing.
    list("lstBuild")->setCurrentRow(2); // Garden Center
    QVERIFY(list("lstBuildSub")->isEnabled());
    QCOMPARE(list("lstBuildSub")->count(), 3);
    list("lstBuild")->clearSelection();

    // Recliners and a new name; the mixed description and the build fields stay per object.
    list("lstFuncSub")->setCurrentRow(4);
    name->setText(QStringLiteral("Recliner"));
    boxes.answerNext(QMessageBox::Save);
    QCOMPARE(window->save().count(BatchOutcome::Saved), std::size_t { 2 });
    const struct {
        std::uint16_t build, buildSub, price;
        const char* description;
    } expected[] = { { 4, 2, 10, "A chair" }, { 0, 0, 20, "Another chair" } };
    for (std::size_t i = 0; i < files.size(); ++i) {
        const PackageFile saved = readPackage(files[i]);
        const ObjectDefinition definition = chooseObjectDefinition(saved)->definition;
        QCOMPARE(definition.flags(ObjectField::FunctionSortFlags), std::uint16_t { 1 });
        QCOMPARE(definition.flags(ObjectField::FunctionSubSort), std::uint16_t { 16 });
        QCOMPARE(definition.flags(ObjectField::BuildModeType), expected[i].build);
        QCOMPARE(definition.flags(ObjectField::BuildModeSubType), expected[i].buildSub);
        QCOMPARE(definition.amount(ObjectField::Price), expected[i].price);
        ObjectEditor editor;
        QCOMPARE(editor.load(files[i]), ObjectEditor::LoadResult::Loaded);
        QCOMPARE(editor.shownName(), std::string("Recliner"));
        QCOMPARE(editor.shownDescription(), std::string(expected[i].description));
    }

    // A new category refills the sub-list and writes no sub-category unless one is chosen.
    window = open();
    QCOMPARE(list("lstFuncSub")->currentRow(), 4);
    list("lstFunction")->setCurrentRow(2); // Appliances
    QCOMPARE(list("lstFuncSub")->count(), 5);
    QVERIFY(list("lstFuncSub")->selectedItems().isEmpty());
    const BatchChanges changes = window->changes();
    QCOMPARE(changes.selections,
        (std::map<ObjectField, std::uint16_t> {
            { ObjectField::FunctionSortFlags, 4 }, { ObjectField::FunctionSubSort, 0 } }));
    QVERIFY(!changes.name && !changes.description);
    list("lstFunction")->setCurrentRow(0); // back to Comfort: the loaded sub-category again
    QCOMPARE(list("lstFuncSub")->currentRow(), 4);
    QVERIFY(window->changes().empty());
    qunsetenv("VARNICK_USER_DATA_DIR");
}

QTEST_MAIN(BatchEditWindowTest)
#include "BatchEditWindowTest.moc"
