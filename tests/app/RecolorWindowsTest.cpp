// The recolor windows as the player meets them after Delete/Move: the finder's
// progress and Cancel, the delete and move window's deletes (to the trash) and
// moves with their refusals, the texture viewer and the details window.
#include "app/browser/frmSelectPath.h"
#include "app/errors/frmErrorDialog.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/Settings.h"
#include "app/platform/qt/TextBridge.h"
#include "app/recolors/frmDeleteMove.h"
#include "app/recolors/frmFindRecolors.h"
#include "app/recolors/frmRecolorDetails.h"
#include "app/recolors/frmViewRecolor.h"
#include "package/PropertySet.h"
#include "package/ResourceCollection.h"
#include "package/TypeIds.h"
#include "tests/common/FailingFolderLister.h"
#include "tests/common/TemporaryFolder.h"
#include "tests/recolors/RecolorFixtures.h"
#include "tools/common/PackageBuilder.h"
#include "tools/demo/DemoCatalog.h"
#include "tools/demo/DemoResources.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <thread>

using namespace varnick;
using namespace varnick::test;
namespace fs = std::filesystem;

namespace {

constexpr std::uint32_t kGuid = 0x1234ABCD;
const demo::Swatch kSwatch { "teal", 20, 160, 150 };

// A path as the windows show it: with the system's own separators.
QString q(const fs::path& path)
{
    return text::fromPath(fs::path(path).make_preferred());
}

ByteString package(const std::vector<std::pair<std::string, ByteString>>& resources)
{
    PackageBuilder builder;
    int instance = 1;
    for (const auto& [type, data] : resources)
        builder.add(type, "1C0532FA", "0000000" + std::to_string(instance++ % 10), "00000000", data);
    return builder.build();
}

ByteString recolorPackage(std::uint32_t guid, const std::string& name = "teal")
{
    return package({ { "4C697E5A", demo::materialOverride(guid, "sofa", name, "body", false) },
        { "1C4A276C", demo::textureResource("t", demo::TextureFormat::Dxt1, 8, kSwatch, 1) } });
}

ByteString objectPackage()
{
    return package({ { "4F424A44", ByteString(468, '\0') }, { "1C4A276C", ByteString("x") } });
}

ByteString materialPackage(const std::vector<std::vector<std::pair<std::string, std::string>>>& overrides)
{
    std::vector<std::pair<std::string, ByteString>> resources;
    for (const auto& properties : overrides) {
        std::vector<PropertyItem> items;
        for (const auto& [name, value] : properties)
            items.push_back({ ByteString(kPropertyTypeString), name, value, 0 });
        resources.emplace_back("4C697E5A", writeBinPropertySet(items));
    }
    return package(resources);
}

fs::path writeFile(const TemporaryFolder& dir, const fs::path& name, ByteView bytes)
{
    fs::create_directories((dir.path() / name).parent_path());
    return dir.write(name, bytes);
}

// The freedesktop trash of a throw-away home, so that deletes can be checked.
class ScopedTrash {
public:
    explicit ScopedTrash(const fs::path& home)
        : mHome(qgetenv("HOME"))
        , mData(qgetenv("XDG_DATA_HOME"))
        , mFiles(home / "share" / "Trash" / "files")
    {
        qputenv("HOME", QByteArray::fromStdString(pathToUtf8(home)));
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(pathToUtf8(home / "share")));
    }
    ~ScopedTrash()
    {
        qputenv("HOME", mHome);
        qputenv("XDG_DATA_HOME", mData);
    }
    ScopedTrash(const ScopedTrash&) = delete;
    ScopedTrash& operator=(const ScopedTrash&) = delete;
    bool holds(const fs::path& file) const { return fs::exists(mFiles / file.filename()); }

private:
    QByteArray mHome;
    QByteArray mData;
    fs::path mFiles;
};

} // namespace

class RecolorWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void finderDrawsProgressSkipsUnreadableAndHandsOver()
    {
        TemporaryFolder dir;
        const fs::path object = writeFile(dir, "sofa.package", objectPackage());
        const fs::path first = writeFile(dir, "sub/deeper/b recolor.package", recolorPackage(kGuid));
        const fs::path second = writeFile(dir, "a recolor.package", recolorPackage(kGuid));
        writeFile(dir, "other recolor.package", recolorPackage(kGuid + 1));
        const fs::path broken = writeFile(dir, "broken.package", ByteString("DBPF but far too short"));
        for (int i = 0; i < 20; ++i)
            writeFile(dir, "filler" + std::to_string(i) + ".package", objectPackage());

        // 25 packages: the bar is drawn after every second one and never reaches the end.
        frmFindRecolors finder(q(dir.path()), q(object), static_cast<qint32>(kGuid));
        QSignalSpy finished(&finder, &frmFindRecolors::searchFinished);
        finder.startSearch();
        QVERIFY(finished.wait(10000));
        QList<QPair<int, int>> expected;
        for (int done = 2; done <= 24; done += 2)
            expected.append({ done, 25 });
        QCOMPARE(finder.progressUpdates(), expected);
        QCOMPARE(finder.findChild<RecolorStatusBar*>(QStringLiteral("picStatus"))->fraction(), 24.0 / 25);
        QCOMPARE(finder.result().recolors.size(), std::size_t { 2 });
        QCOMPARE(finder.result().skipped.size(), std::size_t { 1 });

        // The whole run: the found recolors and the unreadable file reach the delete and move window.
        frmDeleteMove::Seam::TestScope deleteMove;
        frmFindRecolors::run(nullptr, q(dir.path()), q(object), static_cast<qint32>(kGuid));
        QCOMPARE(deleteMove.requests().size(), 1);
        const frmDeleteMove::Request& request = deleteMove.requests()[0];
        QCOMPARE(request.ObjectFilename, q(object));
        QStringList found = request.FoundRecolors;
        QCOMPARE(found.takeFirst(), QString());
        found.sort();
        QCOMPARE(found, (QStringList { q(second), q(first) }));
        QCOMPARE(request.unreadable.size(), 1);
        QCOMPARE(request.unreadable[0].first, q(broken));
        QVERIFY(!request.unreadable[0].second.isEmpty());

        // The window built from it lists them sorted by full path and counts the unreadable one.
        frmDeleteMove window(request);
        QCOMPARE(window.foundRecolors(), (QStringList { QString(), q(second), q(first) }));
        auto* list = window.findChild<QListWidget*>(QStringLiteral("lstRecolors"));
        QCOMPARE(list->item(0)->text(), QStringLiteral("a recolor.package"));
        QCOMPARE(list->item(1)->text(), QStringLiteral("b recolor.package"));
        QVERIFY(window.findChild<QLabel*>(QStringLiteral("lblUnreadable"))
                    ->text()
                    .startsWith(QStringLiteral("1 file could not be read")));

        // Cancel while the worker is held at its first update: no delete and move window.
        std::atomic<int> hookCalls { 0 };
        frmFindRecolors::setProgressHookForTesting([&](std::int32_t, std::int32_t, const std::atomic<bool>& cancel) {
            if (hookCalls++ > 0)
                return;
            for (int wait = 0; wait < 1000 && !cancel.load(); ++wait)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
        });
        QTimer clicker;
        connect(&clicker, &QTimer::timeout, this, [&hookCalls] {
            // Clicked while the worker is held: a slow start (a sanitizer build) must not let Cancel come first.
            if (hookCalls.load() == 0)
                return;
            if (auto* running = qobject_cast<frmFindRecolors*>(QApplication::activeModalWidget()))
                running->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
        });
        clicker.start(10);
        frmFindRecolors::run(nullptr, q(dir.path()), q(object), static_cast<qint32>(kGuid));
        clicker.stop();
        frmFindRecolors::setProgressHookForTesting({});
        QCOMPARE(hookCalls.load(), 1);
        QCOMPARE(deleteMove.requests().size(), 1);
    }

    void aFolderThatCannotBeListedIsSkippedWithoutAnErrorDialog()
    {
        TemporaryFolder dir;
        const fs::path object = writeFile(dir, "sofa.package", objectPackage());
        const fs::path found = writeFile(dir, "open/a recolor.package", recolorPackage(kGuid));
        writeFile(dir, "locked/b recolor.package", recolorPackage(kGuid));
        const FailingFolderLister failing(dir.path() / "locked");
        // The program's own trap handler: a dialog shown for the folder would be recorded here.
        int dialogs = 0;
        installErrorDialog();
        setErrorDialogPresenterForTesting([&](frmErrorDialog&) { ++dialogs; });

        frmFindRecolors finder(q(dir.path()), q(object), static_cast<qint32>(kGuid));
        QSignalSpy finished(&finder, &frmFindRecolors::searchFinished);
        finder.startSearch();
        QVERIFY(finished.wait(10000));
        QTest::qWait(50); // a report handed over to this thread would be shown by now
        setErrorDialogPresenterForTesting({});
        setErrorTrapHandler({});
        QCOMPARE(dialogs, 0);
        QCOMPARE(finder.result().recolors, std::vector<fs::path> { found });
        QCOMPARE(finder.result().skipped.size(), std::size_t { 1 });
        QCOMPARE(finder.result().skipped[0].file, dir.path() / "locked");
    }

    void deletesGoToTheTrashAfterConfirmation()
    {
        TemporaryFolder dir;
        const ScopedTrash trash(dir.path() / "home");
        struct Case {
            const char* name;
            int recolors;
            bool deleteAll;
            QList<int> selectedLines;
            QMessageBox::StandardButton answer;
            QList<int> goneFiles; // 0 is the object, i the i-th recolor
            QString result;
        };
        const QList<Case> cases {
            { "all", 2, true, { 1 }, QMessageBox::Yes, { 0, 1, 2 }, QStringLiteral("The object has been deleted.") },
            { "all, no recolors", 0, true, {}, QMessageBox::Yes, { 0 },
                QStringLiteral("The object has been deleted.") },
            { "all, refused", 2, true, {}, QMessageBox::No, {}, QString() },
            { "selected", 3, false, { 0, 2 }, QMessageBox::Yes, { 1, 3 },
                QStringLiteral("The selected recolors have been deleted.") },
        };
        int run = 0;
        for (const Case& c : cases) {
            // Names unique across cases, since they all meet in one trash.
            ++run;
            const std::string folder = "case" + std::to_string(run) + "/" + std::to_string(run);
            std::vector<fs::path> files { writeFile(dir, folder + "object.package", objectPackage()) };
            frmDeleteMove::Request request { q(files[0]), { QString() }, {}, {} };
            for (int i = 1; i <= c.recolors; ++i) {
                files.push_back(writeFile(dir, folder + "r" + std::to_string(i) + ".package", recolorPackage(kGuid)));
                request.FoundRecolors.append(q(files.back()));
            }
            MessageBox::TestScope boxes;
            boxes.answerNext(c.answer);
            frmDeleteMove window(request);
            auto* list = window.findChild<QListWidget*>(QStringLiteral("lstRecolors"));
            for (int line : c.selectedLines)
                list->item(line)->setSelected(true);
            QTest::mouseClick(window.findChild<QPushButton*>(
                                  c.deleteAll ? QStringLiteral("cmdDeleteAll") : QStringLiteral("cmdDelRecolors")),
                Qt::LeftButton);

            QVERIFY2(!boxes.shown().isEmpty(), c.name);
            const MessageBox::Shown& question = boxes.shown()[0];
            QCOMPARE(question.title, QStringLiteral("CONFIRM DELETE"));
            QCOMPARE(question.icon, QMessageBox::Question);
            // Deletes go to the trash here, and the question says so, with the counts.
            const QString what = c.deleteAll
                ? (c.recolors == 0
                        ? QStringLiteral("You are about to move the object to the trash.")
                        : QStringLiteral("You are about to move the object and its %1 recolors to the trash.")
                              .arg(c.recolors))
                : QStringLiteral("You are about to move %1 selected recolors of this "
                                 "object to the trash.")
                      .arg(c.selectedLines.size());
            QVERIFY2(question.text.startsWith(
                         what + QStringLiteral("\r\n\r\nAre you absolutely sure that you want to do this?")),
                c.name);
            QVERIFY2(question.text.contains(QStringLiteral("trash")), c.name);
            for (std::size_t i = 0; i < files.size(); ++i) {
                const bool gone = c.goneFiles.contains(static_cast<int>(i));
                QVERIFY2(fs::exists(files[i]) != gone, c.name);
#ifndef _WIN32 // the recycle bin is the system's own there: gone is all a test can see
                QVERIFY2(trash.holds(files[i]) == gone, c.name);
#endif
            }
            if (c.result.isEmpty()) {
                QCOMPARE(boxes.shown().size(), 1);
                QCOMPARE(window.result(), 0);
                QVERIFY(!window.filesChanged());
            } else {
                QCOMPARE(boxes.shown().size(), 2);
                QCOMPARE(boxes.last().title, QStringLiteral("OPERATION SUCCESSFUL"));
                QCOMPARE(boxes.last().text, c.result);
                QCOMPARE(window.result(), int(QDialog::Accepted));
            }
        }

        // With nothing selected, "Delete Selected Recolors" is disabled and asks nothing.
        {
            MessageBox::TestScope boxes;
            const fs::path object = writeFile(dir, "unselected/object.package", objectPackage());
            const fs::path recolor = writeFile(dir, "unselected/r.package", recolorPackage(kGuid));
            frmDeleteMove window(frmDeleteMove::Request { q(object), { QString(), q(recolor) }, {}, {} });
            auto* deleteSelected = window.findChild<QPushButton*>(QStringLiteral("cmdDelRecolors"));
            QVERIFY(!deleteSelected->isEnabled());
            QTest::mouseClick(deleteSelected, Qt::LeftButton);
            QVERIFY(boxes.shown().isEmpty());
            QVERIFY(fs::exists(recolor));
            window.findChild<QListWidget*>(QStringLiteral("lstRecolors"))->item(0)->setSelected(true);
            QVERIFY(deleteSelected->isEnabled());
            // The small buttons carry words beside their pictures.
            for (const char* name : { "cmdView", "cmdPackageDetails", "cmdSelect", "cmdUnselect" }) {
                auto* small = window.findChild<QPushButton*>(QLatin1String(name));
                QVERIFY2(!small->text().isEmpty() && !small->icon().isNull(), name);
            }
            for (QPushButton* button : window.findChildren<QPushButton*>())
                QVERIFY(!button->isDefault() && !button->autoDefault());
            // The keyboard starts on the recolors and Tab goes on down the window.
            window.show();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("lstRecolors"));
            QStringList visited;
            for (int i = 0; i < 9; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                visited.append(QApplication::focusWidget()->objectName());
            }
            const char* const order[] = { "cmdView", "cmdPackageDetails", "cmdSelect", "cmdUnselect", "cmdDeleteAll",
                "cmdDelRecolors", "cmdMoveAll", "cmdCancel", "txtObjFilename" };
            QStringList expected;
            for (const char* name : order)
                expected.append(QString::fromLatin1(name));
            QCOMPARE(visited, expected);
        }

        // Without recolors, delete-selected does nothing at all.
        MessageBox::TestScope boxes;
        const fs::path lone = writeFile(dir, "lone.package", objectPackage());
        frmDeleteMove window(frmDeleteMove::Request { q(lone), { QString() }, {}, {} });
        QCOMPARE(window.findChild<QListWidget*>(QStringLiteral("lstRecolors"))->item(0)->text(),
            QStringLiteral("*** no recolors found ***"));
        window.cmdDelRecolors_Click();
        QVERIFY(boxes.shown().isEmpty());
        QVERIFY(fs::exists(lone));
    }

    void moveChecksEverythingBeforeMovingAnything()
    {
        TemporaryFolder dir;
        Settings::TemporaryStore store;
        frmSelectPath::Seam::TestScope folders;
        MessageBox::TestScope boxes;
        const fs::path object = writeFile(dir, "src/object.package", objectPackage());
        const fs::path one = writeFile(dir, "src/one.package", recolorPackage(kGuid));
        const fs::path two = writeFile(dir, "src/sub/two.package", recolorPackage(kGuid));
        const fs::path destination = dir.path() / "dest";
        fs::create_directories(destination);
        const fs::path taken = writeFile(dir, "dest/two.package", ByteString("keep me"));
        const frmDeleteMove::Request request { q(object), { QString(), q(two), q(one) }, {}, {} };
        const auto allInPlace = [&] { return fs::exists(object) && fs::exists(one) && fs::exists(two); };

        struct Refusal {
            QString answer;
            QString message; // "" for no message
        };
        const QList<Refusal> refusals {
            { QString(), QString() }, // the folder dialog was cancelled
            { q(dir.path() / "src") + QStringLiteral("/"), QStringLiteral("Source and destination are the same!") },
            { q(destination), q(taken) }, // a clash names the file in the way
        };
        for (const Refusal& refusal : refusals) {
            const qsizetype before = boxes.shown().size();
            folders.answerNext(refusal.answer);
            frmDeleteMove window(request);
            window.cmdMoveAll_Click();
            QCOMPARE(folders.requests().last().initialPath, QString());
            QVERIFY(allInPlace());
            QCOMPARE(readFileBytes(taken), ByteString("keep me"));
            QCOMPARE(window.result(), 0);
            QCOMPARE(Settings::value(SettingKey::LastMoveDestination), QString());
            if (refusal.message.isEmpty()) {
                QCOMPARE(boxes.shown().size(), before);
                continue;
            }
            QCOMPARE(boxes.shown().size(), before + 1);
            QCOMPARE(boxes.last().title, QStringLiteral("USER INPUT ERROR"));
            QCOMPARE(boxes.last().icon, QMessageBox::Warning);
            QVERIFY2(boxes.last().text.contains(refusal.message), qPrintable(boxes.last().text));
        }

        // Moved whole: the count, the setting, and the next dialog opening there.
        fs::remove(taken);
        folders.answerNext(q(destination));
        {
            frmDeleteMove window(request);
            window.cmdMoveAll_Click();
            QCOMPARE(window.result(), int(QDialog::Accepted));
        }
        QCOMPARE(boxes.last().title, QStringLiteral("OPERATION SUCCESSFUL"));
        QCOMPARE(boxes.last().text, QStringLiteral("3 files were moved to:\r\n") + q(destination));
        for (const char* name : { "object.package", "one.package", "two.package" })
            QVERIFY(fs::exists(destination / name));
        QVERIFY(!fs::exists(object) && !fs::exists(one) && !fs::exists(two));
        QCOMPARE(Settings::value(SettingKey::LastMoveDestination), q(destination));

        const fs::path lone = writeFile(dir, "lone.package", objectPackage());
        folders.answerNext(q(dir.path() / "src"));
        frmDeleteMove window(frmDeleteMove::Request { q(lone), { QString() }, {}, {} });
        window.cmdMoveAll_Click();
        QCOMPARE(folders.requests().last().initialPath, q(destination));
        QCOMPARE(boxes.last().text, QStringLiteral("1 files were moved to:\r\n") + q(dir.path() / "src"));
    }

    void listButtonsOpenTheFirstOfEqualNames()
    {
        frmViewRecolor::Seam::TestScope viewer;
        frmRecolorDetails::Seam::TestScope details;
        const QString early = QStringLiteral("/d/a/same.package");
        const QString late = QStringLiteral("/d/b/same.package");
        frmDeleteMove window(
            frmDeleteMove::Request { QStringLiteral("/d/o.package"), { QString(), late, early }, {}, {} });
        auto* list = window.findChild<QListWidget*>(QStringLiteral("lstRecolors"));
        list->setCurrentRow(1);
        window.cmdView_Click();
        window.cmdPackageDetails_Click();
        QCOMPARE(viewer.requests(), QList<QString> { early });
        QCOMPARE(details.requests(), QList<QString> { early });
        window.cmdSelect_Click();
        QCOMPARE(list->selectedItems().size(), 2);
        window.cmdUnselect_Click();
        QCOMPARE(list->selectedItems().size(), 0);
    }

    void viewerShowsTheFirstShowableTextureAsStored()
    {
        TemporaryFolder dir;
        // A raw 4 x 2 texture, p0..p3 on the top row, behind a smaller level that must not be used.
        ByteString raw;
        QList<QRgb> colours;
        for (int p = 0; p < 8; ++p) {
            const QRgb colour = qRgb(10 + p * 30, 200 - p * 20, p * 7);
            colours.append(colour);
            raw += static_cast<char>(qBlue(colour));
            raw += static_cast<char>(qGreen(colour));
            raw += static_cast<char>(qRed(colour));
            raw += static_cast<char>(0xFF);
        }
        const ByteString rawTexture = textureResource(1, 4, 2, { ByteString(8, '\x11'), raw });
        const ByteString big = demo::textureResource("big", demo::TextureFormat::Dxt1, 1024, kSwatch, 4);
        const ByteString noLevels = textureResource(4, 8, 8, {});

        // Which texture is chosen is the preview core's, tested with it; here: what the window shows.
        struct Case {
            const char* file;
            std::vector<ByteString> textures;
            QSize shown; // empty for the notice
        };
        const QList<Case> cases {
            { "raw.package", { rawTexture }, QSize(4, 2) },
            { "big.package", { big }, QSize(1024, 1024) },
            { "no levels.package", { noLevels }, QSize() },
        };
        for (const Case& c : cases) {
            std::vector<std::pair<std::string, ByteString>> resources;
            for (const ByteString& texture : c.textures)
                resources.emplace_back("1C4A276C", texture);
            const fs::path file = writeFile(dir, c.file, package(resources));
            frmViewRecolor window(q(file));
            QVERIFY2(
                window.windowTitle().startsWith(QStringLiteral("Selected File Preview - ") + QLatin1String(c.file)),
                c.file);
            if (c.shown.isValid())
                QVERIFY(window.windowTitle().endsWith(
                    QStringLiteral("(%1 x %2)").arg(c.shown.width()).arg(c.shown.height())));
            QVERIFY2(window.previewAvailable() == c.shown.isValid(), c.file);
            if (c.shown.isValid())
                QCOMPARE(window.picture().size(), c.shown);
            else
                QCOMPARE(window.picture(), frmViewRecolor::notAvailablePicture());
            // What the preview area shows: the whole picture scaled to fit, a small one with sharp pixels.
            auto* preview = window.findChild<QLabel*>(QStringLiteral("picPreview"));
            QCOMPARE(preview->size(), QSize(517, 517));
            const QImage shown = c.shown.isValid() ? frmViewRecolor::shownPicture(window.picture()) : window.picture();
            // Fitted: neither side beyond the area, and no room for another texture pixel (or a larger picture).
            if (c.shown.isValid())
                QVERIFY2(shown.width() <= 517 && shown.height() <= 517
                        && (shown.width() > 517 - c.shown.width() || shown.height() > 517 - c.shown.height()
                            || std::max(shown.width(), shown.height()) == 517),
                    c.file);
            const QImage visible = preview->grab().toImage().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(visible.copy(QRect(QPoint(), shown.size())), shown.convertToFormat(QImage::Format_RGB32));
        }

        // Enlarged, each texture pixel stays one flat block (nearest neighbour).
        {
            const QImage shown = frmViewRecolor::shownPicture(frmViewRecolor(q(dir.path() / "raw.package")).picture());
            QCOMPARE(shown.size(), QSize(516, 258)); // 129 screen pixels a texture pixel
            QCOMPARE(shown.pixel(0, 0), shown.pixel(100, 100));
            QCOMPARE(shown.pixel(200, 0), shown.pixel(250, 120));
        }

        // The raw texture is shown as stored, not mirrored.
        frmViewRecolor window(q(dir.path() / "raw.package"));
        for (int p = 0; p < 8; ++p)
            QCOMPARE(window.picture().pixel(p % 4, p / 4), colours[p]);

        frmViewRecolor missing(q(dir.path() / "missing.package"));
        QVERIFY(!missing.previewAvailable());
    }

    void detailsShowTitleFolderAndTheFirstOverridesNames()
    {
        TemporaryFolder dir;
        const fs::path file = writeFile(dir, "Blue Recolor.package",
            materialPackage({ { { "name", "first" }, { "modelName", "sofa_model" }, { "subsetName", "body" },
                                  { "name", "second" }, { "ModelName", "wrong case" } },
                { { "name", "of the second override" } } }));
        const fs::path caseOnly
            = writeFile(dir, "case.package", materialPackage({ { { "MODELNAME", "ignored" }, { "name", "n" } } }));
        struct Case {
            QString file;
            QString title;
            QString folder;
            QStringList fields; // recolor, model, subset
        };
        const QString folder = q(dir.path()) + QDir::separator();
        const QList<Case> cases {
            { q(file), QStringLiteral("Selected Recolor Details - Blue Recolor.package"), folder,
                { QStringLiteral("second"), QStringLiteral("sofa_model"), QStringLiteral("body") } },
            { q(caseOnly), QStringLiteral("Selected Recolor Details - case.package"), folder,
                { QStringLiteral("n"), QString(), QString() } },
            { QString(), QStringLiteral("Selected Recolor Details - "), QString(),
                { QString(), QString(), QString() } },
        };
        for (const Case& c : cases) {
            frmRecolorDetails window(c.file);
            QCOMPARE(window.windowTitle(), c.title);
            const auto field
                = [&](const char* name) { return window.findChild<QLineEdit*>(QString::fromLatin1(name))->text(); };
            QCOMPARE(field("txtFilePath"), c.folder);
            QCOMPARE(
                (QStringList { field("txtRecolorName"), field("txtModelName"), field("txtSubsetName") }), c.fields);
        }
    }
};

QTEST_MAIN(RecolorWindowsTest)
#include "RecolorWindowsTest.moc"
