#ifndef VELMORA_HOWTO_H
#define VELMORA_HOWTO_H

#include <QDialog>

namespace Ui {
class velmora_howto;
}

// Tips page: four ways to bring files into a vault and keep them safe, with a
// "Do not show again" box that its opener sets and reads back. Next accepts.
class velmora_howto : public QDialog
{
    Q_OBJECT
public:
    explicit velmora_howto(QWidget *parent = nullptr);
    ~velmora_howto() override;

    void setDoNotShow(bool doNotShow);
    bool getDoNotShow() const;

protected:
    // Widens what a translation made too narrow for its text.
    void showEvent(QShowEvent *event) override;

private:
    Ui::velmora_howto *ui;
};

#endif // VELMORA_HOWTO_H
