#pragma once
// The main window's two ways to install Sims2Pack files: File, "Install
// Sims2Pack..." (a file dialog opening in Downloads) and Sims2Pack files
// dragged onto the window. Either ends in filesChosen; the install window is
// opened by whoever listens.

#include <QObject>
#include <QStringList>

class QAction;
class QMenu;
class QMimeData;
class QWidget;

namespace varnick {

class Sims2PackInstallAction : public QObject {
    Q_OBJECT
public:
    /// Adds "Install Sims2Pack..." to file and takes Sims2Pack files dropped on window (which owns this).
    Sims2PackInstallAction(QMenu* file, QWidget* window);

    /// The menu entry: asks for Sims2Pack files; nothing happens when the dialog is cancelled.
    void chooseFiles();
    /// The Sims2Pack files among the local files being dragged.
    static QStringList droppedSims2Packs(const QMimeData* data);

signals:
    void filesChosen(const QStringList& files);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* mWindow;
};

} // namespace varnick
