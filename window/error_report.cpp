#include "window/error_report.h"

#include <QMessageBox>
#include <QString>

void ShowErrorMessageBox(QWidget* window, const QString& message)
{
    QMessageBox::critical(window, window->windowTitle(), message);
}
