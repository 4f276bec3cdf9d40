#pragma once

#include <QDialog>
#include <QUrl>

class QTextBrowser;

namespace varnick {

/// The program's help: HTML pages built into the program, shown in a window of
/// its own beside the window that asked for it. One viewer serves the whole
/// program; asking again brings it forward at the new topic.
class HelpViewer : public QDialog {
    Q_OBJECT
public:
    /// Help context numbers the windows open the help at.
    static constexpr int kContextMainWindow = 1;
    static constexpr int kContextEditor = 8;

    /// Shows the help at the topic for context, owned by owner (may be null).
    /// An unknown context opens the contents page. Returns the viewer (owned by Qt).
    static HelpViewer* showContext(QWidget* owner, int context);

    /// The page of a context number, in the help's language where the pages are
    /// translated into it, else in English.
    static QUrl pageForContext(int context);

    /// The language the pages are looked for in ("de", "es", "pt_BR"; "en" by
    /// default). The program sets it when it loads its windows' translation.
    static void setLanguage(const QString& code);

    /// The open viewer, or null when none is open.
    static HelpViewer* current();

    /// The page shown now.
    QUrl currentPage() const;

private:
    explicit HelpViewer(QWidget* owner);
    void showPage(const QUrl& page);

    QTextBrowser* mBrowser = nullptr;
};

} // namespace varnick
