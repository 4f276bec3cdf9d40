#include "app/errors/ErrorReport.h"
#include "app/errors/SupportContacts.h"
#include "app/errors/frmErrorDialog.h"
#include "app/options/Languages.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/TextBridge.h"
#include "package/base/Folders.h"
#include "package/base/Paths.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <QThread>

#include <filesystem>
#include <optional>
#include <string_view>
#include <thread>
#include <vector>

using namespace varnick;

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void failIn(const char* module, const char* procedure, ErrorCode code, const std::string& description,
    std::int32_t location, std::string_view file = {})
{
    trapped(module, procedure, [&] {
        setLocation(location);
        std::optional<FileNameContext> named;
        if (!file.empty())
            named.emplace(file);
        throw Failure(code, description);
    });
}

} // namespace

class ErrorDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(mProgramFolder.isValid());
        QVERIFY(mUserFolder.isValid());
        qputenv("VARNICK_USER_DATA_DIR", mUserFolder.path().toUtf8());
        setProgramFolderForTesting(text::toPath(mProgramFolder.path()));
        errorContext() = ErrorContext {};
        mEnded = 0;
        mOpened.clear();
        mOpenerResult = true;
        mPresented.clear();
        frmErrorDialog::setEndProgramForTesting([this] { ++mEnded; });
        frmErrorDialog::setUrlOpenerForTesting([this](const QUrl& url) {
            mOpened.append(url);
            return mOpenerResult;
        });
        setErrorDialogPresenterForTesting([this](frmErrorDialog& dialog) {
            mPresented.push_back(&dialog);
            if (mPresent)
                mPresent(dialog);
        });
        mPresent = nullptr;
        installErrorDialog();
    }

    void cleanup()
    {
        setErrorTrapHandler({});
        setErrorDialogPresenterForTesting({});
        frmErrorDialog::setEndProgramForTesting({});
        frmErrorDialog::setUrlOpenerForTesting({});
        setProgramFolderForTesting({});
        qunsetenv("VARNICK_USER_DATA_DIR");
    }

    void controlsCarryTheirNamesCaptionsAndPlaces()
    {
        frmErrorDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Unrecoverable Error - Program Execution Halted"));
        QCOMPARE(dialog.size(), QSize(501, 310));
        auto* label = dialog.findChild<QLabel*>(QStringLiteral("Label1"));
        QVERIFY(label);
        QCOMPARE(label->text(),
            QStringLiteral("The program has encountered an unexpected error and has halted operation. The error "
                           "encountered is listed in the text box below."));
        auto* message = dialog.findChild<QPlainTextEdit*>(QStringLiteral("txtMessage"));
        QVERIFY(message);
        QVERIFY(message->isReadOnly());
        QCOMPARE(message->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

        const auto button = [&](const char* name) { return dialog.findChild<QPushButton*>(QLatin1String(name)); };
        QCOMPARE(button("cmdCopy")->text(), QStringLiteral("Copy error message to the Windows clipboard."));
        QCOMPARE(button("cmdEnd")->text(), QStringLiteral("Close the error dialog and end the program."));
        QCOMPARE(
            button("cmdWebPage")->text(), QStringLiteral("Open web page ") + text::fromUtf8(support::kWebHost) + u'.');
        QCOMPARE(button("cmdMailTo")->text(),
            QStringLiteral("Send mail to ") + text::fromUtf8(support::kEmailAddress) + u'.');
        QCOMPARE(button("cmdFocus")->text(), QStringLiteral("Command1"));
        QCOMPARE(button("cmdCopy")->y(), button("cmdEnd")->y());
        QVERIFY(button("cmdCopy")->x() < button("cmdEnd")->x());
        QVERIFY(button("cmdEnd")->geometry().bottom() < 310);
        for (const char* hidden : { "cmdWebPage", "cmdMailTo", "cmdFocus" })
            QVERIFY2(button(hidden)->y() >= 310, hidden);
        for (const char* name : { "cmdCopy", "cmdEnd", "cmdWebPage", "cmdMailTo" }) {
            QPushButton* captioned = button(name);
            QVERIFY2(captioned->fontMetrics().horizontalAdvance(captioned->text()) < captioned->width(), name);
        }
    }

    void trappedFailureShowsReportAndWritesLog()
    {
        failIn("modSimsPackage", "gsOpenPackageFile", ErrorCode::BadPackage, "Index past end of file", 2500,
            "/home/zoë/Downloads/chair.package");

        QCOMPARE(mPresented.size(), std::size_t(1));
        frmErrorDialog& dialog = *mPresented.front();
        const std::string expected = composeErrorReport(errorContext());
        QCOMPARE(dialog.report(), text::fromUtf8(expected));
        QVERIFY(dialog.report().endsWith(
            QStringLiteral("Additional Error Data:\r\nFilename = /home/zoë/Downloads/chair.package")));
        QVERIFY(dialog.report().contains(QStringLiteral("\r\nError: 2001\r\nIndex past end of file\r\n")));
        QVERIFY(dialog.report().contains(QStringLiteral("\r\nLocation: 2500\r\n")));

        const QString log = mProgramFolder.filePath(QStringLiteral("errorlog.txt"));
        QCOMPARE(QDir::fromNativeSeparators(text::fromPath(dialog.logFile())), log);
        QCOMPARE(readFile(log), QByteArray::fromStdString(expected + "\r\n"));

        auto* message = dialog.findChild<QPlainTextEdit*>(QStringLiteral("txtMessage"));
        QCOMPARE(message->toPlainText().remove(u'\r'), dialog.report().remove(u'\r'));
        QCOMPARE(mEnded, 0);
    }

    void aPhrasedFailureIsDescribedInThePlayersLanguage()
    {
        // Only the description is translated; the headings of the report stay as they are,
        // and a later failure without a phrase is not described with the earlier one's.
        struct Case {
            const char* language;
            bool phrased;
            const char* line;
        };
        const Case cases[] = {
            { "de", true, "\r\nError: 9001\r\nEs ist kein Objekt ausgew\u00e4hlt\r\n" },
            { "es", true, "\r\nError: 9001\r\nNo hay ning\u00fan objeto seleccionado\r\n" },
            { "en", true, "\r\nError: 9001\r\nNo object is selected\r\n" },
            { "de", false, "\r\nError: 9001\r\nNo object is selected\r\n" },
        };
        for (const Case& item : cases) {
            languages::installLanguageForTesting(*qApp, QString::fromLatin1(item.language));
            mPresented.clear();
            trapped("frmMain", "smenuDelThumbs_Click", [&] {
                if (item.phrased)
                    throw Failure(ErrorCode::InvalidArgument,
                        Phrase(VARNICK_PHRASE("ThumbnailPurgeAction", "No object is selected")));
                throw Failure(ErrorCode::InvalidArgument, "No object is selected");
            });
            QCOMPARE(mPresented.size(), std::size_t(1));
            const QString report = mPresented.front()->report();
            QVERIFY2(report.contains(QString::fromUtf8(item.line)), qPrintable(report));
            QVERIFY(report.contains(QStringLiteral("\r\nModule: frmMain\r\nProcedure: smenuDelThumbs_Click\r\n")));
            const QByteArray log = readFile(mProgramFolder.filePath(QStringLiteral("errorlog.txt")));
            QCOMPARE(QString::fromUtf8(log), report + QStringLiteral("\r\n"));
        }
        languages::installLanguageForTesting(*qApp, QStringLiteral("en"));
    }

    void aFailureTrappedOnAWorkerThreadIsShownOnTheUserInterfaceThread()
    {
        // Qt allows widgets on its own thread only: the report is handed over
        // and shown when the user-interface thread takes its events.
        QThread* presentedOn = nullptr;
        mPresent = [&](frmErrorDialog&) { presentedOn = QThread::currentThread(); };
        std::thread worker([] {
            failIn("modUtility", "gflngFindFiles", ErrorCode::FolderFailed, "Can not list the folder", 2000,
                "/tmp/worker.package");
        });
        worker.join();
        QTRY_COMPARE(mPresented.size(), std::size_t(1));
        QCOMPARE(presentedOn, QThread::currentThread());
        const QString report = mPresented.front()->report();
        QVERIFY(report.contains(QStringLiteral("Procedure: gflngFindFiles")));
        QVERIFY(report.contains(QStringLiteral("\r\nLocation: 2000\r\n")));
        QVERIFY(report.endsWith(QStringLiteral("Filename = /tmp/worker.package")));
        // The user-interface thread's own record is not the worker's.
        QVERIFY(errorContext().Procedure.empty());
    }

    void secondFailureReusesDialogWithFreshReportAndLog()
    {
        failIn("modOne", "gsFirst", ErrorCode::FileOpenFailed, "first failure with a long description", 1000);
        failIn("frmTwo", "cmdSecond_Click", ErrorCode::FileReadFailed, "second", 3000);

        QCOMPARE(mPresented.size(), std::size_t(2));
        QCOMPARE(mPresented[0], mPresented[1]);
        QVERIFY(mPresented[1]->report().contains(QStringLiteral("Procedure: cmdSecond_Click")));
        const QByteArray log = readFile(mProgramFolder.filePath(QStringLiteral("errorlog.txt")));
        QVERIFY(log.contains("cmdSecond_Click"));
        QVERIFY(!log.contains("gsFirst"));
    }

    void unwritableProgramFolderStillShowsDialogAndLogsPerUser()
    {
        setProgramFolderForTesting(text::toPath(mProgramFolder.filePath(QStringLiteral("not there"))));
        failIn("modOne", "gsFirst", ErrorCode::FileOpenFailed, "boom", 1000);
        QCOMPARE(mPresented.size(), std::size_t(1));
        QCOMPARE(QDir::fromNativeSeparators(text::fromPath(mPresented[0]->logFile())),
            mUserFolder.filePath(QStringLiteral("errorlog.txt")));

        // Nowhere to write at all: the report is still shown, and the reason is kept.
        QFile blocker(mUserFolder.filePath(QStringLiteral("errorlog.txt")));
        QVERIFY(blocker.remove());
        QVERIFY(QDir(mUserFolder.path()).mkdir(QStringLiteral("errorlog.txt")));
        failIn("modOne", "gsSecond", ErrorCode::FileOpenFailed, "boom again", 2000);
        QCOMPARE(mPresented.size(), std::size_t(2));
        QVERIFY(mPresented[1]->logFile().empty());
        QVERIFY(mPresented[1]->logError().contains(QStringLiteral("errorlog.txt")));
        QVERIFY(mPresented[1]->report().contains(QStringLiteral("Procedure: gsSecond")));
        QVERIFY(QDir(mUserFolder.path()).rmdir(QStringLiteral("errorlog.txt")));
    }

    void buttonsCopyEndAndMoveFocusAway()
    {
        mPresent = [this](frmErrorDialog& dialog) {
            dialog.show();
            auto* copy = dialog.findChild<QPushButton*>(QStringLiteral("cmdCopy"));
            auto* focus = dialog.findChild<QPushButton*>(QStringLiteral("cmdFocus"));
            QGuiApplication::clipboard()->setText(QStringLiteral("old clipboard text"));
            QTest::mouseClick(copy, Qt::LeftButton);
            mClipboard = QGuiApplication::clipboard()->text();
            mFocusAfterCopy = dialog.focusWidget() == focus;
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdEnd")), Qt::LeftButton);
            dialog.hide();
        };
        failIn("modOne", "gsFirst", ErrorCode::FileOpenFailed, "boom", 1000);
        QCOMPARE(mClipboard, mPresented.at(0)->report());
        QVERIFY(mFocusAfterCopy);
        QCOMPARE(mEnded, 1);
    }

    void showingClearsHourglassAndFocusesHolder()
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        frmErrorDialog dialog;
        dialog.show();
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QCOMPARE(dialog.focusWidget(), dialog.findChild<QPushButton*>(QStringLiteral("cmdFocus")));
    }

    void mailAndWebPageGoToDesktopHandlersAndLaunchFailuresAreExplained()
    {
        MessageBox::TestScope boxes;
        frmErrorDialog dialog;
        const auto click = [&](const char* name) {
            QTest::mouseClick(dialog.findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
        };
        mOpenerResult = false; // mail reports nothing even when no handler takes it
        click("cmdMailTo");
        QCOMPARE(mOpened.value(0), QUrl(QStringLiteral("mailto:") + text::fromUtf8(support::kEmailAddress)));
        QVERIFY(boxes.shown().isEmpty());

        click("cmdWebPage");
        QCOMPARE(mOpened.value(1), QUrl(text::fromUtf8(support::kWebPage)));
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(boxes.last().title, QStringLiteral("Error - Browser Not Found"));
        QCOMPARE(boxes.last().text, QStringLiteral("Could not find the default web browser!"));
        QCOMPARE(boxes.last().icon, QMessageBox::Critical);

        mOpenerResult = true;
        click("cmdWebPage");
        QCOMPARE(mOpened.size(), 3);
        QCOMPARE(boxes.shown().size(), 1);
        for (const char* bad : { "not a web address", "ftp://varnick.example.org/", "https://" }) {
            frmErrorDialog::openWebPage(&dialog, QLatin1String(bad));
            QCOMPARE(boxes.last().title, QStringLiteral("Error - Bad URL"));
            QCOMPARE(boxes.last().text, QStringLiteral("Support web page not found!"));
        }
        QCOMPARE(boxes.shown().size(), 4);
        QCOMPARE(mOpened.size(), 3); // bad addresses never reach a handler
        QCOMPARE(mEnded, 0);
    }

    void closingWithoutEndingReturnsToFailedProcedure()
    {
        setErrorDialogPresenterForTesting({}); // the real modal showing
        QTimer::singleShot(0, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                QTest::keyClick(modal, Qt::Key_Escape);
        });
        const bool finished = trapped("modOne", "gsFirst", [] { throw Failure(ErrorCode::Unexpected, "boom"); });
        QVERIFY(!finished);
        QCOMPARE(mEnded, 0);
        QVERIFY(QFile::exists(mProgramFolder.filePath(QStringLiteral("errorlog.txt"))));
    }

private:
    QTemporaryDir mProgramFolder;
    QTemporaryDir mUserFolder;
    int mEnded = 0;
    QList<QUrl> mOpened;
    bool mOpenerResult = true;
    std::vector<frmErrorDialog*> mPresented;
    std::function<void(frmErrorDialog&)> mPresent;
    QString mClipboard;
    bool mFocusAfterCopy = false;
};

QTEST_MAIN(ErrorDialogTest)
#include "ErrorDialogTest.moc"
