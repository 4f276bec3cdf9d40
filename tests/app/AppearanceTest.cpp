// Light and Dark: the choice is kept and put on the windows at once, and every
// colour the program draws itself stays readable on either.
#include "app/options/Appearance.h"
#include "app/browser/ThumbnailGrid.h"
#include "app/options/AppearanceDialog.h"
#include "app/platform/qt/Settings.h"

#include <QApplication>
#include <QComboBox>
#include <QPalette>
#include <QStyle>
#include <QTest>

using namespace varnick;

class AppearanceTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { mStartStyle = QApplication::style()->name(); }
    void cleanup() { appearance::apply(*qApp, appearance::System); }

    void theChoiceIsStoredAndAppliedAtOnce_data();
    void theChoiceIsStoredAndAppliedAtOnce();
    void systemBringsBackTheStartingLook();
    void ownColoursContrastWithTheWindow_data();
    void ownColoursContrastWithTheWindow();
    void anUnknownSettingReadsAsSystem();

private:
    QString mStartStyle;
};

void AppearanceTest::theChoiceIsStoredAndAppliedAtOnce_data()
{
    QTest::addColumn<QString>("appearance");
    QTest::addColumn<bool>("dark");
    QTest::newRow("light") << appearance::Light << false;
    QTest::newRow("dark") << appearance::Dark << true;
}

void AppearanceTest::theChoiceIsStoredAndAppliedAtOnce()
{
    QFETCH(QString, appearance);
    QFETCH(bool, dark);
    Settings::TemporaryStore store;
    AppearanceDialog dialog;
    QCOMPARE(dialog.appearances()->currentData().toString(), appearance::System);
    dialog.appearances()->setCurrentIndex(dialog.appearances()->findData(appearance));
    dialog.store();
    QCOMPARE(Settings::value(SettingKey::Appearance), appearance);
    QCOMPARE(appearance::chosen(), appearance);
    QCOMPARE(QApplication::style()->name().toLower(), QStringLiteral("fusion"));
    QCOMPARE(appearance::isDark(QApplication::palette()), dark);
    // A window open at the time takes the new colours too.
    QTRY_COMPARE(appearance::isDark(dialog.palette()), dark);
    // The dialog opens on the stored choice next time.
    AppearanceDialog again;
    QCOMPARE(again.appearances()->currentData().toString(), appearance);
}

void AppearanceTest::systemBringsBackTheStartingLook()
{
    Settings::TemporaryStore store;
    const QPalette before = QApplication::palette();
    appearance::apply(*qApp, appearance::Dark);
    QVERIFY(appearance::isDark(QApplication::palette()));
    appearance::apply(*qApp, appearance::System);
    QCOMPARE(QApplication::style()->name(), mStartStyle);
    QCOMPARE(QApplication::palette().color(QPalette::Window), before.color(QPalette::Window));
}

void AppearanceTest::ownColoursContrastWithTheWindow_data()
{
    QTest::addColumn<QString>("appearance");
    QTest::newRow("light") << appearance::Light;
    QTest::newRow("dark") << appearance::Dark;
}

void AppearanceTest::ownColoursContrastWithTheWindow()
{
    QFETCH(QString, appearance);
    appearance::apply(*qApp, appearance);
    const QPalette palette = QApplication::palette();
    const QColor window = palette.color(QPalette::Window);
    // 3:1 is the least for large text and drawn shapes, 4.5:1 for ordinary text.
    QVERIFY2(appearance::contrast(appearance::warningRed(palette), window) >= 4.5, "warning red");
    QVERIFY2(appearance::contrast(appearance::warningRed(palette), palette.color(QPalette::Base)) >= 3, "red bar");
    QVERIFY2(
        appearance::contrast(palette.color(QPalette::Text), appearance::pendingBackground(palette)) >= 4.5, "pending");
    ThumbnailGrid grid;
    QVERIFY2(appearance::contrast(grid.frameColour(false), window) >= 3, "frame");
    QVERIFY2(appearance::contrast(grid.frameColour(true), palette.color(QPalette::Highlight)) >= 3, "frame on mark");
}

void AppearanceTest::anUnknownSettingReadsAsSystem()
{
    Settings::TemporaryStore store;
    Settings::setValue(SettingKey::Appearance, QStringLiteral("purple"));
    QCOMPARE(appearance::chosen(), appearance::System);
    appearance::choose(QStringLiteral("purple"));
    QCOMPARE(Settings::value(SettingKey::Appearance), appearance::System);
}

QTEST_MAIN(AppearanceTest)
#include "AppearanceTest.moc"
