#include "app/backups/BackupSettings.h"
#include "app/browser/ObjectTableModel.h"
#include "app/browser/ObjectTableView.h"
#include "app/browser/frmMain.h"
#include "app/editor/frmBatchEdit.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/Settings.h"
#include "app/platform/qt/TextBridge.h"
#include "app/startup/GamePaths.h"
#include "app/startup/ThumbnailCache.h"
#include "package/Crc24.h"
#include "package/PackageReader.h"
#include "package/base/Paths.h"
#include "tests/common/EditorPackages.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFont>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

using namespace varnick;
using namespace varnick::test;
using browser::ObjectColumn;

class ObjectTableWindowTest : public QObject {
    Q_OBJECT
private slots:
    void fillsSortsFiltersAndSavesAnEditOfTwoSelectedRows();
    void mainWindowTableFollowsTheScanWithThumbnails();
    void unsavedChangesQuestionCanKeepThePlayerWhereTheyWere();
    void cellEditorSelectsOnEntryAndShowsAnOverRangePriceAsWritten();
};

namespace {

// A folder of three objects in the table, read and shown.
struct TableFolder {
    MessageBox::TestScope boxes;
    TemporaryFolder dir;
    TemporaryFolder userData;
    QStringList names { QStringLiteral("a.package"), QStringLiteral("b.package"), QStringLiteral("c.package") };
    ObjectTableView view;
    TableFolder()
    {
        qputenv("VARNICK_USER_DATA_DIR", text::fromPath(userData.path()).toUtf8());
        for (const QString& name : names) {
            EditorPackage package;
            package.set(ObjectField::Price, 100).entries = { { 1, text::toUtf8(name), "" }, { 1, "", "" } };
            package.write(dir, text::toUtf8(name));
        }
        view.model()->setThumbnailResolver(
            [](std::span<const std::string> files) { return std::vector<browser::ThumbnailSource>(files.size()); });
        view.showFolder(text::fromPath(dir.path()), names);
        QTRY_VERIFY(!view.busy());
    }
    ~TableFolder() { qunsetenv("VARNICK_USER_DATA_DIR"); }
    std::uint16_t priceOf(const QString& name) const
    {
        return chooseObjectDefinition(readPackage(dir.path() / text::toUtf8(name)))
            ->definition.amount(ObjectField::Price);
    }
};

} // namespace

void ObjectTableWindowTest::unsavedChangesQuestionCanKeepThePlayerWhereTheyWere()
{
    TableFolder folder;
    ObjectTableModel& model = *folder.view.model();
    const int price = static_cast<int>(ObjectColumn::Price);
    folder.view.table()->selectRow(0);
    QVERIFY(model.setData(model.index(0, price), QStringLiteral("250")));

    // Cancel is the default: the player stays, the change still pending, nothing written.
    QVERIFY(!folder.view.offerPendingSave());
    QCOMPARE(folder.boxes.last().title, QStringLiteral("Unsaved Changes"));
    QCOMPARE(folder.boxes.last().buttons, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    QVERIFY(folder.boxes.last().text.contains(QStringLiteral("Set Price to 250 on 1 object.")));
    QCOMPARE(model.pendingCount(), std::size_t { 1 });
    QCOMPARE(folder.priceOf(QStringLiteral("a.package")), std::uint16_t { 100 });

    // Save writes (asking nothing more) and lets the caller go on.
    const qsizetype asked = folder.boxes.shown().size();
    folder.boxes.answerNext(QMessageBox::Save);
    QVERIFY(folder.view.offerPendingSave());
    QCOMPARE(folder.priceOf(QStringLiteral("a.package")), std::uint16_t { 250 });
    QCOMPARE(folder.boxes.shown().size(), asked + 2); // the question and the summary
    QCOMPARE(folder.boxes.last().title, QStringLiteral("Save Successful"));
    QTRY_VERIFY(!folder.view.busy());

    // Discard drops the change and lets the caller go on.
    QVERIFY(model.setData(model.index(0, price), QStringLiteral("7")));
    folder.boxes.answerNext(QMessageBox::Discard);
    QVERIFY(folder.view.offerPendingSave());
    QVERIFY(!model.hasPendingChanges());
    QCOMPARE(folder.priceOf(QStringLiteral("a.package")), std::uint16_t { 250 });
    // Nothing pending: nothing asked.
    const qsizetype before = folder.boxes.shown().size();
    QVERIFY(folder.view.offerPendingSave());
    QCOMPARE(folder.boxes.shown().size(), before);
}

void ObjectTableWindowTest::cellEditorSelectsOnEntryAndShowsAnOverRangePriceAsWritten()
{
    TableFolder folder;
    folder.view.resize(900, 400);
    folder.view.show();
    QVERIFY(QTest::qWaitForWindowActive(&folder.view));
    ObjectTableModel& model = *folder.view.model();
    QTableView* table = folder.view.table();
    const QModelIndex cell = model.index(0, static_cast<int>(ObjectColumn::Price));
    table->selectRow(0);
    table->setCurrentIndex(cell);
    table->edit(cell);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor != nullptr);
    QCOMPARE(editor->selectedText(), QStringLiteral("100")); // typing replaces the price
    QTest::keyClicks(editor, QStringLiteral("99999"));
    QTest::keyClick(editor, Qt::Key_Return); // the view commits once back in the event loop
    QTRY_COMPARE(cell.data().toString(), QStringLiteral("65535"));
    QCOMPARE(model.pendingCount(), std::size_t { 1 });
}

void ObjectTableWindowTest::fillsSortsFiltersAndSavesAnEditOfTwoSelectedRows()
{
    MessageBox::TestScope boxes;
    TemporaryFolder dir;
    TemporaryFolder userData;
    qputenv("VARNICK_USER_DATA_DIR", text::fromPath(userData.path()).toUtf8());
    const struct {
        const char* file;
        const char* name;
        std::uint16_t price;
    } objects[]
        = { { "a.package", "Oak Chair", 120 }, { "B.package", "Zeta Lamp", 9 }, { "c.package", "Armchair", 300 } };
    QStringList names;
    for (const auto& object : objects) {
        EditorPackage package;
        package.set(ObjectField::Price, object.price).entries = { { 1, object.name, "" }, { 1, "About it", "" } };
        package.write(dir, object.file);
        names << QString::fromLatin1(object.file);
    }
    const auto path = [&](const char* file) { return text::fromPath(dir.path() / file); };

    ObjectTableView view;
    ObjectTableModel& model = *view.model();
    model.setThumbnailResolver(
        [](std::span<const std::string> files) { return std::vector<browser::ThumbnailSource>(files.size()); });
    QSignalSpy saved(&view, &ObjectTableView::saved);
    view.showFolder(text::fromPath(dir.path()), names);
    QTRY_VERIFY(!view.busy());
    const auto column = [&](int c) {
        QStringList texts;
        for (int row = 0; row < model.rowCount(); ++row)
            texts << model.index(row, c).data().toString();
        return texts;
    };
    const int price = static_cast<int>(ObjectColumn::Price);
    const int name = static_cast<int>(ObjectColumn::Name);
    QCOMPARE(column(static_cast<int>(ObjectColumn::File)), names); // the scan's order
    view.table()->sortByColumn(price, Qt::DescendingOrder);
    QCOMPARE(column(price), (QStringList { QStringLiteral("300"), QStringLiteral("120"), QStringLiteral("9") }));
    auto* filter = view.findChild<QLineEdit*>(QStringLiteral("filter"));
    filter->setText(QStringLiteral("CHAIR"));
    QCOMPARE(column(name), (QStringList { QStringLiteral("Armchair"), QStringLiteral("Oak Chair") }));

    // One price typed over the two selected rows: both pending and marked, the third row untouched.
    view.table()->selectAll();
    QVERIFY(!model.setData(model.index(0, price), QStringLiteral("12a")));
    QVERIFY(model.setData(model.index(1, price), QStringLiteral("450")));
    filter->clear();
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(column(price), (QStringList { QStringLiteral("450"), QStringLiteral("450"), QStringLiteral("9") }));
    for (int row = 0; row < 3; ++row)
        QCOMPARE(model.index(row, price).data(Qt::FontRole).value<QFont>().bold(), row < 2);
    QCOMPARE(model.pendingCount(), std::size_t { 2 });
    QVERIFY(view.findChild<QWidget*>(QStringLiteral("saveEdits"))->isEnabled());

    // Discard Changes drops them; the price is then typed anew over two rows selected by hand.
    view.discardEdits();
    QVERIFY(!model.hasPendingChanges());
    view.table()->clearSelection();
    view.table()->selectRow(0);
    view.table()->selectionModel()->select(model.index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QVERIFY(model.setData(model.index(0, price), QStringLiteral("450")));

    // The save says what it will write; Cancel (the default) writes nothing and is no success.
    const ByteString untouched = readFileBytes(dir.path() / "a.package");
    QVERIFY(view.saveEdits().cancelled);
    QCOMPARE(boxes.last().title, QStringLiteral("Confirm Save"));
    QCOMPARE(boxes.last().text, QStringLiteral("Set Price to 450 on 2 objects?"));
    QCOMPARE(boxes.last().buttons, QMessageBox::Save | QMessageBox::Cancel);
    QCOMPARE(readFileBytes(dir.path() / "a.package"), untouched);
    QCOMPARE(model.pendingCount(), std::size_t { 2 });

    boxes.answerNext(QMessageBox::Save);
    const BatchSummary summary = view.saveEdits();
    QCOMPARE(summary.count(BatchOutcome::Saved), std::size_t { 2 });
    // Each saved package's previous version is in the program's backup store.
    for (const char* file : { "a.package", "c.package" })
        QCOMPARE(programBackups().generations(dir.path() / file).size(), std::size_t { 1 });
    QVERIFY(programBackups().generations(dir.path() / "B.package").empty());
    QCOMPARE(boxes.last().title, QStringLiteral("Save Successful"));
    QCOMPARE(saved.count(), 1);
    QTRY_VERIFY(!view.busy());
    QVERIFY(!model.hasPendingChanges());
    QCOMPARE(column(price), (QStringList { QStringLiteral("450"), QStringLiteral("450"), QStringLiteral("9") }));
    QCOMPARE(model.index(0, price).data(Qt::FontRole), QVariant());
    for (const auto& object : objects) {
        const std::uint16_t expected = object.price == 9 ? 9 : 450;
        QCOMPARE(
            chooseObjectDefinition(readPackage(text::toPath(path(object.file))))->definition.amount(ObjectField::Price),
            expected);
    }
    // Kept over the reload; the equal prices now sort in the folder's order.
    QCOMPARE(view.selectedFiles(), (QStringList { path("a.package"), path("c.package") }));

    // Edit Selected hands the selected packages to the batch editor.
    {
        frmBatchEdit::Seam::TestScope batchEditor;
        view.editSelected();
        QCOMPARE(batchEditor.requests(), (QList<QStringList> { { path("a.package"), path("c.package") } }));
    }

    // The CSV holds the shown rows in the shown order.
    ObjectTableView::ExportSeam::TestScope exportChoice;
    exportChoice.answerNext(path("table.csv"));
    QVERIFY(view.exportCsv());
    QFile csv(path("table.csv"));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QCOMPARE(csv.readAll(), QByteArray::fromStdString(browser::objectTableCsv(model.shownRows())));
    QVERIFY(model.shownRows().front().price == 450 && model.shownRows().back().name == "Zeta Lamp");

    // A new scan of the folder (c.package moved away elsewhere) asks nothing:
    // the pending edit of a package still there stays, the row that went is gone.
    QVERIFY(model.setData(model.index(2, price), QStringLiteral("11"))); // B.package, last in price order
    const qsizetype asked = boxes.shown().size();
    view.showFolder(text::fromPath(dir.path()), { names[0], names[1] });
    QTRY_VERIFY(!view.busy());
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.pendingCount(), std::size_t { 1 });
    QCOMPARE(boxes.shown().size(), asked);
    qunsetenv("VARNICK_USER_DATA_DIR");
}

void ObjectTableWindowTest::mainWindowTableFollowsTheScanWithThumbnails()
{
    Settings::TemporaryStore store;
    MessageBox::TestScope boxes;
    TemporaryFolder data;
    gstrSims2DataPath = pathToUtf8(data.path());
    std::filesystem::create_directories(data.path() / "Downloads");
    for (const char* file : { "Downloads/one.package", "Downloads/two.package" })
        EditorPackage().write(data, file);
    // The cache files a red picture for "one" only.
    QImage red(128, 128, QImage::Format_RGB32);
    red.fill(Qt::red);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    red.save(&buffer, "JPG");
    gsLoadObjectThumbnails(data.write("ObjectThumbnails.package",
        PackageBuilder()
            .indexMinorVersion(2)
            .add("AC2950C1", "00000000", "00000001", thumbnailKeyText("one"), ByteString(jpeg.constData(), jpeg.size()))
            .build()));
    Settings::setValue(SettingKey::LastDownloadsFolderSelected, QStringLiteral("Downloads"));
    frmMain window;
    window.findChild<QRadioButton*>(QStringLiteral("optPath_0"))->setChecked(true);
    window.optPath_Click(0);
    QTRY_VERIFY_WITH_TIMEOUT(!window.busy(), 20000);
    ObjectTableView& table = *window.objectTableView();
    QVERIFY(table.folder().isEmpty()); // read only once its tab is shown
    window.show();
    window.showObjectsTab(1);
    QTRY_VERIFY(!table.busy() && table.model()->rowCount() == 2);
    QCOMPARE(table.folder(), window.controller().currentFolder());
    const QModelIndex one = table.model()->index(0, static_cast<int>(ObjectColumn::Thumbnail));
    const QModelIndex two = table.model()->index(1, static_cast<int>(ObjectColumn::Thumbnail));
    one.data(Qt::DecorationRole); // asked as the view paints it
    two.data(Qt::DecorationRole);
    QTRY_VERIFY(one.data(Qt::DecorationRole).canConvert<QPixmap>());
    const QImage shown = one.data(Qt::DecorationRole).value<QPixmap>().toImage();
    QCOMPARE(shown.size(), QSize(ObjectTableModel::kThumbnailSize, ObjectTableModel::kThumbnailSize));
    QVERIFY(qRed(shown.pixel(16, 16)) > 200);
    QVERIFY(!two.data(Qt::DecorationRole).isValid());
    gudtObjectThumbnails().clear();
}

QTEST_MAIN(ObjectTableWindowTest)
#include "ObjectTableWindowTest.moc"
