// The object table's model under Qt's model checker: rows arriving in
// batches under a sort and a filter, rows read again, pending edits and
// discards; and an open cell editor that stays open while rows arrive.
#include "app/browser/ObjectTableModel.h"

#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

using namespace varnick;
using browser::ObjectColumn;
using browser::ObjectRow;

namespace {

ObjectRow row(const std::string& file, const std::string& name, std::uint16_t price)
{
    ObjectRow made;
    made.file = file;
    made.name = name;
    made.price = price;
    return made;
}

int column(ObjectColumn c)
{
    return static_cast<int>(c);
}

QStringList shownFiles(const ObjectTableModel& model)
{
    QStringList files;
    for (int r = 0; r < model.rowCount(); ++r)
        files << model.index(r, 0).data(Qt::UserRole).toString();
    return files;
}

// A table view that tells whether a cell editor is open.
class EditingView : public QTableView {
public:
    bool editing() const { return state() == QAbstractItemView::EditingState; }
};

// A model whose thumbnails are never found (no cache is needed).
void withoutThumbnails(ObjectTableModel& model)
{
    model.setThumbnailResolver(
        [](std::span<const std::string> files) { return std::vector<browser::ThumbnailSource>(files.size()); });
}

} // namespace

class ObjectTableModelTest : public QObject {
    Q_OBJECT

private slots:
    void rowsArriveSortedAndFilteredUnderTheModelChecker()
    {
        ObjectTableModel model;
        withoutThumbnails(model);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setFolder(QStringLiteral("/objects"));
        model.sort(column(ObjectColumn::Price), Qt::AscendingOrder);
        model.addRows({ row("b.package", "Bed", 300), row("d.package", "Desk", 100) });
        model.addRows({ row("a.package", "Armchair", 200), row("e.package", "Easel", 500) });
        QCOMPARE(shownFiles(model),
            (QStringList { QStringLiteral("d.package"), QStringLiteral("a.package"), QStringLiteral("b.package"),
                QStringLiteral("e.package") }));
        // A row read again moves to where its new value sorts it.
        model.addRows({ row("d.package", "Desk", 900), row("c.package", "Chair", 150) });
        QCOMPARE(shownFiles(model),
            (QStringList { QStringLiteral("c.package"), QStringLiteral("a.package"), QStringLiteral("b.package"),
                QStringLiteral("e.package"), QStringLiteral("d.package") }));
        QCOMPARE(model.rowsRead(), std::size_t { 5 });

        // New rows that the filter hides are read but not shown.
        model.setFilterText(QStringLiteral("ch"));
        QCOMPARE(shownFiles(model), (QStringList { QStringLiteral("c.package"), QStringLiteral("a.package") }));
        model.addRows({ row("f.package", "Footstool", 50), row("g.package", "Chaise", 60) });
        QCOMPARE(shownFiles(model),
            (QStringList { QStringLiteral("g.package"), QStringLiteral("c.package"), QStringLiteral("a.package") }));
        model.setFilterText(QString());
        QCOMPARE(model.rowCount(), 7);

        // Edits, their discard, and a folder read again without some files.
        QVERIFY(model.setData(model.index(0, column(ObjectColumn::Name)), QStringLiteral("Stool")));
        QVERIFY(model.hasPendingChanges());
        model.retainFiles({ QStringLiteral("a.package"), QStringLiteral("b.package") });
        QCOMPARE(model.rowCount(), 2);
        QVERIFY(!model.hasPendingChanges());
        model.setFolder(QStringLiteral("/other"));
        QCOMPARE(model.rowCount(), 0);
    }

    void pendingEditsShowUntilDiscardedAndGroupIntoBatches()
    {
        ObjectTableModel model;
        withoutThumbnails(model);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setFolder(QStringLiteral("/objects"));
        ObjectRow unreadable = row("x.package", "", 0);
        unreadable.readable = false;
        model.addRows({ row("a.package", "Armchair", 200), row("b.package", "Bed", 300), unreadable });
        model.setEditTargets([](int) { return QList<int> { 0, 1, 2 }; });
        const QModelIndex price = model.index(0, column(ObjectColumn::Price));
        QVERIFY(!model.setData(price, QString())); // an empty price is no price
        QVERIFY(!model.setData(price, QStringLiteral("123456"))); // longer than the price box
        QVERIFY(model.setData(price, QStringLiteral("42")));
        QCOMPARE(model.pendingCount(), std::size_t { 2 }); // the unreadable row takes no edit
        QCOMPARE(model.index(1, column(ObjectColumn::Price)).data().toString(), QStringLiteral("42"));
        QVERIFY(!(model.flags(model.index(2, column(ObjectColumn::Name))) & Qt::ItemIsEditable));
        const std::vector<ObjectTableModel::PendingBatch> batches = model.pendingBatches();
        QCOMPARE(batches.size(), std::size_t { 1 });
        QCOMPARE(batches[0].files.size(), std::size_t { 2 });
        model.discardChanges({ QStringLiteral("a.package") });
        QCOMPARE(model.pendingCount(), std::size_t { 1 });
        model.discardChanges();
        QVERIFY(!model.hasPendingChanges());
        QCOMPARE(model.index(1, column(ObjectColumn::Price)).data().toString(), QStringLiteral("300"));
    }

    void anOpenCellEditorStaysOpenWhileRowsArrive()
    {
        ObjectTableModel model;
        withoutThumbnails(model);
        model.setFolder(QStringLiteral("/objects"));
        model.addRows({ row("m.package", "Mirror", 10) });
        EditingView view;
        view.setModel(&model);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QModelIndex name = model.index(0, column(ObjectColumn::Name));
        view.edit(name);
        QTRY_VERIFY(view.editing());
        auto* editor = qobject_cast<QLineEdit*>(view.indexWidget(name));
        QVERIFY(editor != nullptr);
        editor->setText(QStringLiteral("Mirror of the Hall"));
        // Rows sorted before and after the edited one arrive while it is open.
        model.addRows({ row("a.package", "Apple", 1), row("z.package", "Zebra", 2) });
        QVERIFY(view.editing());
        const QModelIndex moved = model.index(1, column(ObjectColumn::Name));
        QCOMPARE(moved.data(Qt::UserRole).toString(), QStringLiteral("m.package"));
        QCOMPARE(qobject_cast<QLineEdit*>(view.indexWidget(moved)), editor);
        QCOMPARE(editor->text(), QStringLiteral("Mirror of the Hall"));
    }

    void rowsPaintedTogetherResolveTheirThumbnailsInOneCall()
    {
        ObjectTableModel model;
        std::vector<std::vector<std::string>> calls;
        bool failing = false;
        model.setThumbnailResolver([&](std::span<const std::string> files) {
            calls.emplace_back(files.begin(), files.end());
            if (failing)
                throw std::runtime_error("the cache changed and cannot be read");
            return std::vector<browser::ThumbnailSource>(files.size());
        });
        model.setFolder(QStringLiteral("/objects"));
        model.addRows({ row("a.package", "Armchair", 1), row("b.package", "Bed", 2), row("c.package", "Chair", 3) });
        const auto paint
            = [&](int row) { return model.index(row, column(ObjectColumn::Thumbnail)).data(Qt::DecorationRole); };
        for (int r = 0; r < 3; ++r)
            QVERIFY(!paint(r).isValid());
        QTRY_COMPARE(calls.size(), std::size_t { 1 });
        QCOMPARE(calls[0], (std::vector<std::string> { "a.package", "b.package", "c.package" }));
        // Painted again while being read: not asked for again.
        paint(1);
        QTest::qWait(20);
        QCOMPARE(calls.size(), std::size_t { 1 });

        // A resolver that fails leaves the rows without pictures, and the model usable.
        failing = true;
        model.addRows({ row("d.package", "Desk", 4) });
        QVERIFY(!paint(3).isValid());
        QTRY_COMPARE(calls.size(), std::size_t { 2 });
        QCOMPARE(calls[1], (std::vector<std::string> { "d.package" }));
        QCOMPARE(model.rowCount(), 4);
    }
};

QTEST_MAIN(ObjectTableModelTest)
#include "ObjectTableModelTest.moc"
