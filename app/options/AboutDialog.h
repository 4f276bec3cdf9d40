#pragma once

#include <QDialog>
#include <QString>

class QPlainTextEdit;

namespace varnick {

/// Help, "About Varnick": the versions of Varnick, Kelvora and Qt and the
/// folders in use, with a "Copy" button that puts the same text on the
/// clipboard for a help forum.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    /// searchRoot is the folder tree the window shows (its library index is listed).
    explicit AboutDialog(const QString& searchRoot, QWidget* parent = nullptr);

    /// The facts shown, one "Name: value" a line.
    static QString report(const QString& searchRoot);
    QPlainTextEdit* details() const { return mDetails; }

private:
    QPlainTextEdit* mDetails;
};

} // namespace varnick
