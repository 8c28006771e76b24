#pragma once

#include <functional>

class QString;
class QWidget;

// Tells the user why a Run stopped. Tests replace it so that no modal box waits for a click.
using ErrorReport = std::function<void(QWidget* window, const QString& message)>;

// A modal message box over the window that shows the message; returns when it is dismissed.
void ShowErrorMessageBox(QWidget* window, const QString& message);
