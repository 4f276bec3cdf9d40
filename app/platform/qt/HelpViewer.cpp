#include "app/platform/qt/HelpViewer.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

// The pages are compiled into the static app library; the resource has to be
// registered explicitly, since nothing else references it.
static void initHelpResource()
{
    Q_INIT_RESOURCE(help);
}

namespace varnick {

namespace {

QPointer<HelpViewer>& openViewer()
{
    static QPointer<HelpViewer> viewer;
    return viewer;
}

QString& helpLanguage()
{
    static QString code = QStringLiteral("en");
    return code;
}

// A translated page lives in a folder named by its language code, beside the
// English ones; its links are relative, so they stay in its own language.
QUrl pageIn(const QString& name)
{
    initHelpResource();
    const QString& code = helpLanguage();
    if (code != QStringLiteral("en") && QFile::exists(QStringLiteral(":/help/%1/%2").arg(code, name)))
        return QUrl(QStringLiteral("qrc:/help/%1/%2").arg(code, name));
    return QUrl(QStringLiteral("qrc:/help/") + name);
}

} // namespace

QUrl HelpViewer::pageForContext(int context)
{
    switch (context) {
    case kContextMainWindow:
        return pageIn(QStringLiteral("main.html"));
    case kContextEditor:
        return pageIn(QStringLiteral("editor.html"));
    default:
        return pageIn(QStringLiteral("contents.html"));
    }
}

void HelpViewer::setLanguage(const QString& code)
{
    helpLanguage() = code;
}

HelpViewer* HelpViewer::current()
{
    return openViewer().data();
}

HelpViewer* HelpViewer::showContext(QWidget* owner, int context)
{
    HelpViewer* viewer = openViewer().data();
    if (viewer == nullptr) {
        viewer = new HelpViewer(owner);
        openViewer() = viewer;
    }
    viewer->showPage(pageForContext(context));
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

HelpViewer::HelpViewer(QWidget* owner)
    : QDialog(owner)
{
    initHelpResource();
    setObjectName(QStringLiteral("frmHelp"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    resize(640, 560);

    mBrowser = new QTextBrowser(this);
    mBrowser->setObjectName(QStringLiteral("txtHelp"));
    mBrowser->setOpenExternalLinks(false);

    auto* contents = new QPushButton(tr("&Contents"), this);
    contents->setObjectName(QStringLiteral("cmdContents"));
    auto* back = new QPushButton(tr("&Back"), this);
    back->setObjectName(QStringLiteral("cmdBack"));
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    back->setEnabled(false);

    connect(contents, &QPushButton::clicked, this, [this] { showPage(pageForContext(0)); });
    connect(back, &QPushButton::clicked, mBrowser, &QTextBrowser::backward);
    connect(mBrowser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(mBrowser, &QTextBrowser::sourceChanged, this,
        [this] { setWindowTitle(tr("Varnick Help - %1").arg(mBrowser->documentTitle())); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mBrowser);
    layout->addLayout(buttons);
}

void HelpViewer::showPage(const QUrl& page)
{
    mBrowser->setSource(page);
}

QUrl HelpViewer::currentPage() const
{
    return mBrowser->source();
}

} // namespace varnick
