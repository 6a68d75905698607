#include "velmora_howto.h"

#include "textfit.h"
#include "ui_velmora_howto.h"

velmora_howto::velmora_howto(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::velmora_howto)
{
    ui->setupUi(this);
}

velmora_howto::~velmora_howto()
{
    delete ui;
}

void velmora_howto::setDoNotShow(bool doNotShow)
{
    ui->chkDoNotShow->setChecked(doNotShow);
}

bool velmora_howto::getDoNotShow() const
{
    return ui->chkDoNotShow->isChecked();
}

void velmora_howto::showEvent(QShowEvent *event)
{
    TextFit::grow(this);
    QDialog::showEvent(event);
}
