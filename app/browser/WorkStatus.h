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

/// The main window's status line while it works off the user-interface
/// thread: what it is doing (mText), how far it got (mProgress) and Cancel
/// (mCancel), all hidden when nothing runs.
class WorkStatus : public QObject {
    Q_OBJECT
public:
    /// Adds the three controls to bar; cancel runs when Cancel is clicked.
    WorkStatus(QStatusBar* bar, std::function<void()> cancel);

    /// Shows the state: scanning a folder, drawing a page of pageCells cells, or idle.
    void update(bool scanning, bool drawing, int pageCells);
    /// The scan's running counts.
    void showScanned(std::size_t done, std::size_t total);
    /// Cells of the page drawn so far.
    void showDrawn(int done);
    /// A line of its own (a failure), until the next update.
    void showMessage(const QString& message);

private:
    QLabel* mText;
    QProgressBar* mProgress;
    QPushButton* mCancel;
};

} // namespace varnick
