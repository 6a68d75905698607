#include "prompter.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QApplication>
#include <QTimer>
#include <QtTest>

class TestPrompter : public QObject
{
    Q_OBJECT
private slots:
    void messageBoxShowsAndAnswers_data();
    void messageBoxShowsAndAnswers();
    void installedPrompterReplacesBoxes();
};

namespace {

class FixedPrompter : public Prompter
{
public:
    QMessageBox::StandardButton ask(QMessageBox::Icon, const QString &, const QString &,
                                    QMessageBox::StandardButtons,
                                    QMessageBox::StandardButton) override
    {
        return QMessageBox::Retry;
    }
};

} // namespace

void TestPrompter::messageBoxShowsAndAnswers_data()
{
    QTest::addColumn<QString>("action"); // a button's text, or "escape"
    QTest::addColumn<int>("expected");
    QTest::newRow("Ok clicked") << "OK" << int(QMessageBox::Ok);
    QTest::newRow("Cancel clicked") << "Cancel" << int(QMessageBox::Cancel);
    QTest::newRow("Escape") << "escape" << int(QMessageBox::Cancel);
}

void TestPrompter::messageBoxShowsAndAnswers()
{
    QFETCH(QString, action);
    QFETCH(int, expected);

    QString seenTitle, seenText, defaultText, escapeText;
    int seenIcon = -1;
    bool found = false;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        found = true;
        seenTitle = box->windowTitle();
        seenText = box->text();
        seenIcon = box->icon();
        defaultText = box->defaultButton() ? box->defaultButton()->text() : QString();
        escapeText = box->escapeButton() ? box->escapeButton()->text() : QString();
        if (action == QLatin1String("escape")) {
            QTest::keyClick(box, Qt::Key_Escape);
            return;
        }
        for (QAbstractButton *button : box->buttons())
            if (button->text().remove(QLatin1Char('&')) == action)
                button->click();
    });

    const QMessageBox::StandardButton answer = Prompter::instance()->ask(
        QMessageBox::Critical, QStringLiteral("A problem occured"), QStringLiteral("line 1\nline 2"),
        QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);

    QVERIFY(found);
    QCOMPARE(int(answer), expected);
    QCOMPARE(seenTitle, QStringLiteral("A problem occured"));
    QCOMPARE(seenText, QStringLiteral("line 1\nline 2"));
    QCOMPARE(seenIcon, int(QMessageBox::Critical));
    QCOMPARE(defaultText.remove(QLatin1Char('&')), QStringLiteral("OK"));
    QCOMPARE(escapeText.remove(QLatin1Char('&')), QStringLiteral("Cancel"));
}

void TestPrompter::installedPrompterReplacesBoxes()
{
    Prompter *standard = Prompter::instance();
    FixedPrompter fixed;
    Prompter::setInstance(&fixed);
    QCOMPARE(Prompter::instance()->ask(QMessageBox::Information, QString(), QString(),
                                       QMessageBox::Ok, QMessageBox::Ok),
             QMessageBox::Retry);
    Prompter::setInstance(nullptr);
    QCOMPARE(Prompter::instance(), standard);
}

QTEST_MAIN(TestPrompter)
#include "tst_prompter.moc"
