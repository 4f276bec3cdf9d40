#pragma once

#include "app/browser/core/ObjectSummary.h"
#include "app/browser/core/PackageScan.h"

#include <QString>
#include <QWidget>

#include <atomic>
#include <optional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace varnick {

/// The right pane of the main window (fraObject): the selected object's file
/// name, its large thumbnail and its details.
class ObjectPane : public QWidget {
    Q_OBJECT
public:
    explicit ObjectPane(QWidget* parent = nullptr);

    /// Shows the object of the package at path: what known says while the file is
    /// unchanged, otherwise the package read (counted in packagesRead). Returns what it showed.
    browser::ObjectSummary showObject(
        const QString& path, const std::optional<browser::KnownSummary>& known, std::atomic<int>& packagesRead);
    void clear();
    /// The file name shown; "" when nothing is shown or the package is gone.
    QString fileName() const;

private:
    QLineEdit* mFileName;
    QLabel* mPicture;
    QLabel* mStatus;
    QLabel* mNotFound;
    QPlainTextEdit* mDetails;
};

} // namespace varnick
