#pragma once

// The catalog editor in batch mode: several packages' objects at once. Each
// control shows the objects' common value, or a mixed state where they differ
// (a blank name, description or number box, a list without selection,
// partly checked entries in the lists of several selections). A sub-list
// follows its category as in the single editor: the entries of the category
// the player chose, else of the one all objects share; when the objects
// differ in the category and it is left alone, the sub-list is disabled with
// a hint. Only what the player changes is written,
// each package on its own through the editor's save, with progress, Cancel
// and a summary at the end. The work is BatchEdit's; this only translates.

#include "app/editor/core/BatchEdit.h"
#include "app/editor/core/CatalogLists.h"
#include "app/platform/qt/DialogSeam.h"

#include <QDialog>
#include <QStringList>

#include <map>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace varnick {

class frmBatchEdit : public QDialog {
    Q_OBJECT
public:
    using Seam = DialogSeam<frmBatchEdit, QStringList, bool>;

    /// Loads files, shows the batch editor modally over owner and saves on
    /// "Save Objects"; true when any package was written.
    static bool edit(QWidget* owner, const QStringList& files);

    /// The window over an already loaded batch (tests drive it directly).
    explicit frmBatchEdit(BatchEdit batch, QWidget* parent = nullptr);

    /// What the controls changed so far.
    BatchChanges changes() const;
    /// Asks "Set ... on N objects?" (Save, or Cancel by default), then saves the
    /// changes with progress and Cancel and shows the summary; returns it
    /// (Cancelled and empty when the player declined).
    BatchSummary save();
    /// The end of a batch save as the player reads it: the counts and the
    /// refusals with their reasons ("Save Successful", "Save Summary" or "Save Cancelled").
    static void showSummary(QWidget* owner, const BatchSummary& summary);

private:
    /// A sub-list and the category list whose chosen entry it follows.
    struct SubList {
        CatalogList category;
        CatalogList sub;
        QListWidget* widget = nullptr;
        QLabel* hint = nullptr;
    };

    void fill();
    QListWidget* makeList(const QString& name, CatalogList list);
    /// The category the player chose in list (a single-selection list), when it differs from the loaded state.
    std::optional<std::uint16_t> chosenCategory(CatalogList list) const;
    void refillSubList(SubList& sub);

    BatchEdit mBatch;
    std::map<ObjectField, QLineEdit*> mNumbers;
    std::map<CatalogList, QListWidget*> mLists; ///< the lists without a category to follow
    std::vector<SubList> mSubLists;
    QLineEdit* txtName = nullptr;
    QPlainTextEdit* txtDesc = nullptr;
    QComboBox* cboWants = nullptr;
    QLabel* lblCount = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdQuit = nullptr;
    bool mSaved = false;
    bool mDeclined = false; ///< the player answered Cancel to the latest save's question
    bool mFilling = false;
};

} // namespace varnick
