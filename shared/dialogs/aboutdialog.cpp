#include "aboutdialog.h"

#include "textfit.h"
#include "ui_aboutdialog.h"

#include "productinfo.h"

#include <QAction>
#include <QPushButton>

static void initDialogResources()
{
    Q_INIT_RESOURCE(dialogs);
}

namespace {

QString link(const QUrl &target, const QString &text)
{
    return QStringLiteral("<a href=\"%1\">%2</a>")
        .arg(target.toString(QUrl::FullyEncoded).toHtmlEscaped(), text.toHtmlEscaped());
}

} // namespace

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::AboutDialog)
{
    initDialogResources();
    ui->setupUi(this);

    auto *closeAction = new QAction(this);
    closeAction->setObjectName(QStringLiteral("actionclose"));
    closeAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    addAction(closeAction);
    connect(closeAction, &QAction::triggered, this, &QWidget::close);

    ui->lblSLA->setText(link(ProductInfo::webPage(QStringLiteral("/terms-conditions")), ui->lblSLA->text()));
    ui->lblURL->setText(link(ProductInfo::webPage(), ProductInfo::webHost()));
    ui->lblVersion->setText(
        QStringLiteral("%1 %2").arg(ProductInfo::editionTitle(), ProductInfo::displayVersion()));
    ui->lbReleaseDate->setText(QStringLiteral("%1: %2").arg(tr("Date"), ProductInfo::releaseDate()));
    ui->buttonBox->button(QDialogButtonBox::Ok)->setText(QCoreApplication::translate("MainWindowClass", "OK"));
    setModal(true);
}

AboutDialog::~AboutDialog()
{
    delete ui;
}

void AboutDialog::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void AboutDialog::showEvent(QShowEvent *event)
{
    TextFit::grow(this);
    QDialog::showEvent(event);
}
