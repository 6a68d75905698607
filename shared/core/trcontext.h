#ifndef TRCONTEXT_H
#define TRCONTEXT_H

#include <QCoreApplication>

// Translation contexts used outside the class they are named after, so that
// both tr() at run time and lupdate put a text in the same context:
// MainFormText::tr("OK") is QCoreApplication::translate("MainWindowClass", "OK").
struct MainFormText
{
    Q_DECLARE_TR_FUNCTIONS(MainWindowClass)
};

struct MainWindowText
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)
};

struct RestoreWizardText
{
    Q_DECLARE_TR_FUNCTIONS(RestoreWizard)
};

struct VaultPropertyText
{
    Q_DECLARE_TR_FUNCTIONS(TavVaultProperty)
};

#endif // TRCONTEXT_H
