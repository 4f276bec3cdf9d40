#pragma once

#include <QObject>
#include <QString>

#include <cstddef>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;
class QStatusBar;

namespace varnick {

class FolderScanner;
class ThumbnailPane;

/// The main window's status line while it works off the user-interface
/// thread: what it is doing (mText), how far it got (mProgress) and Cancel
/// (mCancel), all hidden when nothing runs. The work is the folder scan's
/// and the page drawing's.
class WorkStatus : public QObject {
    Q_OBJECT
public:
    /// Adds the three controls to bar; cancel runs when Cancel is clicked.
    WorkStatus(QStatusBar* bar, const FolderScanner& scanner, const ThumbnailPane& pages, std::function<void()> cancel);

    /// Shows the state: scanning a folder, drawing a page, or idle.
    void update();
    /// The scan's running counts.
    void showScanned(std::size_t done, std::size_t total);
    /// Cells of the page drawn so far (the scan's counts show while it runs).
    void showDrawn(int done);
    /// A line of its own (a failure), until the next update.
    void showMessage(const QString& message);

private:
    const FolderScanner& mScanner;
    const ThumbnailPane& mPages;
    QLabel* mText;
    QProgressBar* mProgress;
    QPushButton* mCancel;
};

} // namespace varnick
