#include "app/backups/BackupSettings.h"
#include "app/editor/frmEditObject.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/TextBridge.h"
#include "package/ObjectDefinition.h"
#include "package/PackageReader.h"
#include "tests/common/EditorPackages.h"
#include "tests/common/ScopedEnvironment.h"
#include "tests/common/TrapRecorder.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace varnick;
using namespace varnick::test;

class EditorWindowTest : public QObject {
    Q_OBJECT
private slots:
    void loadsCancelsAndSavesThroughTheControls();
};

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
    QCOMPARE(readFileBytes(kept.front().File), before);

    const PackageFile saved = readPackage(file);
    const auto chosen = chooseObjectDefinition(saved);
    QVERIFY(chosen.has_value());
    QCOMPARE(chosen->Definition.raw(ObjectField::Price), 40000u);
    QCOMPARE(chosen->Definition.raw(ObjectField::HungerRating), 0xFFFBu);
    const auto texts = chooseTextList(saved);
    QVERIFY(texts.has_value());
    QCOMPARE(text::fromCatalogText(catalogTexts(texts->List).Name), QStringLiteral("Sessel"));
    QVERIFY(trap.empty());
}

QTEST_MAIN(EditorWindowTest)
#include "EditorWindowTest.moc"
