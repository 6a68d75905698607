// The seam that answers modal dialogs for every screen's tests: it must press
// the right button, tell what it saw, and turn every way a script can go wrong
// into an error instead of a hanging test.
#include "modalanswerer.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

class TestModalAnswerer : public QObject
{
    Q_OBJECT
private slots:
    void pressesButton_data();
    void pressesButton();
    void recordsWhatItSaw();
    void actFillsFieldsThenPresses();
    void answersNestedBoxesInOrder();
    void missingButtonIsErrorAndRejects();
    void disabledButtonIsErrorAndRejects();
    void unansweredDialogIsRejectedAfterLimit();
    void dialogLeftOpenByAnswerIsRejectedAfterLimit();
    void noDialogWithinLimitIsError();
    void stripMnemonic_data();
    void stripMnemonic();
};

namespace {

// A dialog with two buttons, one carrying a mnemonic, and a field.
class TwoButtonDialog : public QDialog
{
public:
    TwoButtonDialog()
    {
        setWindowTitle(QStringLiteral("Two buttons"));
        auto *layout = new QVBoxLayout(this);
        field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("field"));
        layout->addWidget(field);
        auto *save = new QPushButton(QStringLiteral("&Save"), this);
        save->setObjectName(QStringLiteral("btnSave"));
        auto *discard = new QPushButton(QStringLiteral("Discard"), this);
        discard->setObjectName(QStringLiteral("btnDiscard"));
        layout->addWidget(save);
        layout->addWidget(discard);
        connect(save, &QPushButton::clicked, this, [this] { done(10); });
        connect(discard, &QPushButton::clicked, this, [this] { done(20); });
    }
    QLineEdit *field;
};

} // namespace

void TestModalAnswerer::pressesButton_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("text without mnemonic") << "Save" << 10;
    QTest::newRow("text with mnemonic") << "&Save" << 10;
    QTest::newRow("object name") << "btnDiscard" << 20;
    QTest::newRow("plain text") << "Discard" << 20;
}

void TestModalAnswerer::pressesButton()
{
    QFETCH(QString, button);
    QFETCH(int, result);
    TwoButtonDialog dialog;
    ModalAnswerer answers(2000);
    answers.press(button);
    QCOMPARE(dialog.exec(), result);
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
}

void TestModalAnswerer::recordsWhatItSaw()
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Kolvane"), QStringLiteral("Replace the file?"),
                    QMessageBox::Yes | QMessageBox::No);
    box.setInformativeText(QStringLiteral("It is newer."));
    ModalAnswerer answers(2000);
    answers.press(QStringLiteral("No"));
    QCOMPARE(box.exec(), int(QMessageBox::No));
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QCOMPARE(answers.seen().size(), 1);
    const ModalAnswerer::Seen seen = answers.seen().first();
    QCOMPARE(seen.className, QStringLiteral("QMessageBox"));
    QCOMPARE(seen.title, QStringLiteral("Kolvane"));
    QCOMPARE(seen.text, QStringLiteral("Replace the file?"));
    QCOMPARE(seen.informativeText, QStringLiteral("It is newer."));
    QVERIFY(seen.buttons.contains(QStringLiteral("Yes")));
    QVERIFY(seen.buttons.contains(QStringLiteral("No")));
}

void TestModalAnswerer::actFillsFieldsThenPresses()
{
    QInputDialog input;
    input.setLabelText(QStringLiteral("Name:"));
    ModalAnswerer answers(2000);
    answers.act([](QWidget *dialog) {
        dialog->findChild<QLineEdit *>()->setText(QStringLiteral("Photos"));
        QVERIFY(ModalAnswerer::clickButton(dialog, QStringLiteral("OK")));
    });
    QCOMPARE(input.exec(), int(QDialog::Accepted));
    QCOMPARE(input.textValue(), QStringLiteral("Photos"));
    QCOMPARE(answers.seen().value(0).text, QStringLiteral("Name:"));
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
}

void TestModalAnswerer::answersNestedBoxesInOrder()
{
    // Saving asks a question; the outer dialog stays open after it, then is discarded.
    TwoButtonDialog dialog;
    QPushButton *save = dialog.findChild<QPushButton *>(QStringLiteral("btnSave"));
    save->disconnect();
    int asked = -1;
    connect(save, &QPushButton::clicked, &dialog, [&] {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Sure?"), QStringLiteral("Really save?"),
                        QMessageBox::Yes | QMessageBox::No, &dialog);
        asked = box.exec();
    });
    ModalAnswerer answers(2000);
    answers.press(QStringLiteral("Save")).press(QStringLiteral("No")).press(QStringLiteral("Discard"));
    QCOMPARE(dialog.exec(), 20);
    QCOMPARE(asked, int(QMessageBox::No));
    QVERIFY2(answers.ok(), qPrintable(answers.errorString()));
    QCOMPARE(answers.seen().size(), 3);
    QCOMPARE(answers.seen().at(1).text, QStringLiteral("Really save?"));
}

void TestModalAnswerer::missingButtonIsErrorAndRejects()
{
    TwoButtonDialog dialog;
    ModalAnswerer answers(2000);
    answers.press(QStringLiteral("Maybe"));
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY(!answers.ok());
    QVERIFY2(answers.errorString().contains(QLatin1String("no button \"Maybe\"")), qPrintable(answers.errorString()));
    QVERIFY2(answers.errorString().contains(QLatin1String("Save, Discard")), qPrintable(answers.errorString()));
}

void TestModalAnswerer::disabledButtonIsErrorAndRejects()
{
    TwoButtonDialog dialog;
    dialog.findChild<QPushButton *>(QStringLiteral("btnSave"))->setEnabled(false);
    ModalAnswerer answers(2000);
    answers.press(QStringLiteral("Save"));
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY(answers.errorString().contains(QLatin1String("disabled")));
}

void TestModalAnswerer::unansweredDialogIsRejectedAfterLimit()
{
    TwoButtonDialog dialog;
    ModalAnswerer answers(200);
    QElapsedTimer took;
    took.start();
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY(took.elapsed() >= 200);
    QVERIFY(answers.errorString().contains(QLatin1String("unanswered dialog \"Two buttons\"")));
}

void TestModalAnswerer::dialogLeftOpenByAnswerIsRejectedAfterLimit()
{
    TwoButtonDialog dialog;
    ModalAnswerer answers(200);
    answers.act([](QWidget *shown) { shown->findChild<QLineEdit *>()->setText(QStringLiteral("x")); });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(dialog.field->text(), QStringLiteral("x"));
    QVERIFY2(answers.errorString().contains(QLatin1String("\"Two buttons\" still open 200 ms after its answer")),
             qPrintable(answers.errorString()));
}

void TestModalAnswerer::noDialogWithinLimitIsError()
{
    ModalAnswerer answers(100);
    answers.press(QStringLiteral("OK")).press(QStringLiteral("Cancel"));
    QTRY_VERIFY(!answers.errors().isEmpty());
    QVERIFY(answers.errorString().contains(QLatin1String("no dialog opened within 100 ms")));
    QVERIFY(answers.allAnswered()); // the rest is dropped, not left to answer a later dialog
}

void TestModalAnswerer::stripMnemonic_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("plain");
    QTest::newRow("leading") << "&Open" << "Open";
    QTest::newRow("inside") << "Sa&ve" << "Save";
    QTest::newRow("escaped") << "Drag && drop" << "Drag & drop";
    QTest::newRow("trailing") << "A&" << "A&";
    QTest::newRow("none") << "Cancel" << "Cancel";
}

void TestModalAnswerer::stripMnemonic()
{
    QFETCH(QString, text);
    QFETCH(QString, plain);
    QCOMPARE(ModalAnswerer::stripMnemonic(text), plain);
}

QTEST_MAIN(TestModalAnswerer)
#include "tst_modalanswerer.moc"
