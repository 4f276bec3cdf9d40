#pragma once

#include "app/browser/core/PackageScan.h"

#include <QDialog>

#include <vector>

class QTreeWidget;

namespace varnick {

/// "Files That Could Not Be Read": the files the last scan of the main window
/// could not read, each with its reason. Not modal; shown again with a fresh list.
class SkippedFilesDialog : public QDialog {
    Q_OBJECT
public:
    explicit SkippedFilesDialog(QWidget* parent = nullptr);
    /// Lists files (file name, reason) and shows the dialog in front.
    void showFiles(const std::vector<browser::SkippedFile>& files);

private:
    QTreeWidget* mFiles;
};

} // namespace varnick
