#pragma once
// The recolor finder: a small progress window that searches the browsed folder
// tree for an object's recolors on a worker thread, then hands what it found
// to the delete and move window. Cancel ends the search without opening it.

#include "app/platform/qt/DialogSeam.h"
#include "app/recolors/core/RecolorSearch.h"

#include <QDialog>
#include <QList>
#include <QPair>
#include <QString>

#include <atomic>
#include <functional>

class QPushButton;

namespace varnick {

class BackgroundTask;
struct TaskEnd;

/// The red bar that grows as the search goes through the packages.
class RecolorStatusBar : public QWidget {
    Q_OBJECT
public:
    explicit RecolorStatusBar(QWidget* parent = nullptr);
    /// Fills the bar to done / count of its width; it never shrinks.
    void setProgress(std::int32_t done, std::int32_t count);
    double fraction() const noexcept { return mFraction; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double mFraction = 0;
};

class frmFindRecolors : public QDialog {
    Q_OBJECT
public:
    // NOLINTBEGIN(readability-identifier-naming): the window's fields as the game's design names them
    struct Request {
        QString SearchPath;
        QString ObjectFilename;
        qint32 GUID = 0;
    };
    // NOLINTEND(readability-identifier-naming)
    using Seam = DialogSeam<frmFindRecolors, Request, bool>;

    /// Searches searchPath for recolors of the object guid (its package is
    /// objectFilename) behind the modal progress window, then shows the delete
    /// and move window with the result, unless the user cancelled. Under a
    /// Seam::TestScope it only records the request.
    static void run(QWidget* owner, const QString& searchPath, const QString& objectFilename, qint32 guid);

    frmFindRecolors(const QString& searchPath, const QString& objectFilename, qint32 guid, QWidget* parent = nullptr);
    ~frmFindRecolors() override;

    /// Starts the search on a worker thread; does nothing while one runs.
    void startSearch();
    bool isSearching() const noexcept;
    /// The finished search (empty until then).
    const recolors::RecolorSearchResult& result() const noexcept { return mResult; }
    /// Every progress update the bar drew, as (done, count), oldest first.
    const QList<QPair<int, int>>& progressUpdates() const noexcept { return mUpdates; }

    /// Test hook, called on the worker thread at each progress update with the
    /// search's cancel flag; an empty function removes it.
    using ProgressHook = std::function<void(std::int32_t done, std::int32_t count, const std::atomic<bool>& cancel)>;
    static void setProgressHookForTesting(ProgressHook hook);

    /// Ends the search; the window closes as soon as the worker has stopped.
    void cmdCancel_Click();

signals:
    void searchFinished();

protected:
    void reject() override;

private:
    void showProgress(int done, int count);
    void finishSearch(const TaskEnd& end);

    QString mSearchPath;
    QString mObjectFilename;
    qint32 mGuid;
    recolors::RecolorSearchResult mResult;
    QList<QPair<int, int>> mUpdates;
    BackgroundTask* mSearch;
    bool mCancelled = false;
    RecolorStatusBar* picStatus = nullptr;
    QPushButton* cmdCancel = nullptr;
};

} // namespace varnick
