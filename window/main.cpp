#include <QApplication>

#include "window/form1.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setDesktopFileName(QStringLiteral("threeway-info"));
    Form1 window;
    window.show();
    return QApplication::exec();
}
