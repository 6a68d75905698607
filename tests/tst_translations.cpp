#include "fixeddrivelocator.h"
#include "windowdrive.h"
#include "languagetable.h"
#include "mainwindow.h"
#include "productinfo.h"
#include "scratchfiles.h"
#include "screenshot.h"
#include "tavsettings.h"
#include "tavstickmanager.h"
#include "translation.h"
#include "usbstick.h"
#include "vaultfixture.h"

#include <QtTest>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QRegularExpression>
#include <QToolBar>
#include <QTranslator>
#include <QMenuBar>
#include <QXmlStreamReader>

#include <memory>

namespace {

// Every language the program ships a translation for.
const QStringList kLanguages = {"nl_NL", "zh_TW", "zh_CN", "es_ES", "de_DE", "pt_PT",
                                "it_IT", "ko_KO", "ja_JP", "fr_FR", "ar_AR"};

struct Message
{
    QString context;
    QString source;
    QString translation;
    bool finished = false;
};

// The messages of a translation source file as lupdate wrote it.
QList<Message> readTs(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const QStringRef name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Message();
            message.context = context;
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText();
            message.finished = type.isEmpty();
            messages << message;
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%L?\\d+"));
    QStringList found;
    auto it = marker.globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    found.sort();
    return found;
}

// Keyboard shortcuts marked with "&": "&&" is a plain ampersand and an HTML
// entity such as "&quot;" none either.
int shortcuts(QString text)
{
    static const QRegularExpression entity(QStringLiteral("&#?\\w+;"));
    static const QRegularExpression mark(QStringLiteral("&\\S"));
    text.remove(QStringLiteral("&&"));
    text.remove(entity);
    return text.count(mark);
}

// What the main window shows, keyed by where it shows it.
QMap<QString, QString> shownTexts(QMainWindow *window)
{
    QMap<QString, QString> texts;
    auto put = [&texts](const QString &key, const QString &text) {
        if (!text.trimmed().isEmpty())
            texts.insert(key, text);
    };
    QMap<QString, int> unnamed;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        QString id = w->objectName();
        if (id.isEmpty()) {
            // Found in the same order in every window: numbered by class.
            id = QString::fromLatin1(w->metaObject()->className());
            id += QString::number(unnamed[id]++);
        }
        if (auto *label = qobject_cast<QLabel *>(w))
            put("label " + id, label->text());
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            put("button " + id, button->text());
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            put("placeholder " + id, edit->placeholderText());
        if (auto *combo = qobject_cast<QComboBox *>(w)) {
            for (int i = 0; i < combo->count(); ++i)
                put(QString("item %1 %2").arg(id).arg(i), combo->itemText(i));
        }
        if (auto *menu = qobject_cast<QMenu *>(w))
            put("menu " + id, menu->title());
        if (auto *bar = qobject_cast<QToolBar *>(w))
            put("toolbar " + id, bar->windowTitle());
        if (auto *header = qobject_cast<QHeaderView *>(w)) {
            // The local folder tree's header comes from Qt's own model, whose
            // texts Qt translates, not the program.
            QAbstractItemModel *model = header->model();
            if (model && !qobject_cast<QFileSystemModel *>(model) && header->orientation() == Qt::Horizontal) {
                for (int i = 0; i < model->columnCount(); ++i) {
                    if (!header->isSectionHidden(i))
                        put(QString("header %1 %2").arg(id).arg(i), model->headerData(i, Qt::Horizontal).toString());
                }
            }
        }
        put("tooltip " + id, w->toolTip());
    }
    for (QAction *action : window->findChildren<QAction *>()) {
        if (action->objectName().isEmpty() || action->isSeparator())
            continue;
        put("action " + action->objectName(), action->text());
        put("action tip " + action->objectName(), action->toolTip());
    }
    put("window title", window->windowTitle());
    return texts;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void everyLanguageHasItsFiles();
    void everyTextIsTranslated_data();
    void everyTextIsTranslated();
    void mainWindowShowsNoEnglish_data();
    void mainWindowShowsNoEnglish();

private:
    // The main window of a drive whose stored language is code.
    std::unique_ptr<MainWindow> mainPage(const QString &code);
    QMap<QString, QString> mainPageTexts(MainWindow *window);

    QTemporaryDir dir;
    FixedDriveLocator drives;
    QString drive;
    Translation resources; // registers the compiled translations
};

void TestTranslations::initTestCase()
{
    QVERIFY(dir.isValid());
    drive = plugWindowDrive(dir.path(), drives);
    QVERIFY(!drive.isEmpty());
}

void TestTranslations::cleanup()
{
    QApplication::setLayoutDirection(Qt::LeftToRight);
}

void TestTranslations::everyLanguageHasItsFiles()
{
    QStringList sources = QDir(KV_TS_DIR).entryList({"kolvane_*.ts"}, QDir::Files, QDir::Name);
    QStringList expected;
    for (const QString &code : kLanguages)
        expected << "kolvane_" + code + ".ts";
    expected.sort();
    QCOMPARE(sources, expected);
    for (const QString &code : kLanguages) {
        const QString resource = ":/res/kolvane_" + code + ".qm";
        QVERIFY2(QFile::exists(resource), qPrintable(resource));
        QCOMPARE(LanguageTable::translationResource(code), resource);
    }
}

void TestTranslations::everyTextIsTranslated_data()
{
    QTest::addColumn<QString>("code");
    for (const QString &code : kLanguages)
        QTest::newRow(qPrintable(code)) << code;
}

// Each source text of the translation file has a finished translation, the
// compiled file gives it, and the translation keeps the source's
// placeholders and shortcuts.
void TestTranslations::everyTextIsTranslated()
{
    QFETCH(QString, code);
    QString error;
    const QList<Message> messages = readTs(QString(KV_TS_DIR) + "/kolvane_" + code + ".ts", &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(messages.size() > 100);

    QTranslator translator;
    QVERIFY(translator.load(":/res/kolvane_" + code + ".qm", QString(), QString(), QString()));
    if (translator.isEmpty() && code == QLatin1String("ar_AR"))
        QSKIP("The Arabic translation holds no texts in this build yet");

    QStringList faults;
    for (const Message &m : messages) {
        const QString where = m.context + " \"" + m.source + "\"";
        const QString shown = translator.translate(qPrintable(m.context), m.source.toUtf8().constData());
        if (!m.finished || m.translation.isEmpty())
            faults << "not translated: " + where;
        else if (shown.isEmpty())
            faults << "not in the compiled file: " + where;
        else if (placeholders(shown) != placeholders(m.source))
            faults << "placeholders differ: " + where + " -> " + shown;
        else if (shortcuts(shown) != shortcuts(m.source))
            faults << "shortcuts differ: " + where + " -> " + shown;
    }
    QVERIFY2(faults.isEmpty(), qPrintable(QString("%1 of %2 texts: %3")
                                              .arg(faults.size())
                                              .arg(messages.size())
                                              .arg(faults.mid(0, 10).join("\n"))));
}

std::unique_ptr<MainWindow> TestTranslations::mainPage(const QString &code)
{
    TAVSettings *store = TAVSettings::getInstance();
    store->setFileName(drive + "KolvaneVave Settings/config.dat");
    store->read();
    store->beginGroup("Settings");
    store->setValue("Language", code);
    store->endGroup();
    if (store->write() != 0)
        return nullptr;
    return std::make_unique<MainWindow>();
}

// The texts of the window's main page with one vault, in the language in force.
QMap<QString, QString> TestTranslations::mainPageTexts(MainWindow *window)
{
    // Made after the window, so that it goes before the window does.
    VaultFixture fixture;
    fixture.addVault("Alpha");
    window->unlocked = true;
    window->resize(1024, 580);
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return {};
    window->showMainPage();
    QCoreApplication::processEvents();
    const QMap<QString, QString> texts = shownTexts(window);

    const QByteArray shots = qgetenv("KV_SHOT_DIR");
    if (!shots.isEmpty() && MainWindow::curLanguage != LanguageTable::sourceLanguage()) {
        window->grab().save(QString::fromLocal8Bit(shots) + "/translations-" + MainWindow::curLanguage + ".png");
        ScreenShot::take("translations-screen-" + MainWindow::curLanguage);
        // The File menu open, as a person sees it.
        if (auto *file = window->findChild<QMenu *>("menuFile")) {
            file->popup(window->mapToGlobal(QPoint(5, window->menuBar()->height())));
            ScreenShot::take("translations-menu-" + MainWindow::curLanguage);
            file->close();
        }
    }
    window->unlocked = false;
    return texts;
}

void TestTranslations::mainWindowShowsNoEnglish_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("direction");
    QTest::newRow("German") << "de_DE" << int(Qt::LeftToRight);
    QTest::newRow("French") << "fr_FR" << int(Qt::LeftToRight);
    QTest::newRow("Arabic") << "ar_AR" << int(Qt::RightToLeft);
}

// Every text of the main window (widgets, actions, menus, headers, tool
// tips) differs from the English one, except those that are never
// translated (the languages' own names, the product's title) and those
// whose translation is the English word itself.
void TestTranslations::mainWindowShowsNoEnglish()
{
    QFETCH(QString, code);
    QFETCH(int, direction);

    QTranslator translator;
    QVERIFY(translator.load(":/res/kolvane_" + code + ".qm", QString(), QString(), QString()));
    if (translator.isEmpty() && code == QLatin1String("ar_AR"))
        QSKIP("The Arabic translation holds no texts in this build yet");

    QMap<QString, QString> english;
    {
        auto window = mainPage("en_US");
        QVERIFY(window);
        QCOMPARE(window->layoutDirection(), Qt::LeftToRight);
        english = mainPageTexts(window.get());
    }
    QVERIFY(english.size() > 50);

    auto window = mainPage(code);
    QVERIFY(window);
    QCOMPARE(MainWindow::curLanguage, code);
    QCOMPARE(window->languageFile(), "kolvane_" + code + ".qm");
    QCOMPARE(int(QApplication::layoutDirection()), direction);
    QCOMPARE(int(window->layoutDirection()), direction);
    const QMap<QString, QString> shown = mainPageTexts(window.get());
    QVERIFY(!shown.isEmpty());

    QStringList kept = {ProductInfo::title()};
    for (const char *name : {"Deutsch", "English", "Español", "Français", "Italiano", "日本语",
                                "Português", "简体中文版", "繁體中文版"})
        kept << QString::fromUtf8(name);
    auto sameByChoice = [&translator](const QString &text) {
        for (const char *context : {"MainWindowClass", "MainWindow"}) {
            if (translator.translate(context, text.toUtf8().constData()) == text)
                return true;
            // A tool tip is its action's text without the dots ("Options...").
            if (translator.translate(context, (text + "...").toUtf8().constData()) == text + "...")
                return true;
        }
        return false;
    };

    QStringList english_left;
    for (auto it = english.cbegin(); it != english.cend(); ++it) {
        const QString now = shown.value(it.key());
        if (now.isEmpty())
            english_left << it.key() + ": gone";
        else if (now == it.value() && !kept.contains(now) && !sameByChoice(now))
            english_left << it.key() + ": " + now;
    }
    QVERIFY2(english_left.isEmpty(), qPrintable(english_left.join("\n")));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
