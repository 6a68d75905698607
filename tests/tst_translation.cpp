#include "languagetable.h"
#include "translation.h"
#include "utils.h"

#include <QAction>
#include <QApplication>
#include <QtTest>

namespace {

const QString kSyncText = QStringLiteral("Start synchronizing files now.");

// The tool tip that a real text of the library gets in the language in force.
QString syncToolTip()
{
    QAction action;
    Utils::setSynchronizeIcon(&action, 0);
    return action.toolTip();
}

} // namespace

class TestTranslation : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void languageOfAStart_data();
    void languageOfAStart();
    void comboItems();
    void everyTranslationLoads_data();
    void everyTranslationLoads();
    void storedLanguageTranslatesTheInterface();
    void languageWithoutFileChangesNoText();
    void comboSwitchesTranslation();
};

void TestTranslation::cleanup()
{
    QApplication::setLayoutDirection(Qt::LeftToRight);
    QCOMPARE(syncToolTip(), kSyncText); // no translator left behind
}

void TestTranslation::languageOfAStart_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("comboIndex");
    QTest::addColumn<bool>("rightToLeft");
    QTest::addColumn<QString>("resource");

    QTest::newRow("new drive") << "en_US" << "de_DE" << "en_US" << 2 << false << "";
    QTest::newRow("stored German") << "de_DE" << "fr_FR" << "de_DE" << 1 << false << ":/res/kolvane_de_DE.qm";
    QTest::newRow("stored last entry") << "zh_TW" << "" << "zh_TW" << 9 << false << ":/res/kolvane_zh_TW.qm";
    QTest::newRow("stored Arabic") << "ar_AR" << "en_US" << "ar_AR" << 0 << true << ":/res/kolvane_ar_AR.qm";
    QTest::newRow("stored Dutch") << "nl_NL" << "en_US" << "nl_NL" << 0 << false << ":/res/kolvane_nl_NL.qm";
    QTest::newRow("system French") << "" << "fr_FR" << "fr_FR" << 4 << false << ":/res/kolvane_fr_FR.qm";
    QTest::newRow("system Canadian French") << "" << "fr_CA" << "en_US" << 2 << false << "";
    QTest::newRow("system Arabic") << "" << "ar_EG" << "en_US" << 2 << false << "";
    QTest::newRow("system Hong Kong") << "" << "zh_HK" << "zh_TW" << 9 << false << ":/res/kolvane_zh_TW.qm";
    QTest::newRow("system Macao") << "" << "zh_MO" << "zh_TW" << 9 << false << ":/res/kolvane_zh_TW.qm";
    QTest::newRow("system Singapore") << "" << "zh_SG" << "zh_CN" << 8 << false << ":/res/kolvane_zh_CN.qm";
    QTest::newRow("system case differs") << "" << "ZH_hk" << "en_US" << 2 << false << "";
    QTest::newRow("system C") << "" << "C" << "en_US" << 2 << false << "";
}

void TestTranslation::languageOfAStart()
{
    QFETCH(QString, stored);
    QFETCH(QString, locale);
    QFETCH(QString, code);
    QFETCH(int, comboIndex);
    QFETCH(bool, rightToLeft);
    QFETCH(QString, resource);

    QCOMPARE(LanguageTable::resolve(stored, locale), code);
    QCOMPARE(LanguageTable::comboIndex(code), comboIndex);
    QCOMPARE(LanguageTable::layoutDirection(code), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    QCOMPARE(LanguageTable::translationResource(code), resource);

    Translation translation;
    QCOMPARE(translation.setLanguage(stored, locale), code);
    QCOMPARE(QApplication::layoutDirection(), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    QCOMPARE(translation.current() != nullptr, !resource.isEmpty());
    QCOMPARE(translation.fileName(), LanguageTable::translationFileName(code));
}

void TestTranslation::comboItems()
{
    const QStringList codes = LanguageTable::codes();
    QCOMPARE(codes, QStringList({"de_DE", "en_US", "es_ES", "fr_FR", "it_IT", "ja_JP", "pt_PT", "zh_CN", "zh_TW"}));
    for (int i = 0; i < codes.size(); ++i) {
        QCOMPARE(LanguageTable::codeAt(i + 1), codes.at(i));
        QCOMPARE(LanguageTable::comboIndex(codes.at(i)), i + 1);
    }
    QCOMPARE(LanguageTable::codeAt(0), QString());
    QCOMPARE(LanguageTable::codeAt(-1), QString());
    QCOMPARE(LanguageTable::codeAt(codes.size() + 1), QString());
}

void TestTranslation::everyTranslationLoads_data()
{
    QTest::addColumn<QString>("code");
    for (const QString &code : LanguageTable::codes()) {
        if (code != LanguageTable::sourceLanguage())
            QTest::newRow(qPrintable(code)) << code;
    }
}

void TestTranslation::everyTranslationLoads()
{
    QFETCH(QString, code);
    Translation translation;
    QVERIFY(translation.install(LanguageTable::translationResource(code)));
    const QString text = syncToolTip();
    QVERIFY2(!text.isEmpty() && text != kSyncText, qPrintable(text));
}

void TestTranslation::storedLanguageTranslatesTheInterface()
{
    Translation translation;
    translation.setLanguage("de_DE", "fr_FR");
    QCOMPARE(syncToolTip(), QString("Jetzt Dateien synchronisieren."));
    QCOMPARE(QCoreApplication::translate("MainWindowClass", "Cancel"), QString("Abbrechen"));
}

void TestTranslation::languageWithoutFileChangesNoText()
{
    Translation translation;
    // No Swedish translation is among the resources.
    QVERIFY(!translation.install(LanguageTable::translationResource("sv_SE")));
    QVERIFY(translation.current());
    QCOMPARE(syncToolTip(), kSyncText);
}

void TestTranslation::comboSwitchesTranslation()
{
    Translation translation;
    QString code = translation.setLanguage("de_DE", "en_US");

    code = translation.selectComboItem(LanguageTable::comboIndex("es_ES"), code);
    QCOMPARE(code, QString("es_ES"));
    QCOMPARE(syncToolTip(), QString("Sincronizar archivos ahora."));
    QCOMPARE(translation.fileName(), QString("kolvane_es_ES.qm"));

    // The prompt item and an item the combo does not have change nothing.
    QCOMPARE(translation.selectComboItem(0, code), code);
    QCOMPARE(translation.selectComboItem(LanguageTable::codes().size() + 1, code), code);
    QCOMPARE(syncToolTip(), QString("Sincronizar archivos ahora."));

    code = translation.selectComboItem(LanguageTable::comboIndex("en_US"), code);
    QCOMPARE(code, QString("en_US"));
    QCOMPARE(syncToolTip(), kSyncText);
    QVERIFY(!translation.current());
}

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
