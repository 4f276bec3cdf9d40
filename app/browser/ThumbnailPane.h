#pragma once

#include "app/browser/MainWindowController.h"

#include <QWidget>

#include <array>
#include <atomic>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace varnick {

class FolderScanner;
class PageLoader;
class ThumbnailGrid;

/// The middle pane of the main window (fraThumbs): the page of 25 thumbnails
/// with their captions, the page counter and buttons, Edit Object and
/// Delete/Move, and the line that counts the files that could not be read.
/// It draws the controller's current page (captions and pictures are read by
/// a PageLoader and appear as they arrive), turns the pages, blinks the frame
/// of the selected cell and shows the marks. The window wires the buttons and
/// shows the object the pane selects.
class ThumbnailPane : public QWidget {
    Q_OBJECT
public:
    ThumbnailPane(MainWindowController& controller, FolderScanner& scanner, QWidget* parent = nullptr);

    ThumbnailGrid* picThumbs() const { return mGrid; }
    QPushButton* cmdFirst() const { return mButtons[0]; }
    QPushButton* cmdPrevious() const { return mButtons[1]; }
    QPushButton* cmdNext() const { return mButtons[2]; }
    QPushButton* cmdLast() const { return mButtons[3]; }
    QPushButton* cmdSelect() const { return mButtons[4]; }
    QPushButton* frmDelMove() const { return mButtons[5]; }
    QPushButton* cmdSkipped() const { return mButtons[6]; }
    QTimer* Timer1() const { return mBlink; }

    /// Gets each caption read: cells done of cells asked for on this page.
    void setProgressHandler(std::function<void(int done, int requested)> handler) { mOnProgress = std::move(handler); }
    /// Gets the end of the page's reading.
    void setEndHandler(std::function<void()> handler);
    /// Gets the object the page selects (its path), or "" when the selected cell is empty.
    void setSelectHandler(std::function<void(const QString& path)> handler) { mOnSelect = std::move(handler); }
    /// Gets every change of the page or the marks (the window enables its controls anew).
    void setChangeHandler(std::function<void()> handler) { mOnChange = std::move(handler); }

    /// Empties the pictures and captions; the next batch of the scan draws the page.
    void clearPage();
    /// Draws the controller's page anew; the first cell is selected when resetSelection is set.
    void drawPage(bool resetSelection);
    void firstPage();
    void previousPage();
    void nextPage();
    void lastPage();
    /// A press at (x, y) of the grid selects the cell there and marks as the
    /// modifiers say; a right press keeps the marks when it lands on one of them.
    void press(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    /// A key pressed on the grid; true when it was one of the grid's keys.
    bool keyPress(int key, Qt::KeyboardModifiers modifiers);
    /// Hovering over a cell shows its object's file title.
    void mouseMove(int x, int y);
    void markAll(bool wholeFolder);
    /// Shows the new folder's state: nothing marked, the grid's hint.
    void folderChanged();
    /// Shows "Choose a folder…" in the empty grid while no folder is open, "no objects" in an empty one.
    void updateHint();
    /// The line that counts the marked objects.
    QLabel* lblMarked() const { return mMarkedLine; }
    /// The full name of cell's object (its caption may be shortened to fit).
    QString captionText(int cell) const { return mCaptionTexts[static_cast<std::size_t>(cell)]; }
    /// A tick of the frame's blinking (Timer1).
    void blink();
    bool blinkOn() const { return mBlinkOn; }
    /// Shows or erases the selection frame.
    void drawFrame(bool on);
    /// Asks for the cells of the page that the scan has found since it was drawn.
    void fillPage();
    /// The scan found more of the folder's objects: draws the first page when
    /// none is drawn (true), else counts the pages again and fills the page.
    bool showFound();
    /// Whether the page was drawn since the last clearPage.
    bool pageDrawn() const { return mPageDrawn; }
    /// Stops reading the page; what was drawn stays.
    void cancel();
    /// Stops reading the page before another folder is scanned; its first batch draws the page anew.
    void startFolder();
    bool drawing() const;
    int cellsRequested() const { return mCellsRequested; }
    /// Packages read for the pages and the object pane because the scan knew nothing of them.
    std::atomic<int>& packagesRead();

    void updatePageCount();
    /// Enables the page buttons, Edit Object and Delete/Move from the controller's can… queries.
    void updateButtons();
    void updateSkippedLine();

signals:
    /// Enter on the grid: "Edit Object".
    void editKeyPressed();
    /// Delete on the grid: "Delete/Move".
    void deleteKeyPressed();
    /// The menu key or a right press: the object's actions at global point at.
    void contextMenuRequested(const QPoint& at);

protected:
    void changeEvent(QEvent* event) override;

private:
    // Colours the "could not be read" line for the window's palette.
    void styleSkippedLine();
    void showMarks();
    /// Tells the window which object is shown now.
    void showSelection();
    void setCaption(int cell, const QString& name);
    /// Places the captions under their cells and shortens them to fit.
    void layoutCaptions();

    MainWindowController& mController;
    FolderScanner& mScanner;
    PageLoader* mPages;
    ThumbnailGrid* mGrid;
    std::array<QLabel*, MainWindowController::kSimNameLabels> mCaptions {};
    std::array<QString, MainWindowController::kThumbsPerPage> mCaptionTexts {};
    QLabel* mMarkedLine;
    QLabel* mNotFound;
    QLineEdit* mPageCount;
    std::array<QPushButton*, 7> mButtons {};
    int mCellsRequested = 0;
    int mCellsDone = 0;
    bool mPageDrawn = false;
    bool mBlinkOn = false;
    QTimer* mBlink;
    std::function<void(int, int)> mOnProgress;
    std::function<void(const QString&)> mOnSelect;
    std::function<void()> mOnChange;
};

} // namespace varnick
