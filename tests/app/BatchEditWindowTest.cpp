#include "app/editor/frmBatchEdit.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/TextBridge.h"
#include "package/PackageReader.h"
#include "tests/common/EditorPackages.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using namespace varnick;
using namespace varnick::test;

class BatchEditWindowTest : public QObject {
    Q_OBJECT
private slots:
    void showsMixedStatesAndWritesOnlyTheChangedControls();
};

void BatchEditWindowTest::showsMixedStatesAndWritesOnlyTheChangedControls()
{
    MessageBox::TestScope boxes;
    TempDir dir;
    TempDir userData;
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
    const BatchSummary summary = window.save();
    QCOMPARE(summary.count(BatchOutcome::Saved), std::size_t { 2 });
    QCOMPARE(boxes.shown().size(), 1);
    QCOMPARE(boxes.shown().front().title, QStringLiteral("Save Successful"));

    const struct {
        std::uint16_t hunger, rooms, build;
    } expected[] = { { 2, 2, 1 }, { 5, 0, 0 } };
    for (std::size_t i = 0; i < files.size(); ++i) {
        const ObjectDefinition saved = chooseObjectDefinition(readPackage(files[i]))->Definition;
        QCOMPARE(saved.amount(ObjectField::Price), std::uint16_t { 500 });
        QCOMPARE(saved.flags(ObjectField::FunctionSortFlags), std::uint16_t { 16 });
        QCOMPARE(saved.flags(ObjectField::HungerRating), expected[i].hunger);
        QCOMPARE(saved.flags(ObjectField::RoomSortFlags), expected[i].rooms);
        QCOMPARE(saved.flags(ObjectField::BuildModeType), expected[i].build);
    }
    qunsetenv("VARNICK_USER_DATA_DIR");
}

QTEST_MAIN(BatchEditWindowTest)
#include "BatchEditWindowTest.moc"
