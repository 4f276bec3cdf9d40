#include "app/browser/ObjectTabs.h"

#include "app/browser/ObjectTableView.h"
#include "app/browser/ThumbnailPane.h"

namespace varnick {

ObjectTabs::ObjectTabs(ThumbnailPane* thumbnails, QWidget* parent)
    : QTabWidget(parent)
{
    setObjectName(QStringLiteral("tabObjects"));
    setAccessibleName(tr("Objects"));
    addTab(thumbnails, tr("Thumbnail&s"));
    mTable = new ObjectTableView(this);
    addTab(mTable, tr("Ta&ble"));
}

void ObjectTabs::objectsChanged()
{
    if (currentWidget() != mTable)
        mTableCurrent = false;
}

void ObjectTabs::showScan(const QString& folder, const QStringList& files)
{
    if (currentWidget() != mTable || (mTableCurrent && mTable->folder() == folder))
        return;
    // The table reads the rows of the objects the scan found; the folder is not listed again.
    mTableCurrent = true;
    mTable->showFolder(folder, files);
}

bool ObjectTabs::offerPendingSave()
{
    return mPendingSaveAnswer ? mPendingSaveAnswer() : mTable->offerPendingSave();
}

} // namespace varnick
