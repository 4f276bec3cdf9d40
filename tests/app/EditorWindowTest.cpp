#include "app/backups/BackupSettings.h"
#include "app/editor/frmEditObject.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/TextBridge.h"
#include "package/ObjectDefinition.h"
#include "package/PackageReader.h"
#include "tests/common/EditorPackages.h"
#include "tests/common/ScopedEnvironment.h"
#include "tests/common/TrapRecorder.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <memory>

using namespace varnick;
using namespace varnick::test;

class EditorWindowTest : public QObject {
    Q_OBJECT
private slots:
    void loadsCancelsAndSavesThroughTheControls();
    void returnSavesAndNoOtherButtonIsDefault();
    void clearAllFlagsWritesNothingUntilSaved();
    void numberBoxesSelectOnEntryAndShowWhatIsWritten();
    void listsShowTheirFirstSelectedEntry();
};

namespace {

// The editor shown and active, as the player has it, on a package whose lists are all set.
struct ShownEditor {
    TrapRecorder trap;
    MessageBox::TestScope boxes;
    TemporaryFolder dir;
    ScopedEnvironment environment;
    std::filesystem::path file;
    ByteString before;
    std::unique_ptr<frmEditObject> window;

    explicit ShownEditor(std::uint16_t rooms = 0x0005, QSize size = {})
    {
        environment.set("VARNICK_USER_DATA_DIR", pathToUtf8(dir.path() / "user"));
        EditorPackage object;
        object.set(ObjectField::Price, 50000)
            .set(ObjectField::RoomSortFlags, rooms)
            .set(ObjectField::FunctionSortFlags, 0x0004)
            .set(ObjectField::SkillFlags, 0x0002);
        object.entries = { { 1, "Lamp", "" }, { 1, "Bright", "" } };
        file = object.write(dir, "lamp.package");
        before = readFileBytes(file);
        window = std::make_unique<frmEditObject>();
        window->setLoadFileName(text::fromPath(file));
        window->Form_Load();
        if (size.isValid())
            window->resize(size);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    template <typename T> T* child(const char* name) const { return window->findChild<T*>(QLatin1String(name)); }
    ObjectDefinition saved() const
    {
        const auto chosen = chooseObjectDefinition(readPackage(file));
        return chosen ? chosen->definition : ObjectDefinition {};
    }
};

} // namespace

void EditorWindowTest::returnSavesAndNoOtherButtonIsDefault()
{
    ShownEditor shown;
    auto* save = shown.child<QPushButton>("cmdSave");
    for (QPushButton* button : shown.window->findChildren<QPushButton*>()) {
        QCOMPARE(button->isDefault(), button == save);
        QCOMPARE(button->autoDefault(), button == save);
    }
    // Clicking "Clear All Flags" once must not make it what Return presses next.
    QTest::mouseClick(shown.child<QPushButton>("cmdClear"), Qt::LeftButton);
    QVERIFY(!shown.child<QPushButton>("cmdClear")->isDefault());
    shown.window->Form_Load(); // back to the package's own flags

    auto* name = shown.child<QLineEdit>("txtName");
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("Desk Lamp"));
    QTest::keyClick(name, Qt::Key_Return);
    QVERIFY(shown.window->saved());
    QCOMPARE(shown.boxes.last().title, QStringLiteral("Save Successful"));
    const ObjectDefinition definition = shown.saved();
    QCOMPARE(definition.flags(ObjectField::RoomSortFlags), std::uint16_t(0x0005));
    QCOMPARE(definition.flags(ObjectField::FunctionSortFlags), std::uint16_t(0x0004));
    QCOMPARE(definition.flags(ObjectField::SkillFlags), std::uint16_t(0x0002));
    QVERIFY(shown.trap.empty());
}

void EditorWindowTest::clearAllFlagsWritesNothingUntilSaved()
{
    {
        ShownEditor shown;
        QTest::mouseClick(shown.child<QPushButton>("cmdClear"), Qt::LeftButton);
        QCOMPARE(readFileBytes(shown.file), shown.before);
        QTest::keyClick(shown.window.get(), Qt::Key_Escape); // Cancel discards the cleared flags
        QVERIFY(!shown.window->saved());
        QCOMPARE(readFileBytes(shown.file), shown.before);
    }
    ShownEditor shown;
    QTest::mouseClick(shown.child<QPushButton>("cmdClear"), Qt::LeftButton);
    QTest::mouseClick(shown.child<QPushButton>("cmdSave"), Qt::LeftButton);
    QVERIFY(shown.window->saved());
    QCOMPARE(shown.saved().flags(ObjectField::RoomSortFlags), std::uint16_t(0));
    QCOMPARE(shown.saved().flags(ObjectField::SkillFlags), std::uint16_t(0));
}

void EditorWindowTest::numberBoxesSelectOnEntryAndShowWhatIsWritten()
{
    ShownEditor shown;
    auto* price = shown.child<QLineEdit>("txtPrice");
    // A click into the filled box selects it, so typing replaces the number.
    QTest::mouseClick(price, Qt::LeftButton, {}, QPoint(price->width() / 2, price->height() / 2));
    QTRY_COMPARE(price->selectedText(), QStringLiteral("50000"));
    QTest::keyClicks(price, QStringLiteral("2x00"));
    QCOMPARE(price->text(), QStringLiteral("200"));
    // Ctrl+A selects the whole number too.
    price->end(false);
    QTest::keyClick(price, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(price->selectedText(), QStringLiteral("200"));

    // Tab from the description lands in Price with its text selected.
    shown.child<QPlainTextEdit>("txtDesc")->setFocus();
    QTest::keyClick(shown.child<QPlainTextEdit>("txtDesc"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), price);
    QCOMPARE(price->selectedText(), QStringLiteral("200"));
    QTest::keyClicks(price, QStringLiteral("99999"));
    QCOMPARE(price->text(), QStringLiteral("99999"));
    // Leaving the box shows what a save writes, with the note at the box, before any save.
    QTest::keyClick(price, Qt::Key_Tab);
    QCOMPARE(price->text(), QStringLiteral("65535"));
    QVERIFY(price->toolTip().contains(QStringLiteral("65535")));
    QVERIFY(!shown.window->saved());
    // A motive's number the field holds is left as typed.
    auto* hunger = shown.child<QLineEdit>("txtHunger");
    hunger->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(hunger, QStringLiteral("7"));
    QTest::keyClick(hunger, Qt::Key_Tab);
    QCOMPARE(hunger->text(), QStringLiteral("7"));
    QVERIFY(hunger->toolTip().isEmpty());

    QTest::keyClick(shown.child<QLineEdit>("txtName"), Qt::Key_Return);
    QVERIFY(shown.window->saved());
    QCOMPARE(shown.saved().raw(ObjectField::Price), 65535u);
    QCOMPARE(shown.saved().raw(ObjectField::HungerRating), 7u);
}

void EditorWindowTest::loadsCancelsAndSavesThroughTheControls()
{
    TrapRecorder trap;
    MessageBox::TestScope boxes;
    TemporaryFolder dir;
    ScopedEnvironment environment;
    environment.set("VARNICK_USER_DATA_DIR", pathToUtf8(dir.path() / "user"));
    EditorPackage object;
    object.set(ObjectField::Price, 50000).set(ObjectField::HungerRating, 0xFFFB);
    object.entries = { { 1, "Chaise \xC3\xA9t\xC3\xA9", "" }, { 1, "Line one\nline two", "" } };
    const auto file = object.write(dir, "chaise.package");
    const ByteString before = readFileBytes(file);

    {
        frmEditObject window;
        window.setLoadFileName(text::fromPath(file));
        window.Form_Load();
        QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("txtPrice"))->text(), QStringLiteral("50000"));
        QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("txtHunger"))->text(), QStringLiteral("-5"));
        QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("txtName"))->text(), QStringLiteral("Chaise été"));
        QVERIFY(window.findChild<QPlainTextEdit*>(QStringLiteral("txtDesc"))
                    ->toPlainText()
                    .contains(QStringLiteral("line two")));
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdQuit")), Qt::LeftButton);
        QVERIFY(!window.saved());
    }
    QCOMPARE(readFileBytes(file), before); // "Cancel Editing" writes nothing

    frmEditObject window;
    window.setLoadFileName(text::fromPath(file));
    window.Form_Load();
    auto* price = window.findChild<QLineEdit*>(QStringLiteral("txtPrice"));
    price->clear();
    QTest::keyClicks(price, QStringLiteral("4x0-0.00")); // the key filter keeps the digits
    QCOMPARE(price->text(), QStringLiteral("40000"));
    auto* name = window.findChild<QLineEdit*>(QStringLiteral("txtName"));
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("Sessel"));
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdSave")), Qt::LeftButton);
    QVERIFY(window.saved());
    QCOMPARE(boxes.last().title, QStringLiteral("Save Successful"));
    // The save kept the package as it was in the program's backup store.
    const std::vector<BackupGeneration> kept = programBackups().generations(file);
    QCOMPARE(kept.size(), std::size_t(1));
    QCOMPARE(readFileBytes(kept.front().file), before);

    const PackageFile saved = readPackage(file);
    const auto chosen = chooseObjectDefinition(saved);
    QVERIFY(chosen.has_value());
    QCOMPARE(chosen->definition.raw(ObjectField::Price), 40000u);
    QCOMPARE(chosen->definition.raw(ObjectField::HungerRating), 0xFFFBu);
    const auto texts = chooseTextList(saved);
    QVERIFY(texts.has_value());
    QCOMPARE(text::fromCatalogText(catalogTexts(texts->list).name), QStringLiteral("Sessel"));
    QVERIFY(trap.empty());
}

void EditorWindowTest::listsShowTheirFirstSelectedEntry()
{
    // Kids is the last room: in the smallest window the list must scroll to it.
    ShownEditor shown(0x0100, QSize(1, 1));
    auto* rooms = shown.child<QListWidget>("lstRoom");
    QTRY_VERIFY(rooms->verticalScrollBar()->maximum() > 0);
    const QList<QListWidgetItem*> selected = rooms->selectedItems();
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected.front()->text(), QStringLiteral("Kids"));
    QTRY_VERIFY(rooms->viewport()->rect().contains(rooms->visualItemRect(selected.front())));
    // The keyboard starts at that entry; the selection is what the object holds, nothing more.
    QCOMPARE(rooms->currentItem(), selected.front());
    QTest::mouseClick(shown.child<QPushButton>("cmdSave"), Qt::LeftButton);
    QCOMPARE(shown.saved().flags(ObjectField::RoomSortFlags), std::uint16_t(0x0100));
}

QTEST_MAIN(EditorWindowTest)
#include "EditorWindowTest.moc"
