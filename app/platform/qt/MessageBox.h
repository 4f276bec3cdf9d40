#pragma once

#include <QList>
#include <QMap>
#include <QMessageBox>
#include <QString>

class QWidget;

// <windows.h> defines MessageBox as a macro for its own function; this class
// must keep its name in any translation unit that includes both.
#if defined(_WIN32) && defined(MessageBox)
#undef MessageBox
#endif

namespace varnick {

/// Every message box of the program goes through here, so that tests can
/// answer boxes in advance and check what was shown instead of blocking on a
/// modal window.
class MessageBox {
public:
    using Button = QMessageBox::StandardButton;
    using Buttons = QMessageBox::StandardButtons;
    using Icon = QMessageBox::Icon;

    /// One box as it was asked for.
    struct Shown {
        Icon icon = QMessageBox::NoIcon;
        QString title;
        QString text;
        Buttons buttons;
        Button answer = QMessageBox::NoButton;
    };

    /// Shows a modal box owned by parent (may be null) and returns the button
    /// the user chose. In test mode it shows nothing: it returns the next
    /// queued answer, or defaultButton (else the first of buttons) when none is queued.
    /// buttonTexts relabels standard buttons ("Choose Folder..." for Open).
    static Button show(QWidget* parent, Icon icon, const QString& title, const QString& text,
        Buttons buttons = QMessageBox::Ok, Button defaultButton = QMessageBox::NoButton,
        const QMap<Button, QString>& buttonTexts = {});

    /// The three kinds the program uses: critical stop, exclamation, question (Yes/No).
    static Button critical(QWidget* parent, const QString& title, const QString& text);
    static Button exclamation(QWidget* parent, const QString& title, const QString& text);
    static Button question(
        QWidget* parent, const QString& title, const QString& text, Button defaultButton = QMessageBox::No);

    /// Test hook: while alive, boxes are not shown but answered and recorded.
    class TestScope {
    public:
        TestScope();
        ~TestScope();
        TestScope(const TestScope&) = delete;
        TestScope& operator=(const TestScope&) = delete;

        /// Queues the answer for the next box (first in, first out).
        void answerNext(Button answer);
        /// Every box asked for since the scope began, oldest first.
        const QList<Shown>& shown() const;
        /// The latest box; only valid when shown() is not empty.
        const Shown& last() const;
        /// Answers queued but not yet used.
        qsizetype pendingAnswers() const;
    };
};

} // namespace varnick
