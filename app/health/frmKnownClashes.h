#pragma once
// The GUID clashes the player marked as known, each with the packages that
// define it in the latest scan, so that a mark made in haste can be taken
// back: "Unmark" returns the clash to the Library Health list at the next scan.

#include "app/health/core/HealthReport.h"

#include <QDialog>
#include <QString>

#include <filesystem>
#include <vector>

class QPushButton;
class QTreeWidget;

namespace varnick {

class frmKnownClashes : public QDialog {
    Q_OBJECT
public:
    /// knownFile holds the marks; found are the known clashes the latest scan
    /// met below root (a mark whose clash was not met is listed without files).
    frmKnownClashes(std::filesystem::path knownFile, const std::vector<health::GuidClash>& found, const QString& root,
        QWidget* parent = nullptr);

    /// Whether a mark was taken back while the window was open.
    bool changed() const noexcept { return mChanged; }

private:
    void fillList(const std::vector<health::GuidClash>& found, const QString& root);
    void cmdUnmark_Click();
    void updateButtons();

    std::filesystem::path mKnownFile;
    QTreeWidget* mList;
    QPushButton* mUnmark;
    bool mChanged = false;
};

} // namespace varnick
