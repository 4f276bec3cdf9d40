// Every window a player can reach, walked control by control as a screen reader
// would: a control that takes the keyboard focus but has no name is one the
// player hears only as "edit" or "button".
#include "app/browser/SkippedFilesDialog.h"
#include "app/browser/ThumbnailGrid.h"
#include "app/browser/frmMain.h"
#include "app/browser/frmSelectPath.h"
#include "app/editor/frmBatchEdit.h"
#include "app/editor/frmEditObject.h"
#include "app/errors/frmErrorDialog.h"
#include "app/options/AboutDialog.h"
#include "app/options/AppearanceDialog.h"
#include "app/options/LanguageDialog.h"
#include "app/options/OptionsDialog.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/Settings.h"
#include "app/platform/qt/TextBridge.h"
#include "app/recolors/frmDeleteMove.h"
#include "app/recolors/frmFindRecolors.h"
#include "app/recolors/frmRecolorDetails.h"
#include "app/recolors/frmViewRecolor.h"
#include "app/sims2pack/Sims2PackInstallDialog.h"
#include "app/startup/GamePaths.h"
#include "app/startup/frmGameInstallation.h"
#include "tests/common/EditorPackages.h"
#include "tests/common/TemporaryFolder.h"
#include "tests/recolors/RecolorFixtures.h"
#include "tools/demo/DemoWorld.h"

#ifdef VARNICK_HAVE_LIBRARY_INDEX
#include "app/health/frmKnownClashes.h"
#include "app/health/frmLibraryHealth.h"
#endif

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include <algorithm>
#include <map>
#include <memory>

using namespace varnick;
using namespace varnick::test;

namespace {

// "QLineEdit txtName" for the failure message.
QString describe(const QWidget* widget)
{
    QString name = QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(' ') + widget->objectName();
    if (widget->objectName().isEmpty() && widget->parentWidget() != nullptr)
        name += QStringLiteral(" in ") + describe(widget->parentWidget());
    return name;
}

// The focusable controls of window a player can reach that a screen reader would not name.
QStringList unnamedControls(QWidget& window)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return { QStringLiteral("window not shown: ") + describe(&window) };
    QStringList unnamed;
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (QWidget* widget : std::as_const(widgets)) {
        if (widget->focusPolicy() == Qt::NoFocus || !widget->isVisibleTo(&window) || !widget->isEnabled())
            continue;
        if (widget->isWindow() && widget != &window)
            continue;
        if (widget == &window)
            continue;
        // A spin box hands the focus to its inner line edit; the reader names the box.
        QWidget* named = widget;
        if (qobject_cast<QAbstractSpinBox*>(widget->parentWidget()) != nullptr)
            named = widget->parentWidget();
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(named);
        if (face == nullptr || face->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << describe(widget);
    }
    return unnamed;
}

#define VERIFY_ALL_NAMED(window)                                                                                       \
    do {                                                                                                               \
        const QStringList unnamed = unnamedControls(window);                                                           \
        QVERIFY2(unnamed.isEmpty(), qPrintable(describe(&(window)) + QStringLiteral(": ") + unnamed.join(u", ")));     \
    } while (false)

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        mStore = std::make_unique<Settings::TemporaryStore>();
        mDir = std::make_unique<TemporaryFolder>();
        qputenv("VARNICK_USER_DATA_DIR", text::fromPath(mDir->path() / "user").toUtf8());
    }
    void cleanup()
    {
        qunsetenv("VARNICK_USER_DATA_DIR");
        mDir.reset();
        mStore.reset();
    }

    void everyControlOfTheMainWindowHasAName();
    void everyControlOfTheEditorsHasAName();
    void everyControlOfTheRecolorWindowsHasAName();
    void everyControlOfTheSmallDialogsHasAName();
    void everyControlOfTheHealthWindowsHasAName();
    void everyControlOfTheSims2PackInstallWindowHasAName();
    void theGridTellsItsCellsNamesPlacesAndMarks();

private:
    // The main window on a small demo world, its first page drawn.
    std::unique_ptr<frmMain> mainWindowOnADemoWorld()
    {
        demo::DemoOptions options;
        options.output = mDir->path() / "world";
        options.packages = 150;
        const demo::DemoWorld world = demo::generateDemoWorld(options);
        gstrSims2DataPath = pathToUtf8(world.dataFolder);
        // The folder holding the most catalog objects, for a full first page.
        std::map<std::filesystem::path, int> objects;
        for (const demo::GeneratedPackage& package : world.packages)
            if (package.kind == demo::PackageKind::CatalogObject)
                ++objects[package.file.parent_path()];
        const auto fullest = std::max_element(
            objects.begin(), objects.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
        QString folder = QStringLiteral("Downloads");
        if (fullest != objects.end() && !fullest->first.empty())
            folder += QLatin1Char('\\') + text::fromPath(fullest->first).replace(QLatin1Char('/'), QLatin1Char('\\'));
        Settings::setValue(SettingKey::LastDownloadsFolderSelected, folder);
        auto window = std::make_unique<frmMain>();
        window->findChild<QRadioButton*>(QStringLiteral("optPath_0"))->setChecked(true);
        window->optPath_Click(0);
        [&] { QTRY_VERIFY_WITH_TIMEOUT(!window->busy(), 20000); }();
        return window;
    }

    // A lamp with a caption and a price, for the editors.
    std::filesystem::path lampFile(const char* name = "Downloads/desk lamp.package")
    {
        EditorPackage lamp;
        lamp.set(ObjectField::Price, 350).set(ObjectField::RoomSortFlags, 1).set(ObjectField::GUID, 0x42);
        lamp.entries = { { 1, "Desk Lamp", "" }, { 1, "A lamp for late reading.", "" } };
        return lamp.write(*mDir, name);
    }

    std::unique_ptr<Settings::TemporaryStore> mStore;
    std::unique_ptr<TemporaryFolder> mDir;
};

void AccessibilityTest::everyControlOfTheMainWindowHasAName()
{
    MessageBox::TestScope boxes;
    const auto window = mainWindowOnADemoWorld();
    VERIFY_ALL_NAMED(*window);
    // The table of the same objects, on the other tab.
    window->findChild<QTabWidget*>(QStringLiteral("tabObjects"))->setCurrentIndex(1);
    VERIFY_ALL_NAMED(*window);
}

void AccessibilityTest::everyControlOfTheEditorsHasAName()
{
    MessageBox::TestScope boxes;
    const std::filesystem::path lamp = lampFile();
    {
        frmEditObject editor;
        editor.setLoadFileName(text::fromPath(lamp));
        editor.Form_Load();
        VERIFY_ALL_NAMED(editor);
    }
    BatchEdit batch;
    batch.load({ lamp, lampFile("Downloads/second lamp.package") });
    frmBatchEdit editor(std::move(batch));
    VERIFY_ALL_NAMED(editor);
}

void AccessibilityTest::everyControlOfTheRecolorWindowsHasAName()
{
    MessageBox::TestScope boxes;
    constexpr std::uint32_t guid = 0x5150;
    const std::filesystem::path object = mDir->write("Downloads/sofa.package", objectPackage(guid));
    const std::filesystem::path recolor = mDir->write("Downloads/blue recolor.package", recolorOf(guid));
    ByteString raw;
    for (int i = 0; i < 16 * 16; ++i)
        raw += ByteString("\x40\x80\xC0\xFF", 4);
    const std::filesystem::path texture
        = mDir->write("Downloads/texture.package", texturePackage({ textureResource(1, 16, 16, { raw }) }));
    {
        frmFindRecolors finder(
            text::fromPath(mDir->path() / "Downloads"), text::fromPath(object), static_cast<qint32>(guid));
        QSignalSpy finished(&finder, &frmFindRecolors::searchFinished);
        finder.startSearch();
        QVERIFY(finished.wait(10000));
        VERIFY_ALL_NAMED(finder);
    }
    {
        frmRecolorDetails details(text::fromPath(recolor));
        VERIFY_ALL_NAMED(details);
    }
    {
        frmViewRecolor viewer(text::fromPath(texture));
        VERIFY_ALL_NAMED(viewer);
    }
    frmDeleteMove window(frmDeleteMove::Request { text::fromPath(object), { text::fromPath(recolor) }, {}, {} });
    VERIFY_ALL_NAMED(window);
}

void AccessibilityTest::everyControlOfTheSmallDialogsHasAName()
{
    MessageBox::TestScope boxes;
    {
        frmSelectPath dialog;
        VERIFY_ALL_NAMED(dialog);
    }
    {
        OptionsDialog dialog;
        VERIFY_ALL_NAMED(dialog);
    }
    {
        AppearanceDialog dialog;
        VERIFY_ALL_NAMED(dialog);
    }
    {
        LanguageDialog dialog;
        VERIFY_ALL_NAMED(dialog);
    }
    {
        AboutDialog dialog(text::fromPath(mDir->path()));
        VERIFY_ALL_NAMED(dialog);
    }
    {
        SkippedFilesDialog dialog;
        VERIFY_ALL_NAMED(dialog);
    }
    {
        frmErrorDialog dialog;
        VERIFY_ALL_NAMED(dialog);
    }
    frmGameInstallation dialog(GameSearch {}, false);
    VERIFY_ALL_NAMED(dialog);
}

void AccessibilityTest::everyControlOfTheHealthWindowsHasAName()
{
#ifdef VARNICK_HAVE_LIBRARY_INDEX
    MessageBox::TestScope boxes;
    lampFile();
    lampFile("Downloads/clash/same lamp.package");
    mDir->write("Downloads/broken/empty.package", ByteString());
    frmLibraryHealth review(text::fromPath(mDir->path() / "Downloads"));
    QSignalSpy finished(&review, &frmLibraryHealth::scanFinished);
    review.startScan();
    QVERIFY(finished.wait(20000));
    VERIFY_ALL_NAMED(review);
    frmKnownClashes known(mDir->path() / "user" / "known clashes.txt", review.report().clashes,
        text::fromPath(mDir->path() / "Downloads"), &review);
    VERIFY_ALL_NAMED(known);
#else
    QSKIP("built without the library index");
#endif
}

void AccessibilityTest::everyControlOfTheSims2PackInstallWindowHasAName()
{
    MessageBox::TestScope boxes;
    demo::DemoOptions options;
    options.output = mDir->path() / "world";
    options.packages = demo::kMinimumPackages;
    const demo::DemoWorld world = demo::generateDemoWorld(options);
    const std::filesystem::path downloads = world.dataFolder / "Downloads";
    QStringList packs;
    for (const demo::GeneratedSims2Pack& pack : world.sims2Packs)
        packs.append(text::fromPath(downloads / pack.file));
    Sims2PackInstallDialog install({ packs, text::fromPath(downloads) });
    QSignalSpy planned(&install, &Sims2PackInstallDialog::planned);
    install.startReading();
    QVERIFY(planned.wait(30000));
    VERIFY_ALL_NAMED(install);
}

void AccessibilityTest::theGridTellsItsCellsNamesPlacesAndMarks()
{
    MessageBox::TestScope boxes;
    const auto window = mainWindowOnADemoWorld();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    auto* grid = window->findChild<ThumbnailGrid*>(QStringLiteral("picThumbs"));
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(grid);
    QVERIFY(face != nullptr);
    QCOMPARE(face->role(), QAccessible::List);
    QVERIFY(!face->text(QAccessible::Name).isEmpty());

    // Every shown cell is an item named as its caption; the rest of the page has none.
    QTRY_VERIFY_WITH_TIMEOUT(window->controller().cellsOnPage() > 1, 20000);
    QTRY_VERIFY_WITH_TIMEOUT(!window->busy(), 20000);
    const int cells = window->controller().cellsOnPage();
    QCOMPARE(face->childCount(), cells);
    QVERIFY(face->child(cells) == nullptr);
    for (int cell = 0; cell < cells; ++cell) {
        QAccessibleInterface* item = face->child(cell);
        QVERIFY(item != nullptr);
        QCOMPARE(item->role(), QAccessible::ListItem);
        QVERIFY2(!item->text(QAccessible::Name).isEmpty(), qPrintable(QString::number(cell)));
        QCOMPARE(item->text(QAccessible::Name), grid->cellName(cell));
        QCOMPARE(item->parent(), face);
        QCOMPARE(face->indexOfChild(item), cell);
        QCOMPARE(face->child(cell), item); // the same interface each time
    }
    QVERIFY(face->child(1)->text(QAccessible::Description).startsWith(QStringLiteral("Page 1, position 2")));
    QVERIFY(!face->child(1)->text(QAccessible::Description).contains(QStringLiteral("marked")));
    QVERIFY(!face->child(1)->state().selected);

    // A Ctrl+click marks the second cell: it is selected, and said to be marked.
    QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier, grid->cellRect(0).center());
    QTest::mouseClick(grid, Qt::LeftButton, Qt::ControlModifier, grid->cellRect(1).center());
    QVERIFY(grid->markedCells().contains(1));
    QVERIFY(face->child(1)->state().selected);
    QVERIFY(face->child(1)->text(QAccessible::Description).contains(QStringLiteral("; marked")));
    QVERIFY(!face->child(2)->state().selected);
    // The keyboard's cell is the focused one while the grid has the focus.
    grid->setFocus();
    QTRY_VERIFY(grid->hasFocus());
    QAccessibleInterface* current = face->child(grid->frameCell());
    QVERIFY(current->state().focused);
    QCOMPARE(face->focusChild(), current);
    QCOMPARE(face->childAt(
                 grid->mapToGlobal(grid->cellRect(2).center()).x(), grid->mapToGlobal(grid->cellRect(2).center()).y()),
        face->child(2));
}

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
