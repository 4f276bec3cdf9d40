#pragma once

#include "package/base/ErrorTrap.h"

#include <QDialog>
#include <QString>

#include <filesystem>
#include <functional>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QUrl;

namespace varnick {

/// The error dialog "Unrecoverable Error - Program Execution Halted": shows
/// the report of a trapped failure, writes it to errorlog.txt, and offers to
/// copy it, mail or visit the support address, or end the program.
class frmErrorDialog : public QDialog {
    Q_OBJECT

public:
    explicit frmErrorDialog(QWidget* parent = nullptr);

    /// Composes the report of context, writes errorlog.txt and shows the
    /// report. When no log can be written anywhere the report is still shown;
    /// logFile() is then empty and logError() says why.
    void loadReport(const ErrorContext& context);

    QString report() const { return mReport; }
    const std::filesystem::path& logFile() const { return mLogFile; }
    QString logError() const { return mLogError; }

    /// Ends the process; tests replace it. An empty function restores the real one.
    static void setEndProgramForTesting(std::function<void()> endProgram);
    /// Hands URLs to the desktop's handlers; tests replace it. An empty function restores the real one.
    static void setUrlOpenerForTesting(std::function<bool(const QUrl&)> opener);

    /// Opens address in the default web browser, or explains in a message box
    /// ("Error - Bad URL", "Error - Browser Not Found") why it could not.
    static void openWebPage(QWidget* owner, const QString& address);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Activate();
    void cmdCopy_Click();
    void cmdEnd_Click();
    void cmdWebPage_Click();
    void cmdMailTo_Click();

    QLabel* Label1;
    QPlainTextEdit* txtMessage;
    QPushButton* cmdCopy;
    QPushButton* cmdEnd;
    QPushButton* cmdWebPage;
    QPushButton* cmdMailTo;
    QPushButton* cmdFocus;

    QString mReport;
    std::filesystem::path mLogFile;
    QString mLogError;
};

/// Makes the error dialog the error trap's handler: each trapped failure shows
/// the one dialog modally, without owner, with a freshly composed report.
/// A failure trapped on another thread is handed to the user-interface thread
/// and shown there (the trap returns at once on the worker).
/// Without a QApplication the report goes to errorlog.txt and standard error.
void installErrorDialog();

/// Tests see the loaded dialog here instead of it being shown modally.
/// An empty function restores the modal showing.
void setErrorDialogPresenterForTesting(std::function<void(frmErrorDialog&)> presenter);

} // namespace varnick
