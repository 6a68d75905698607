#include "passwordrules.h"
#include "trcontext.h"

#include "pwdchecker.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

namespace {

template <typename T>
T *part(QWidget *form, const QString &name)
{
    T *widget = form->findChild<T *>(name);
    Q_ASSERT_X(widget, "PasswordRules", qPrintable(name));
    return widget;
}

// lupdate does not see texts passed through here: write
// MainFormText::tr("...") instead.
[[maybe_unused]] QString mainText(const char *text)
{
    return QCoreApplication::translate("MainWindowClass", text);
}

} // namespace

PasswordRules::PasswordRules(QWidget *form, QAbstractButton *okButton)
    : m_password(part<QLineEdit>(form, QStringLiteral("lnePassword")))
    , m_confirmation(part<QLineEdit>(form, QStringLiteral("lneRePassword")))
    , m_lengthBox(part<QCheckBox>(form, QStringLiteral("chk6Character")))
    , m_caseBox(part<QCheckBox>(form, QStringLiteral("chkUpperLower")))
    , m_digitBox(part<QCheckBox>(form, QStringLiteral("chkNumeric")))
    , m_specialBox(part<QCheckBox>(form, QStringLiteral("chkSpecialCharacter")))
    , m_match(part<QLabel>(form, QStringLiteral("lblPasswordMatch")))
    , m_strength(part<QLabel>(form, QStringLiteral("lbStrength")))
    , m_ok(okButton)
{
    for (int k = 0; k < 10; ++k)
        m_bars[k] = part<QLabel>(form, QStringLiteral("bar%1").arg(k + 1));
}

bool PasswordRules::isValid() const
{
    return lengthRuleMet && caseRuleMet && digitRuleMet && specialRuleMet && passwordsMatch;
}

int PasswordRules::score(const QString &password)
{
    const int n = password.size();
    int points = 0;
    if (n > 6)
        points = 5;
    else if (n >= 4)
        points = n - 2;
    else if (n >= 1)
        points = 1;
    if (PwdChecker::containsLowCaseChar(password) && PwdChecker::containsUpCaseChar(password))
        points += 2;
    if (PwdChecker::containsDigit(password))
        points += 1;
    if (PwdChecker::containsSpecialChar(password))
        points += 1;
    if (n > 7)
        points += 1;
    return points;
}

QString PasswordRules::strengthText(int score)
{
    if (score <= 0)
        return QString();
    if (score <= 3)
        return MainFormText::tr("Weak");
    if (score <= 5)
        return MainFormText::tr("Fair");
    if (score <= 8)
        return MainFormText::tr("Good");
    return MainFormText::tr("Excellent");
}

void PasswordRules::setCheckBoxColor(QCheckBox *box, const QColor &color)
{
    QPalette palette;
    palette.setBrush(QPalette::WindowText, QBrush(color, Qt::SolidPattern));
    box->setPalette(palette);
}

void PasswordRules::evaluate()
{
    const QString password = m_password->text();
    const int points = score(password);
    m_strength->setText(strengthText(points));
    // A score of 9 already fills the bar: the tenth block shows with the ninth.
    for (int k = 1; k <= 10; ++k)
        m_bars[k - 1]->setVisible(points >= qMin(k, 9));

    const bool hasCases = PwdChecker::containsLowCaseChar(password) && PwdChecker::containsUpCaseChar(password);
    const struct {
        QCheckBox *box;
        bool *flag;
        bool holds;
    } rules[] = {
        {m_lengthBox, &lengthRuleMet, password.size() > 6},
        {m_caseBox, &caseRuleMet, hasCases},
        {m_digitBox, &digitRuleMet, PwdChecker::containsDigit(password)},
        {m_specialBox, &specialRuleMet, PwdChecker::containsSpecialChar(password)},
    };
    for (const auto &rule : rules) {
        *rule.flag = !rule.box->isChecked() || rule.holds;
        setCheckBoxColor(rule.box, *rule.flag ? Qt::black : Qt::red);
    }

    applyMatch(true);
    updateOk();
}

void PasswordRules::confirmationChanged()
{
    applyMatch(false);
    updateOk();
}

void PasswordRules::ruleBoxChanged(QCheckBox *box, int state)
{
    bool *flag = flagOf(box);
    if (!flag)
        return;
    *flag = (state == 0);
    if (state != 0)
        evaluate();
    else
        setCheckBoxColor(box, Qt::black);
    updateOk();
}

bool *PasswordRules::flagOf(QCheckBox *box)
{
    if (box == m_lengthBox)
        return &lengthRuleMet;
    if (box == m_caseBox)
        return &caseRuleMet;
    if (box == m_digitBox)
        return &digitRuleMet;
    if (box == m_specialBox)
        return &specialRuleMet;
    return nullptr;
}

void PasswordRules::applyMatch(bool fromPassword)
{
    const QString password = m_password->text();
    const QString confirmation = m_confirmation->text();
    passwordsMatch = !password.isEmpty() && !confirmation.isEmpty()
                     && QString::compare(password, confirmation, Qt::CaseSensitive) == 0;
    if (passwordsMatch) {
        m_match->setText(QString());
    } else if (fromPassword && password.isEmpty()) {
        // Nothing typed yet: no rule is shown as broken.
        m_match->setText(QString());
        for (QCheckBox *box : {m_lengthBox, m_caseBox, m_digitBox, m_specialBox})
            setCheckBoxColor(box, Qt::black);
    } else if (confirmation.isEmpty()) {
        m_match->setText(QString());
    } else {
        m_match->setText(MainFormText::tr("Passwords do not match"));
    }
}

void PasswordRules::updateOk()
{
    m_ok->setEnabled(isValid());
}
