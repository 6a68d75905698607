#include "mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KolvaneVave"));
    int code;
    {
        MainWindow window;
        window.show();
        code = app.exec();
    }
    return code;
}
