#pragma once
// The install window's list of what the chosen Sims2Pack files hold: a line
// per file (where its objects go, or why nothing of it can be installed) with
// a row per item below it (picture, catalog name, type, size, where it goes
// and its warnings).

#include "app/sims2pack/Sims2PackInstallWork.h"

#include <QString>
#include <QTreeWidget>

#include <cstddef>
#include <filesystem>
#include <vector>

namespace varnick {

class Sims2PackInstallList : public QTreeWidget {
    Q_OBJECT
public:
    enum Column { ObjectColumn, TypeColumn, SizeColumn, TargetColumn, WarningColumn };

    explicit Sims2PackInstallList(QWidget* parent = nullptr);

    /// Lists entries anew. Paths below downloads (the game's Downloads folder,
    /// "" when there is none) are shown from "Downloads"; rename tells how a
    /// taken name is installed.
    void fill(const std::vector<Sims2PackEntry>& entries, const QString& downloads, bool rename);

private:
    /// The file's own line, across the columns.
    QTreeWidgetItem* addFileLine(const Sims2PackEntry& entry);
    void addItemRow(QTreeWidgetItem* fileLine, const Sims2PackEntry& entry, std::size_t item);
    /// Fills the target column of row with where the plan puts item; returns its warnings.
    QStringList showPlannedItem(QTreeWidgetItem* row, const sims2pack::InstallPlan& plan, std::size_t item) const;
    QString shownPath(const std::filesystem::path& path) const;

    QString mDownloads;
    bool mRename = false;
    QIcon mWarning;
    QImage mMissing;
};

} // namespace varnick
