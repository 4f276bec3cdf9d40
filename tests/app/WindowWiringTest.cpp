#include "app/browser/WindowWiring.h"
#include "app/browser/frmMain.h"
#include "app/editor/frmEditObject.h"
#include "app/health/frmLibraryHealth.h"
#include "app/platform/qt/Settings.h"
#include "app/recolors/frmFindRecolors.h"

#include <QTest>

using namespace varnick;

class WindowWiringTest : public QObject {
    Q_OBJECT
private slots:
    void requestsOfTheMainWindowOpenTheirWindows();
};

void WindowWiringTest::requestsOfTheMainWindowOpenTheirWindows()
{
    Settings::TemporaryStore store;
    frmEditObject::Seam::TestScope editor;
    frmLibraryHealth::Seam::TestScope health;
    frmFindRecolors::Seam::TestScope finder;
    frmMain window;
    connectMainWindow(window);

    emit window.editRequested(QStringLiteral("/downloads/sofa.package"));
    emit window.libraryHealthRequested(QStringLiteral("/downloads"));
    emit window.deleteMoveRequested(QStringLiteral("/downloads/a/sofa.package"), QStringLiteral("/downloads"), -7);
    emit LibraryHealthEvents::instance().editRequested(QStringLiteral("/downloads/lamp.package"));

    QCOMPARE(editor.requests(),
        (QList<QString> { QStringLiteral("/downloads/sofa.package"), QStringLiteral("/downloads/lamp.package") }));
    QCOMPARE(health.requests().size(), 1);
    QCOMPARE(health.requests()[0].Root, QStringLiteral("/downloads"));
    QCOMPARE(finder.requests().size(), 1);
    QCOMPARE(finder.requests()[0].ObjectFilename, QStringLiteral("/downloads/a/sofa.package"));
    QCOMPARE(finder.requests()[0].SearchPath, QStringLiteral("/downloads"));
    QCOMPARE(finder.requests()[0].GUID, -7);
    QVERIFY(window.findChild<QAction*>(QStringLiteral("smenuLibraryHealth")) != nullptr);
}

QTEST_MAIN(WindowWiringTest)
#include "WindowWiringTest.moc"
