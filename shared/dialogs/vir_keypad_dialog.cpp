#include "vir_keypad_dialog.h"

#include "textfit.h"
#include "ui_vir_keypad_dialog.h"

#include "pushbutton.h"
#include "pseudorandom.h"
#include "tavsettings.h"
#include "useractivity.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRandomGenerator>
#include <QVector>

#include <functional>

namespace {

const int KeySize = 30;
const int KeyPitch = 34;
const int DigitKeys = 18;
const int LetterKeys = 42;
const int SpecialKeys = 18;
// The fourth character is a space.
const QString Specials = QStringLiteral("*+- $!.#%&/?");

int drawBelow(int n)
{
    return int(PseudoRandom::getInstance()->draw() % quint32(n));
}

// Deals `symbols` over the keys: each symbol once on a free key chosen at
// random, then every key left over gets a symbol drawn at random.
void deal(QButtonGroup *group, int keys, int symbolCount, const std::function<QString(int)> &symbol)
{
    QVector<bool> taken(keys, false);
    for (int i = 0; i < symbolCount; ++i) {
        int slot;
        do {
            slot = drawBelow(keys);
        } while (taken.at(slot));
        taken[slot] = true;
        static_cast<PushButton *>(group->button(slot))->setLabel(symbol(i));
    }
    for (int slot = 0; slot < keys; ++slot) {
        if (!taken.at(slot))
            static_cast<PushButton *>(group->button(slot))->setLabel(symbol(drawBelow(symbolCount)));
    }
}

} // namespace

Vir_KeyPad_Dialog::Vir_KeyPad_Dialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::Vir_KeyPad_Dialog)
{
    ui->setupUi(this);
    ui->buttonBox->button(QDialogButtonBox::Ok)->setText(tr("Enter"));
    ui->buttonBox->button(QDialogButtonBox::Cancel)->setText(QCoreApplication::translate("MainWindowClass", "Cancel"));
    shift = false;
    init_Keypad();
    // Seeded from the system's generator, not the clock: a layout anyone could
    // rebuild from the time of day would tell a click logger every key.
    PseudoRandom::getInstance()->seed(QRandomGenerator::system()->generate());
    random_Keypad();

    TAVSettings *settings = TAVSettings::getInstance();
    settings->beginGroup(QStringLiteral("Settings"));
    ui->slide_SecureLevel->setValue(settings->value(QStringLiteral("Vkey"), 1).toInt());
    settings->endGroup();

    emit userAction();
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
}

Vir_KeyPad_Dialog::~Vir_KeyPad_Dialog()
{
    // A failed write only loses the level; the keypad closes all the same.
    TAVSettings *settings = TAVSettings::getInstance();
    settings->beginGroup(QStringLiteral("Settings"));
    settings->setValue(QStringLiteral("Vkey"), ui->slide_SecureLevel->value());
    settings->endGroup();
    settings->write();

    delete numGroup;
    delete charGroup;
    delete specialGroup;
    delete ui;
}

QString Vir_KeyPad_Dialog::getPassword() const
{
    return ui->lineEdit->text();
}

void Vir_KeyPad_Dialog::done(int r)
{
    QDialog::done(r);
}

QButtonGroup *Vir_KeyPad_Dialog::makeKeys(QFrame *frame, int count, int columns)
{
    auto *group = new QButtonGroup(frame);
    connect(group, QOverload<QAbstractButton *>::of(&QButtonGroup::buttonClicked), this,
            &Vir_KeyPad_Dialog::on_buttonClicked);
    for (int n = 0; n < count; ++n) {
        auto *key = new PushButton(QString::number(n), frame);
        key->setFixedSize(KeySize, KeySize);
        key->move(KeyPitch * (n % columns), KeyPitch * (n / columns));
        group->addButton(key, n);
    }
    return group;
}

void Vir_KeyPad_Dialog::init_Keypad()
{
    numGroup = makeKeys(ui->num_frame, DigitKeys, 3);
    charGroup = makeKeys(ui->char_frame, LetterKeys, 7);
    specialGroup = makeKeys(ui->special_char_frame, SpecialKeys, 3);
}

void Vir_KeyPad_Dialog::random_Keypad()
{
    deal(numGroup, DigitKeys, 10, [](int i) { return QString::number(i); });
    const char first = shift ? 'A' : 'a';
    deal(charGroup, LetterKeys, 26, [first](int i) { return QString(QLatin1Char(char(first + i))); });
    // "&&" shows one ampersand and makes no shortcut.
    deal(specialGroup, SpecialKeys, Specials.size(), [](int i) {
        const QChar c = Specials.at(i);
        return c == QLatin1Char('&') ? QStringLiteral("&&") : QString(c);
    });
    emit userAction();
}

void Vir_KeyPad_Dialog::on_buttonClicked(QAbstractButton *button)
{
    // A key activated from the keyboard while the pointer hides its label
    // still knows it; a key without any label adds nothing.
    const QString label = static_cast<PushButton *>(button)->label();
    if (!label.isEmpty())
        ui->lineEdit->setText(ui->lineEdit->text() + label.at(0));
    random_Keypad();
}

void Vir_KeyPad_Dialog::on_btnBackSpace_clicked()
{
    QString text = ui->lineEdit->text();
    text.chop(1);
    ui->lineEdit->setText(text);
    random_Keypad();
}

void Vir_KeyPad_Dialog::on_btnShift_clicked()
{
    shift = !shift;
    random_Keypad();
}

void Vir_KeyPad_Dialog::on_brnReset_clicked()
{
    ui->lineEdit->clear();
    random_Keypad();
}

void Vir_KeyPad_Dialog::on_checkBox_stateChanged(int state)
{
    ui->lineEdit->setEchoMode(state != 0 ? QLineEdit::Normal : QLineEdit::Password);
    emit userAction();
}

void Vir_KeyPad_Dialog::on_slide_SecureLevel_valueChanged(int)
{
    emit userAction();
}

bool Vir_KeyPad_Dialog::event(QEvent *e)
{
    if (isUserActivity(e->type()))
        emit userAction();
    return QDialog::event(e);
}

void Vir_KeyPad_Dialog::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void Vir_KeyPad_Dialog::showEvent(QShowEvent *event)
{
    TextFit::grow(this);
    QDialog::showEvent(event);
}
