// The windows in the players' languages: the translation files are complete
// where they claim to be and keep every placeholder and accelerator; no shown
// text slips past translation in the sources; the program started in German
// shows German menus and opens its help in German.
#include "app/WindowWiring.h"
#include "app/backups/core/BackupStore.h"
#include "app/backups/core/OriginalRestore.h"
#include "app/browser/ObjectTableModel.h"
#include "app/browser/core/ObjectRows.h"
#include "app/browser/core/PackageScan.h"
#include "app/browser/frmMain.h"
#include "app/editor/core/ChangeWords.h"
#include "app/editor/core/ObjectEditor.h"
#include "app/options/LanguageDialog.h"
#include "app/options/Languages.h"
#include "app/platform/Utility.h"
#include "app/platform/qt/HelpViewer.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/Settings.h"
#include "app/platform/qt/TextBridge.h"
#include "app/platform/qt/TranslatedPhrases.h"
#include "app/sims2pack/Sims2PackInstallWork.h"
#include "app/startup/GamePaths.h"
#include "app/startup/core/GameFileError.h"
#include "app/startup/core/GameInstall.h"
#include "app/startup/core/RememberedGame.h"
#include "app/startup/core/RunningGame.h"
#ifdef VARNICK_HAVE_LIBRARY_INDEX
#include "app/health/index/LibraryIndex.h"
#endif
#include "package/PackageReader.h"
#include "package/TextList.h"
#include "package/base/Paths.h"
#include "package/base/PhraseCode.h"
#include "tests/common/TemporaryFolder.h"
#include "tools/demo/DemoWorld.h"

#include <QComboBox>
#include <QDirIterator>
#include <QFile>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QXmlStreamReader>

#include <fstream>
#include <functional>

using namespace varnick;

class TranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void completeLanguagesHaveEveryEntryFinished_data();
    void completeLanguagesHaveEveryEntryFinished();
    void everyFileHoldsTheSameTexts();
    void placeholdersAndAcceleratorsSurviveTranslation_data();
    void placeholdersAndAcceleratorsSurviveTranslation();
    void shownTextsInTheSourcesAreMarkedForTranslation();
    void systemLanguagesPickAShippedTranslation();
    void languageDialogStoresTheChoiceForTheNextStart();
    void mainWindowStartedInGermanShowsGermanMenus();
    void helpPagesOfCompleteLanguagesKeepTheEnglishLinks_data();
    void helpPagesOfCompleteLanguagesKeepTheEnglishLinks();
    void helpOpensInTheInstalledLanguageAndStaysInIt();
    void coresSentencesSpeakTheInstalledLanguage_data();
    void coresSentencesSpeakTheInstalledLanguage();
    void failuresSpeakTheInstalledLanguage_data();
    void failuresSpeakTheInstalledLanguage();
    void readersAndScansSpeakTheInstalledLanguage_data();
    void readersAndScansSpeakTheInstalledLanguage();
};

namespace {

const QString kTranslations = QStringLiteral(VARNICK_SOURCE_DIR "/translations");
const QStringList kCompleteLanguages { QStringLiteral("de"), QStringLiteral("es") };

struct Message {
    QString context;
    QString source;
    QString type; ///< "" when finished; "unfinished", "vanished" or "obsolete"
    QStringList translations; ///< one, or one per plural form
    bool numerus = false;
};

// Reads a .ts file; fails the calling test on XML it cannot read.
QList<Message> readTs(const QString& file)
{
    QList<Message> messages;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        qWarning("cannot open %s", qPrintable(file));
        return messages;
    }
    QXmlStreamReader xml(&in);
    QString context;
    Message current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            current = Message { context, {}, {}, {},
                xml.attributes().value(QStringLiteral("numerus")) == QLatin1String("yes") };
        } else if (name == QLatin1String("source")) {
            current.source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (name == QLatin1String("translation")) {
            current.type = xml.attributes().value(QStringLiteral("type")).toString();
            if (!current.numerus)
                current.translations = { xml.readElementText(QXmlStreamReader::IncludeChildElements) };
            else {
                while (xml.readNextStartElement())
                    current.translations.append(xml.readElementText(QXmlStreamReader::IncludeChildElements));
            }
            messages.append(current);
        }
    }
    if (xml.hasError())
        qWarning("%s: %s", qPrintable(file), qPrintable(xml.errorString()));
    return messages;
}

QStringList tsFiles()
{
    return QDir(kTranslations).entryList({ QStringLiteral("varnick_*.ts") }, QDir::Files);
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

// The %1..%9 and %n markers of a text, each once, in order.
QStringList placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%(?:L?[1-9]|L?n)"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found.append(it.next().captured(0));
    found.removeDuplicates();
    return sorted(found);
}

// How many accelerators a text marks ("&&" is a literal ampersand).
int accelerators(QString text)
{
    text.remove(QStringLiteral("&&"));
    static const QRegularExpression accelerator(QStringLiteral("&[^\\s&]"));
    return static_cast<int>(text.count(accelerator));
}

} // namespace

void TranslationsTest::completeLanguagesHaveEveryEntryFinished_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : kCompleteLanguages)
        QTest::newRow(qPrintable(language)) << language;
}

void TranslationsTest::completeLanguagesHaveEveryEntryFinished()
{
    QFETCH(QString, language);
    const QList<Message> messages = readTs(QStringLiteral("%1/varnick_%2.ts").arg(kTranslations, language));
    QVERIFY(messages.size() > 300);
    for (const Message& message : messages) {
        const QString where = message.context + QStringLiteral(": ") + message.source;
        QVERIFY2(message.type.isEmpty(), qPrintable(message.type + QStringLiteral(" entry in ") + where));
        QVERIFY2(!message.translations.isEmpty(), qPrintable(where));
        for (const QString& translation : message.translations)
            QVERIFY2(!translation.trimmed().isEmpty(), qPrintable(QStringLiteral("empty translation of ") + where));
    }
}

void TranslationsTest::everyFileHoldsTheSameTexts()
{
    // Each language is for translators to fill from the same sources; English holds only plural forms.
    auto keys = [](const QList<Message>& messages) {
        QStringList list;
        for (const Message& message : messages)
            list.append(message.context + QLatin1Char('\n') + message.source);
        return sorted(list);
    };
    const QStringList german = keys(readTs(kTranslations + QStringLiteral("/varnick_de.ts")));
    for (const QString& file : tsFiles()) {
        if (file == QStringLiteral("varnick_en.ts"))
            continue;
        QCOMPARE(keys(readTs(kTranslations + QLatin1Char('/') + file)), german);
    }
    for (const QString& language : { QStringLiteral("fr"), QStringLiteral("pt_BR"), QStringLiteral("nl") })
        QVERIFY2(tsFiles().contains(QStringLiteral("varnick_%1.ts").arg(language)), qPrintable(language));
}

void TranslationsTest::placeholdersAndAcceleratorsSurviveTranslation_data()
{
    QTest::addColumn<QString>("file");
    for (const QString& file : tsFiles())
        QTest::newRow(qPrintable(file)) << file;
}

void TranslationsTest::placeholdersAndAcceleratorsSurviveTranslation()
{
    QFETCH(QString, file);
    for (const Message& message : readTs(kTranslations + QLatin1Char('/') + file)) {
        if (!message.type.isEmpty())
            continue;
        const QString where = message.context + QStringLiteral(": ") + message.source;
        QStringList expected = placeholders(message.source);
        for (const QString& translation : message.translations) {
            // A plural form may spell the one out ("1 object") only where the source counts with %n.
            QStringList found = placeholders(translation);
            QCOMPARE_GE(found.size(), expected.size() - (expected.contains(QStringLiteral("%n")) ? 1 : 0));
            for (const QString& marker : expected)
                if (marker != QStringLiteral("%n"))
                    QVERIFY2(found.contains(marker), qPrintable(marker + QStringLiteral(" lost in ") + where));
            QVERIFY2(accelerators(translation) == accelerators(message.source),
                qPrintable(QStringLiteral("accelerator of ") + where + QStringLiteral(" -> ") + translation));
        }
        if (message.numerus)
            QVERIFY2(message.translations.size() >= 2, qPrintable(where));
    }
}

void TranslationsTest::shownTextsInTheSourcesAreMarkedForTranslation()
{
    // A literal handed straight to a text setter, a widget's or action's constructor or a
    // message box. Allowed: literals without words (separators, "..."), the product's
    // name, object names and settings keys (never shown), and QStringLiteral kept as data
    // elsewhere (paths, style sheets, URLs), which these calls never receive.
    static const QRegularExpression shown(QString::fromUtf8(
        R"re((?:set(?:Text|WindowTitle|ToolTip|StatusTip|WhatsThis|PlaceholderText|Title|LabelText|Suffix|Prefix|SpecialValueText|HeaderLabels|TabText)|addTab|addMenu|addAction|addItem|showMessage|setHint)\(\s*(?:[^()]*,\s*)?(?:\{\s*)?QStringLiteral\("([^"]*)"\))re"
        R"re(|new\s+Q(?:Label|PushButton|CheckBox|RadioButton|GroupBox|Action|ToolButton)\(\s*QStringLiteral\("([^"]*)"\))re"
        R"re(|MessageBox::\w+\([^;]*?QStringLiteral\("([^"]*)"\))re"));
    static const QRegularExpression words(QStringLiteral("[A-Za-z]{2,}"));
    // Hidden focus keepers carry their object name as text ("cmdFocus", "Command1"); the
    // language list names English in English, as every language by its own name.
    static const QRegularExpression identifier(QStringLiteral("^(?:[a-z][A-Za-z0-9]*|[A-Za-z]+[0-9]+)$"));
    static const QStringList allowed { QStringLiteral("Varnick"), QStringLiteral("Varnick - "),
        QStringLiteral("English") };
    QStringList offenders;
    QDirIterator it(QStringLiteral(VARNICK_SOURCE_DIR "/app"), { QStringLiteral("*.cpp"), QStringLiteral("*.h") },
        QDir::Files, QDirIterator::Subdirectories);
    int scanned = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        // The cores are Qt-free and speak English to the command line.
        if (path.contains(QStringLiteral("/core/")))
            continue;
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString source = QString::fromUtf8(file.readAll());
        ++scanned;
        for (auto match = shown.globalMatch(source); match.hasNext();) {
            const QRegularExpressionMatch m = match.next();
            const QString literal = m.captured(1) + m.captured(2) + m.captured(3);
            if (!literal.contains(words) || allowed.contains(literal) || identifier.match(literal).hasMatch())
                continue;
            offenders.append(QDir(QStringLiteral(VARNICK_SOURCE_DIR)).relativeFilePath(path) + QStringLiteral(": ")
                + m.captured(0).simplified());
        }
    }
    QVERIFY(scanned > 50);
    QVERIFY2(offenders.isEmpty(), qPrintable(offenders.join(QLatin1Char('\n'))));

    // The scan itself finds what it is meant to find.
    QVERIFY(shown.match(QStringLiteral("box->setText(QStringLiteral(\"Hello world\"));")).hasMatch());
    QVERIFY(shown.match(QStringLiteral("new QPushButton(QStringLiteral(\"&Save\"), this)")).hasMatch());
    QVERIFY(shown.match(QStringLiteral("MessageBox::critical(this, tr(\"A\"), QStringLiteral(\"Bad thing\"));"))
                .hasMatch());
    QVERIFY(!shown.match(QStringLiteral("box->setText(tr(\"Hello world\"));")).hasMatch());
}

void TranslationsTest::systemLanguagesPickAShippedTranslation()
{
    Settings::TemporaryStore store;
    const QStringList shipped = languages::shipped();
    QVERIFY(shipped.contains(QStringLiteral("de")));
    QVERIFY(shipped.contains(QStringLiteral("es")));
    // Files with every entry unfinished are not offered: they would show English.
    QVERIFY(!shipped.contains(QStringLiteral("nl")));
    const struct {
        QString chosen;
        QStringList system;
        QString expected;
    } cases[] = {
        { QString(), { QStringLiteral("de-AT"), QStringLiteral("en-US") }, QStringLiteral("de") },
        { QString(), { QStringLiteral("es_MX") }, QStringLiteral("es") },
        { QString(), { QStringLiteral("ja-JP"), QStringLiteral("es-ES") }, QStringLiteral("es") },
        { QString(), { QStringLiteral("en-GB"), QStringLiteral("de-DE") }, QStringLiteral("en") },
        { QString(), { QStringLiteral("ja-JP") }, QStringLiteral("en") },
        { QStringLiteral("es"), { QStringLiteral("de-DE") }, QStringLiteral("es") },
        { QStringLiteral("xx"), { QStringLiteral("de-DE") }, QStringLiteral("de") },
    };
    for (const auto& c : cases)
        QCOMPARE(languages::resolve(c.chosen, c.system), c.expected);
    QCOMPARE(languages::nativeName(QStringLiteral("de")), QStringLiteral("Deutsch"));
    QCOMPARE(languages::nativeName(QStringLiteral("es")), QStringLiteral("Español"));
}

void TranslationsTest::languageDialogStoresTheChoiceForTheNextStart()
{
    Settings::TemporaryStore store;
    {
        LanguageDialog dialog;
        QComboBox* list = dialog.languages();
        QCOMPARE(list->currentData().toString(), QString());
        QVERIFY(list->findText(QStringLiteral("Deutsch")) >= 0);
        QVERIFY(list->findText(QStringLiteral("Español")) >= 0);
        list->setCurrentIndex(list->findText(QStringLiteral("Deutsch")));
        dialog.store();
    }
    QCOMPARE(Settings::value(SettingKey::Language), QStringLiteral("de"));
    LanguageDialog again;
    QCOMPARE(again.languages()->currentText(), QStringLiteral("Deutsch"));
    again.languages()->setCurrentIndex(0);
    again.store();
    QCOMPARE(languages::chosen(), QString());
}

void TranslationsTest::mainWindowStartedInGermanShowsGermanMenus()
{
    Settings::TemporaryStore store;
    MessageBox::TestScope boxes;
    test::TemporaryFolder dir;
    qputenv("VARNICK_USER_DATA_DIR", text::fromPath(dir.path() / "user").toUtf8());
    demo::DemoOptions options;
    options.output = dir.path() / "world";
    options.packages = 20;
    const demo::DemoWorld world = demo::generateDemoWorld(options);
    gstrSims2DataPath = pathToUtf8(world.dataFolder);
    Settings::setValue(SettingKey::LastDownloadsFolderSelected, QStringLiteral("Downloads"));

    QCOMPARE(languages::installLanguageForTesting(*qApp, QStringLiteral("de")), QStringLiteral("de"));
    {
        frmMain window;
        connectMainWindow(window);
        window.findChild<QRadioButton*>(QStringLiteral("optPath_0"))->setChecked(true);
        window.optPath_Click(0);
        QTRY_VERIFY_WITH_TIMEOUT(!window.busy(), 20000);
        QStringList menus;
        for (QAction* menu : window.menuBar()->actions())
            menus.append(menu->text());
        QCOMPARE(menus,
            (QStringList { QStringLiteral("&Datei"), QStringLiteral("&Optionen"), QStringLiteral("E&xtras"),
                QStringLiteral("&Hilfe") }));
        QCOMPARE(window.findChild<QAction*>(QStringLiteral("smenuExit"))->text(), QStringLiteral("&Beenden"));
        QCOMPARE(window.findChild<QAction*>(QStringLiteral("smenuLanguage"))->text(), QStringLiteral("&Sprache..."));
        QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("cmdNext"))->text(), QStringLiteral("&Nächste"));
        QCOMPARE(
            window.findChild<QRadioButton*>(QStringLiteral("optPath_0"))->text(), QStringLiteral("Do&wnloads-Ordner"));
    }
    {
        // The object table's headings come from a core table the command line prints in English.
        ObjectTableModel table;
        QStringList headings;
        for (int column = 0; column < table.columnCount(); ++column)
            headings.append(table.headerData(column, Qt::Horizontal).toString());
        QVERIFY(headings.contains(QStringLiteral("Preis")));
        QVERIFY(headings.contains(QStringLiteral("Räume")));
        QVERIFY(!headings.contains(QStringLiteral("Price")));
        QVERIFY(browser::columnInfo(browser::ObjectColumn::Price).header == "Price");
    }
    languages::installLanguageForTesting(*qApp, QStringLiteral("en"));
    qunsetenv("VARNICK_USER_DATA_DIR");
}

namespace {

// The link targets and anchors of a help page, in order, and its title; every
// attribute value is read, so a translation that drops or renames one shows.
struct PageShape {
    QStringList links;
    QString title;
};

PageShape pageShape(const QString& resource)
{
    QFile in(resource);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    const QString html = QString::fromUtf8(in.readAll());
    PageShape shape;
    static const QRegularExpression attribute(QStringLiteral("\\b(href|id|name)=\"([^\"]*)\""));
    for (auto it = attribute.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        shape.links.append(match.captured(1) + QLatin1Char('=') + match.captured(2));
    }
    static const QRegularExpression title(QStringLiteral("<title>([^<]*)</title>"));
    shape.title = title.match(html).captured(1);
    return shape;
}

QStringList englishHelpPages()
{
    HelpViewer::pageForContext(0); // registers the pages
    return QDir(QStringLiteral(":/help")).entryList({ QStringLiteral("*.html") }, QDir::Files);
}

} // namespace

void TranslationsTest::helpPagesOfCompleteLanguagesKeepTheEnglishLinks_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("page");
    const QStringList pages = englishHelpPages();
    QVERIFY(pages.size() >= 8);
    for (const QString& language : kCompleteLanguages) {
        for (const QString& page : pages)
            QTest::newRow(qPrintable(language + QLatin1Char('/') + page)) << language << page;
    }
}

void TranslationsTest::helpPagesOfCompleteLanguagesKeepTheEnglishLinks()
{
    QFETCH(QString, language);
    QFETCH(QString, page);
    const QString translated = QStringLiteral(":/help/%1/%2").arg(language, page);
    QVERIFY2(QFile::exists(translated), qPrintable(translated + QStringLiteral(" is missing")));
    const PageShape english = pageShape(QStringLiteral(":/help/") + page);
    const PageShape shape = pageShape(translated);
    QCOMPARE(shape.links, english.links);
    QVERIFY2(!shape.title.isEmpty() && shape.title != english.title, qPrintable(translated));
    // The style sheet the page names is beside it.
    QVERIFY(QFile::exists(QStringLiteral(":/help/%1/style.css").arg(language)));
}

void TranslationsTest::helpOpensInTheInstalledLanguageAndStaysInIt()
{
    struct Case {
        const char* language;
        const char* editorPage; // where the editor's help opens
    };
    const Case cases[] = {
        { "de", "qrc:/help/de/editor.html" },
        { "es", "qrc:/help/es/editor.html" },
        { "fr", "qrc:/help/editor.html" }, // no translated pages: English
        { "en", "qrc:/help/editor.html" },
    };
    for (const Case& item : cases) {
        const QString language = QString::fromLatin1(item.language);
        languages::installLanguageForTesting(*qApp, language);
        QCOMPARE(HelpViewer::pageForContext(HelpViewer::kContextEditor), QUrl(QString::fromLatin1(item.editorPage)));
        HelpViewer* viewer = HelpViewer::showContext(nullptr, HelpViewer::kContextEditor);
        QCOMPARE(viewer->currentPage(), QUrl(QString::fromLatin1(item.editorPage)));
        // A link followed from the keyboard (the page's first one is to the contents)
        // opens its sibling in the same language.
        const QString folder = QString::fromLatin1(item.editorPage).section(QLatin1Char('/'), 0, -2);
        auto* browser = viewer->findChild<QTextBrowser*>(QStringLiteral("txtHelp"));
        browser->setFocus();
        QTest::keyClick(browser, Qt::Key_Tab);
        QTest::keyClick(browser, Qt::Key_Return);
        QCOMPARE(viewer->currentPage(), QUrl(folder + QStringLiteral("/contents.html")));
        QVERIFY(!browser->toPlainText().isEmpty());
        viewer->close();
        QTRY_VERIFY(HelpViewer::current() == nullptr);
    }
}

void TranslationsTest::coresSentencesSpeakTheInstalledLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("expected");
    // The batch question (one object and two), a cancelled batch's summary, a restore's question and the running game.
    QTest::newRow("en")
        << QStringLiteral("en")
        << QStringList { QStringLiteral("Set Price to 20 and Function to Electronics; add Kitchen and "
                                        "Bathroom to Room on 1 object?"),
               QStringLiteral("Set Price to 20 and Function to Electronics; add Kitchen and Bathroom to "
                              "Room on 2 objects?"),
               QStringLiteral("Saved: 0, unchanged: 0, refused: 0, not reached: 0"),
               QStringLiteral("Restore the original version of Lamp.package? The current version is kept "
                              "as a backup."),
               QStringLiteral("The Sims 2 is running (Sims2EP9.exe). Close the game before changing your "
                              "downloads.") };
    QTest::newRow("de") << QStringLiteral("de")
                        << QStringList { QStringLiteral(
                                             "Preis auf 20 und Funktion auf Elektronik setzen; Küche und Badezimmer zu "
                                             "Raum hinzufügen – bei 1 Objekt?"),
                               QStringLiteral(
                                   "Preis auf 20 und Funktion auf Elektronik setzen; Küche und Badezimmer zu "
                                   "Raum hinzufügen – bei 2 Objekten?"),
                               QStringLiteral("Gespeichert: 0, unverändert: 0, abgelehnt: 0, nicht erreicht: 0"),
                               QStringLiteral("Die Originalversion von Lamp.package wiederherstellen? Die aktuelle "
                                              "Version wird als Sicherung aufbewahrt."),
                               QStringLiteral("Die Sims 2 läuft (Sims2EP9.exe). Beende das Spiel, bevor du deine "
                                              "Downloads änderst.") };
    QTest::newRow("es") << QStringLiteral("es")
                        << QStringList { QStringLiteral(
                                             "¿Establecer Precio a 20 y Función a Electrónica; añadir Cocina "
                                             "y Cuarto de baño a Habitación en 1 objeto?"),
                               QStringLiteral(
                                   "¿Establecer Precio a 20 y Función a Electrónica; añadir Cocina y Cuarto de baño "
                                   "a Habitación en 2 objetos?"),
                               QStringLiteral("Guardados: 0, sin cambios: 0, rechazados: 0, no alcanzados: 0"),
                               QStringLiteral("¿Restaurar la versión original de Lamp.package? La versión actual se "
                                              "guarda como copia de seguridad."),
                               QStringLiteral("Los Sims 2 se está ejecutando (Sims2EP9.exe). Cierra el juego antes de "
                                              "cambiar tus descargas.") };
}

void TranslationsTest::coresSentencesSpeakTheInstalledLanguage()
{
    QFETCH(QString, language);
    QFETCH(QStringList, expected);
    QCOMPARE(languages::installLanguageForTesting(*qApp, language), language);
    BatchChanges changes;
    changes.numbers[ObjectField::Price] = "20";
    changes.selections[ObjectField::FunctionSortFlags] = 8;
    changes.flags[ObjectField::RoomSortFlags] = { 1 | 4, 0 };
    BatchSummary cancelled;
    cancelled.cancelled = true;
    const Phrasebook& words = translatedPhrases();
    const QStringList said { text::fromUtf8(batchQuestion(changes, 1, {}, words)),
        text::fromUtf8(batchQuestion(changes, 2, {}, words)), text::fromUtf8(cancelled.text(words)),
        text::fromUtf8(OriginalRestore(BackupStore(std::filesystem::path("backups")), "Lamp.package").question(words)),
        text::fromUtf8(gameRunningMessage("Sims2EP9.exe", words)) };
    languages::installLanguageForTesting(*qApp, QStringLiteral("en"));
    QCOMPARE(said, expected);
}

void TranslationsTest::failuresSpeakTheInstalledLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("expected");
    // A bad Sims2Pack in the install window, a folder that cannot be listed, a package without
    // an object definition, and how an installation was found.
    QTest::newRow("en") << QStringLiteral("en")
                        << QStringList { QStringLiteral("bad.sims2pack: the file is 1 byte long, shorter than the "
                                                        "22-byte header of a Sims2Pack file"),
                               QStringLiteral("Can not list the folder Locked: Permission denied"),
                               QStringLiteral("Missing OBJD"), QStringLiteral("Chosen by you") };
    QTest::newRow("de") << QStringLiteral("de")
                        << QStringList { QStringLiteral("bad.sims2pack: die Datei ist 1 Byte lang, kürzer als der "
                                                        "22 Byte lange Kopf einer Sims2Pack-Datei"),
                               QStringLiteral("Der Inhalt des Ordners Locked kann nicht gelesen werden: Permission "
                                              "denied"),
                               QStringLiteral("OBJD fehlt"), QStringLiteral("Von dir gewählt") };
    QTest::newRow("es") << QStringLiteral("es")
                        << QStringList { QStringLiteral("bad.sims2pack: el archivo mide 1 byte, menos que la "
                                                        "cabecera de 22 bytes de un archivo Sims2Pack"),
                               QStringLiteral("No se puede leer el contenido de la carpeta Locked: Permission "
                                              "denied"),
                               QStringLiteral("Falta el OBJD"), QStringLiteral("Elegida por ti") };
}

void TranslationsTest::failuresSpeakTheInstalledLanguage()
{
    QFETCH(QString, language);
    QFETCH(QStringList, expected);
    test::TemporaryFolder dir;
    const std::filesystem::path bad = dir.write("bad.sims2pack", ByteView("S"));
    QCOMPARE(languages::installLanguageForTesting(*qApp, language), language);
    // The operating system's own text ("Permission denied") is a piece, not a template.
    const QStringList said { Sims2PackInstallWork::read(text::fromPath(bad)).readFailure,
        failureText(unlistableFolder("Locked", "Permission denied")), phraseText(*definitionRefusalPhrase(nullptr)),
        text::translated("FoundBy", foundByTitle(FoundBy::ChosenByPlayer)) };
    languages::installLanguageForTesting(*qApp, QStringLiteral("en"));
    QCOMPARE(said, expected);
}

void TranslationsTest::readersAndScansSpeakTheInstalledLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("expected");
    // A resource the cursor refuses, a backup that is not there, a reason the library
    // index kept, a package the folder scan passes over, a refused game folder, and a
    // package whose index runs past its end.
    QTest::newRow("en") << QStringLiteral("en")
                        << QStringList { QStringLiteral("Text list: name at offset 0 needs 64 bytes, but only 3 of 3 "
                                                        "are left"),
                               QStringLiteral("No original of this file was kept: FILE"),
                               QStringLiteral("The file is empty"),
                               QStringLiteral("The file cannot be opened for reading: SYSTEM"),
                               QStringLiteral("is not a full folder path (relative/Sims)"),
                               QStringLiteral(
                                   "Index of 1 entry at offset 96 runs past the end of the file (100 bytes)") };
    QTest::newRow("de") << QStringLiteral("de")
                        << QStringList { QStringLiteral("Textliste: name an Position 0 braucht 64 Bytes, aber nur 3 "
                                                        "von 3 sind übrig"),
                               QStringLiteral("Von dieser Datei wurde kein Original aufbewahrt: FILE"),
                               QStringLiteral("Die Datei ist leer"),
                               QStringLiteral("Die Datei kann nicht zum Lesen geöffnet werden: SYSTEM"),
                               QStringLiteral("ist kein vollständiger Ordnerpfad (relative/Sims)"),
                               QStringLiteral("Der Index mit 1 Eintrag an Position 96 reicht über das Ende der Datei "
                                              "(100 Bytes) hinaus") };
    QTest::newRow("es") << QStringLiteral("es")
                        << QStringList { QStringLiteral("Lista de textos: name en la posición 0 necesita 64 bytes, "
                                                        "pero solo quedan 3 de 3"),
                               QStringLiteral("No se guardó ningún original de este archivo: FILE"),
                               QStringLiteral("El archivo está vacío"),
                               QStringLiteral("El archivo no se puede abrir para leerlo: SYSTEM"),
                               QStringLiteral("no es una ruta de carpeta completa (relative/Sims)"),
                               QStringLiteral("El índice de 1 entrada en la posición 96 va más allá del final del "
                                              "archivo (100 bytes)") };
}

void TranslationsTest::readersAndScansSpeakTheInstalledLanguage()
{
    QFETCH(QString, language);
    QFETCH(QStringList, expected);
    test::TemporaryFolder dir;
    const std::filesystem::path lamp = dir.write("Lamp.package", ByteView("bytes"));
    const std::filesystem::path library = dir.path() / "Downloads";
    std::filesystem::create_directories(library);
    std::ofstream(library / "Gone.package", std::ios::binary) << "x";
    const auto failureOf = [](const std::function<void()>& work) -> std::exception_ptr {
        try {
            work();
        } catch (...) {
            return std::current_exception();
        }
        return nullptr;
    };
    const auto textOf = [](const std::exception_ptr& failure) {
        try {
            if (failure)
                std::rethrow_exception(failure);
        } catch (const GameFileError& refusal) {
            return phraseText(refusal.reason());
        } catch (const std::exception& error) {
            return failureText(error);
        }
        return QStringLiteral("no failure");
    };
    const std::exception_ptr cursor = failureOf([] {
        TextList list;
        gsReadTextList("abc", list);
    });
    const std::exception_ptr backup = failureOf([&] { BackupStore(dir.path() / "backups").restoreOriginal(lamp); });
    const std::exception_ptr folder = failureOf([] { (void)checkedRememberedFolder("relative/Sims"); });
    // A header naming one index entry at offset 96 of a 100-byte file.
    ByteString cutIndex(100, '\0');
    cutIndex[36] = '\x01';
    cutIndex[40] = '\x60';
    const std::filesystem::path cut = dir.write("cut.package", cutIndex);
    const std::exception_ptr cutRead = failureOf([&] { (void)readPackageIndex(cut); });
    // As the library index keeps it for a later run.
    const Phrase empty(VARNICK_PHRASE("LibraryHealth", "The file is empty"));
#ifdef VARNICK_HAVE_LIBRARY_INDEX
    health::PackageRecord record;
    record.relativePath = "empty.package";
    record.kind = health::PackageKind::Broken;
    record.error = empty.english();
    record.errorPhrase = empty;
    health::LibraryIndex index({});
    index.update(std::vector<health::PackageRecord> { record }, {});
    const std::optional<Phrase> stored = index.records().at("empty.package").errorPhrase;
#else
    const std::optional<Phrase> stored = decodePhrase(encodePhrase(empty));
#endif
    QVERIFY(stored);
    // A package that another program removes while the scan reaches it.
    struct Vanishing final : browser::PackageClassifier {
        bool isCatalogObject(const std::filesystem::path& folder, const std::string& name) override
        {
            std::filesystem::remove(folder / pathFromUtf8(name));
            return browser::readsAsCatalogObject(folder / pathFromUtf8(name));
        }
    } vanishing;
    const std::vector<browser::SkippedFile> passedOver = browser::scanFolder(library, {}, nullptr, &vanishing).skipped;
    QCOMPARE(passedOver.size(), std::size_t { 1 });
    QVERIFY(passedOver[0].phrase);
    const std::string opening = "The file cannot be opened for reading: ";
    QVERIFY(passedOver[0].reason.starts_with(opening));
    const QString system = text::fromUtf8(passedOver[0].reason.substr(opening.size()));

    QCOMPARE(languages::installLanguageForTesting(*qApp, language), language);
    const QStringList said { textOf(cursor), textOf(backup).replace(text::fromPath(lamp), QStringLiteral("FILE")),
        phraseText(*stored), phraseText(*passedOver[0].phrase).replace(system, QStringLiteral("SYSTEM")),
        textOf(folder), textOf(cutRead) };
    languages::installLanguageForTesting(*qApp, QStringLiteral("en"));
    QCOMPARE(said, expected);
    // The command line's English is the same whatever the windows speak.
    QCOMPARE(text::fromUtf8(passedOver[0].reason), QStringLiteral("The file cannot be opened for reading: ") + system);
}

QTEST_MAIN(TranslationsTest)
#include "TranslationsTest.moc"
