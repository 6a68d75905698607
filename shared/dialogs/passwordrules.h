#ifndef PASSWORDRULES_H
#define PASSWORDRULES_H

#include <QColor>
#include <QString>

class QAbstractButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QWidget;

// The rating and the rules of a new password, shared by the dialogs in which
// the user chooses one. Works on the form's widgets by their object names:
// lnePassword, lneRePassword, chk6Character, chkUpperLower, chkNumeric,
// chkSpecialCharacter, lblPasswordMatch, lbStrength and bar1 ... bar10;
// the OK button is passed in. The dialog's slots call the three steps.
class PasswordRules
{
public:
    PasswordRules(QWidget *form, QAbstractButton *okButton);

    // The five conditions for OK, all false until the first evaluation.
    bool lengthRuleMet = false;
    bool caseRuleMet = false;
    bool digitRuleMet = false;
    bool specialRuleMet = false;
    bool passwordsMatch = false;

    bool isValid() const;

    // The password changed: score, word, bar, rule colours, match, OK.
    void evaluate();
    // The confirmation changed: match and OK only.
    void confirmationChanged();
    // A rule box was ticked (state not 0) or unticked.
    void ruleBoxChanged(QCheckBox *box, int state);

    // The strength of a password, 0 (empty) to 10.
    static int score(const QString &password);
    // The word shown for a score, translated; empty for 0.
    static QString strengthText(int score);
    // Replaces the box's palette by one whose text is `color` in every state.
    static void setCheckBoxColor(QCheckBox *box, const QColor &color);

private:
    bool *flagOf(QCheckBox *box);
    void applyMatch(bool fromPassword);
    void updateOk();

    QLineEdit *m_password;
    QLineEdit *m_confirmation;
    QCheckBox *m_lengthBox;
    QCheckBox *m_caseBox;
    QCheckBox *m_digitBox;
    QCheckBox *m_specialBox;
    QLabel *m_match;
    QLabel *m_strength;
    QLabel *m_bars[10];
    QAbstractButton *m_ok;
};

#endif // PASSWORDRULES_H
