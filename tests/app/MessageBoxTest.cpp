#include "app/platform/qt/MessageBox.h"

#include <QTest>

using namespace varnick;

class MessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void queuedAnswersAreUsedInOrderAndEveryBoxIsRecorded()
    {
        MessageBox::TestScope boxes;
        boxes.answerNext(QMessageBox::Yes);
        boxes.answerNext(QMessageBox::No);
        QCOMPARE(MessageBox::question(nullptr, QStringLiteral("Confirm Action"), QStringLiteral("Exit this program?")),
            QMessageBox::Yes);
        QCOMPARE(MessageBox::question(nullptr, QStringLiteral("CONFIRM DELETE"), QStringLiteral("Delete?")),
            QMessageBox::No);
        QCOMPARE(boxes.pendingAnswers(), 0);
        QCOMPARE(boxes.shown().size(), 2);
        QCOMPARE(boxes.shown()[0].title, QStringLiteral("Confirm Action"));
        QCOMPARE(boxes.shown()[0].text, QStringLiteral("Exit this program?"));
        QCOMPARE(boxes.shown()[0].icon, QMessageBox::Question);
        QCOMPARE(boxes.shown()[0].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(boxes.shown()[0].answer, QMessageBox::Yes);
        QCOMPARE(boxes.last().answer, QMessageBox::No);
    }

    void unansweredBoxTakesDefaultElseFirstButton()
    {
        MessageBox::TestScope boxes;
        QCOMPARE(MessageBox::question(nullptr, QStringLiteral("t"), QStringLiteral("q")), QMessageBox::No);
        QCOMPARE(MessageBox::critical(nullptr, QStringLiteral("Fatal Error"), QStringLiteral("x")), QMessageBox::Ok);
        QCOMPARE(boxes.last().icon, QMessageBox::Critical);
        QCOMPARE(
            MessageBox::exclamation(nullptr, QStringLiteral("USER INPUT ERROR"), QStringLiteral("y")), QMessageBox::Ok);
        QCOMPARE(boxes.last().icon, QMessageBox::Warning);
        QCOMPARE(MessageBox::show(nullptr, QMessageBox::Information, QStringLiteral("t"), QStringLiteral("z"),
                     QMessageBox::Cancel | QMessageBox::Retry),
            QMessageBox::Retry);
    }
};

QTEST_MAIN(MessageBoxTest)
#include "MessageBoxTest.moc"
