#include "app/browser/WindowWiring.h"
#include "app/browser/frmMain.h"
#include "app/editor/frmEditObject.h"
#include "app/health/frmLibraryHealth.h"
#include "app/platform/qt/Settings.h"

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
    frmMain window;
    connectMainWindow(window);

    emit window.editRequested(QStringLiteral("/downloads/sofa.package"));
    emit window.libraryHealthRequested(QStringLiteral("/downloads"));
    emit LibraryHealthEvents::instance().editRequested(QStringLiteral("/downloads/lamp.package"));

    QCOMPARE(editor.requests(),
        (QList<QString> { QStringLiteral("/downloads/sofa.package"), QStringLiteral("/downloads/lamp.package") }));
    QCOMPARE(health.requests().size(), 1);
    QCOMPARE(health.requests()[0].Root, QStringLiteral("/downloads"));
    QVERIFY(window.findChild<QAction*>(QStringLiteral("smenuLibraryHealth")) != nullptr);
}

QTEST_MAIN(WindowWiringTest)
#include "WindowWiringTest.moc"
