#pragma once

#include <QWidget>

#include "window/error_report.h"

// The program's only window: eight entry boxes, three result boxes, "Run" and "Quit".
class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(ErrorReport report = ShowErrorMessageBox, QWidget* parent = nullptr);

private:
    void Command1Click();  // Run
    void Command2Click();  // Quit

    ErrorReport report_;
};
