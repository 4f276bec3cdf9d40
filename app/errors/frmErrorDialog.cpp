#include "app/errors/frmErrorDialog.h"
#include "app/platform/qt/TextBridge.h"

#include "app/errors/ErrorReport.h"
#include "app/errors/SupportContacts.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/TranslatedPhrases.h"
#include "package/base/Paths.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QUrl>

#include <cstdio>
#include <cstdlib>

namespace varnick {

namespace {

std::function<void()>& endProgramHook()
{
    static std::function<void()> hook;
    return hook;
}

std::function<bool(const QUrl&)>& urlOpenerHook()
{
    static std::function<bool(const QUrl&)> hook;
    return hook;
}

std::function<void(frmErrorDialog&)>& presenterHook()
{
    static std::function<void(frmErrorDialog&)> hook;
    return hook;
}

void endProgram()
{
    if (endProgramHook()) {
        endProgramHook()();
        return;
    }
    // At once, as after any unrecoverable failure: no event loop or destructor runs again.
    std::fflush(nullptr);
    std::_Exit(EXIT_FAILURE);
}

bool openUrl(const QUrl& url)
{
    return urlOpenerHook() ? urlOpenerHook()(url) : QDesktopServices::openUrl(url);
}

// Positions in pixels of the window's design (15 twips each); the client area
// is 501 x 310, and the support buttons and the focus holder lie below it.
constexpr int kClientWidth = 501;
constexpr int kClientHeight = 310;
constexpr int kMargin = 8;
constexpr int kButtonWidth = 238;
constexpr int kButtonHeight = 30;
constexpr int kButtonRowTop = 272; // 4080 twips
constexpr int kWebPageTop = 336; // 5040 twips
constexpr int kMailToTop = 340; // 5100 twips

// The report with its description in the player's language, as the dialog
// shows it and the log keeps it; the headings and the rest stay as they are.
std::string reportInPlayersWords(const ErrorContext& context)
{
    ErrorContext said = context;
    if (context.DescriptionPhrase)
        said.Description = text::toUtf8(phraseText(*context.DescriptionPhrase));
    return composeErrorReport(said);
}

// The window's size is fixed, so a caption that is too long for its button
// is set in a smaller type instead of being cut off.
void fitCaption(QPushButton* button)
{
    QFont font = button->font();
    const int room = button->width() - 12;
    while (font.pointSizeF() > 6.0 && QFontMetrics(font).horizontalAdvance(button->text()) > room)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    button->setFont(font);
}

} // namespace

frmErrorDialog::frmErrorDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmErrorDialog"));
    setWindowTitle(tr("Unrecoverable Error - Program Execution Halted"));
    setFixedSize(kClientWidth, kClientHeight);

    Label1 = new QLabel(tr("The program has encountered an unexpected error and has halted operation. "
                           "The error encountered is listed in the text box below."),
        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setGeometry(kMargin, kMargin, kClientWidth - 2 * kMargin, 36);

    txtMessage = new QPlainTextEdit(this);
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    txtMessage->setAccessibleName(tr("Error details"));
    txtMessage->setReadOnly(true);
    txtMessage->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage->setGeometry(kMargin, 48, kClientWidth - 2 * kMargin, kButtonRowTop - 48 - kMargin);

    const int rightColumn = kClientWidth - kMargin - kButtonWidth;
    cmdCopy = new QPushButton(tr("Copy error message to the Windows clipboard."), this);
    cmdCopy->setObjectName(QStringLiteral("cmdCopy"));
    cmdCopy->setGeometry(kMargin, kButtonRowTop, kButtonWidth, kButtonHeight);

    cmdEnd = new QPushButton(tr("Close the error dialog and end the program."), this);
    cmdEnd->setObjectName(QStringLiteral("cmdEnd"));
    cmdEnd->setGeometry(rightColumn, kButtonRowTop, kButtonWidth, kButtonHeight);

    cmdWebPage = new QPushButton(tr("Open web page %1.").arg(text::fromUtf8(support::kWebHost)), this);
    cmdWebPage->setObjectName(QStringLiteral("cmdWebPage"));
    cmdWebPage->setGeometry(kMargin, kWebPageTop, kButtonWidth, kButtonHeight);

    cmdMailTo = new QPushButton(tr("Send mail to %1.").arg(text::fromUtf8(support::kEmailAddress)), this);
    cmdMailTo->setObjectName(QStringLiteral("cmdMailTo"));
    cmdMailTo->setGeometry(rightColumn, kMailToTop, kButtonWidth, kButtonHeight);

    cmdFocus = new QPushButton(QStringLiteral("Command1"), this);
    cmdFocus->setObjectName(QStringLiteral("cmdFocus"));
    cmdFocus->setGeometry(kMargin, kMailToTop + kButtonHeight + kMargin, 16, 16);

    // No button is the default: Enter must not end the program by accident.
    for (QPushButton* button : { cmdCopy, cmdEnd, cmdWebPage, cmdMailTo, cmdFocus }) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    for (QPushButton* button : { cmdCopy, cmdEnd, cmdWebPage, cmdMailTo })
        fitCaption(button);

    connect(cmdCopy, &QPushButton::clicked, this, &frmErrorDialog::cmdCopy_Click);
    connect(cmdEnd, &QPushButton::clicked, this, &frmErrorDialog::cmdEnd_Click);
    connect(cmdWebPage, &QPushButton::clicked, this, &frmErrorDialog::cmdWebPage_Click);
    connect(cmdMailTo, &QPushButton::clicked, this, &frmErrorDialog::cmdMailTo_Click);
}

void frmErrorDialog::loadReport(const ErrorContext& context)
{
    const std::string report = reportInPlayersWords(context);
    mReport = text::fromUtf8(report);
    mLogFile.clear();
    mLogError.clear();
    try {
        mLogFile = writeErrorLog(report);
    } catch (const std::exception& error) {
        // Still show the report: the user must learn of the failure even without a log.
        mLogError = text::fromUtf8(error.what());
    }
    txtMessage->setPlainText(mReport);
}

void frmErrorDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!parentWidget()) {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    Form_Activate();
}

void frmErrorDialog::Form_Activate()
{
    // Clear the hourglass the failed operation may have left.
    while (QApplication::overrideCursor() != nullptr)
        QApplication::restoreOverrideCursor();
    cmdFocus->setFocus();
}

void frmErrorDialog::cmdCopy_Click()
{
    cmdFocus->setFocus();
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    // The report itself, with its CR LF line ends (the text box shows the same lines).
    clipboard->setText(mReport);
}

void frmErrorDialog::cmdEnd_Click()
{
    cmdFocus->setFocus();
    endProgram();
}

void frmErrorDialog::cmdWebPage_Click()
{
    cmdFocus->setFocus();
    openWebPage(this, text::fromUtf8(support::kWebPage));
}

void frmErrorDialog::cmdMailTo_Click()
{
    cmdFocus->setFocus();
    openUrl(QUrl(QStringLiteral("mailto:") + text::fromUtf8(support::kEmailAddress)));
}

void frmErrorDialog::openWebPage(QWidget* owner, const QString& address)
{
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty()
        || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        MessageBox::critical(owner, tr("Error - Bad URL"), tr("Support web page not found!"));
        return;
    }
    if (!openUrl(url)) {
        MessageBox::critical(owner, tr("Error - Browser Not Found"), tr("Could not find the default web browser!"));
    }
}

void frmErrorDialog::setEndProgramForTesting(std::function<void()> endProgram)
{
    endProgramHook() = std::move(endProgram);
}

void frmErrorDialog::setUrlOpenerForTesting(std::function<bool(const QUrl&)> opener)
{
    urlOpenerHook() = std::move(opener);
}

namespace {

// Without windows (no QApplication yet, or it failed to start) the report
// still reaches the log and standard error, and the program ends.
void reportWithoutWindow(const ErrorContext& context)
{
    const std::string report = reportInPlayersWords(context);
    std::fprintf(stderr, "%s\n", report.c_str());
    try {
        const auto file = writeErrorLog(report);
        std::fprintf(stderr, "The report was written to %s\n", pathToUtf8(file).c_str());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
    }
    endProgram();
}

void showErrorDialog(const ErrorContext& context)
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        reportWithoutWindow(context);
        return;
    }
    static QPointer<frmErrorDialog> dialog;
    if (dialog.isNull())
        dialog = new frmErrorDialog(nullptr);
    dialog->loadReport(context);
    if (presenterHook()) {
        presenterHook()(*dialog);
        return;
    }
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->exec();
}

void presentReport(const ErrorContext& context)
{
    try {
        showErrorDialog(context);
    } catch (...) {
        // The dialog itself failed (out of memory): the text report is all that is left.
        try {
            reportWithoutWindow(context);
        } catch (...) {
            std::fputs("Unrecoverable error: the error report could not be made.\n", stderr);
            endProgram();
        }
    }
}

} // namespace

void installErrorDialog()
{
    setErrorTrapHandler([](const ErrorContext& context) {
        QCoreApplication* application = QCoreApplication::instance();
        if (application != nullptr && QThread::currentThread() != application->thread()) {
            // Widgets belong to the user-interface thread: a failure trapped on a
            // worker is shown there, with the worker's record, and the worker goes on.
            QMetaObject::invokeMethod(
                application, [context] { presentReport(context); }, Qt::QueuedConnection);
            return;
        }
        presentReport(context);
    });
}

void setErrorDialogPresenterForTesting(std::function<void(frmErrorDialog&)> presenter)
{
    presenterHook() = std::move(presenter);
}

} // namespace varnick
