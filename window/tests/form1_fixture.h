#pragma once

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <memory>

#include "window/form1.h"

// Entries 10 to 80 in cells 000 to 111: T -1.22, I 0.95, R -0.27.
inline const QStringList kTenToEighty = {"10", "20", "30", "40", "50", "60", "70", "80"};

// A shown, active window whose error reports are recorded instead of shown, so that no
// modal box ever waits for a click that a test cannot give.
struct ShownForm {
    ShownForm()
        : form(std::make_unique<Form1>([this](QWidget* window, const QString& message) {
              reportWindows.append(window);
              reports.append(message);
          }))
    {
        form->show();
        QApplication::setActiveWindow(form.get());
        ready = QTest::qWaitForWindowActive(form.get());
    }

    template <typename Control>
    Control* Find(const char* name) const
    {
        return form->findChild<Control*>(QString::fromLatin1(name));
    }
    QLineEdit* Box(const char* name) const { return Find<QLineEdit>(name); }

    // The entry box of a cell as the user finds it: the box to the right of the label that
    // shows the cell's code, at the same height.
    QLineEdit* EntryBoxBeside(const QString& cellCode) const
    {
        for (const QLabel* label : form->findChildren<QLabel*>()) {
            if (label->text() != cellCode) continue;
            for (QLineEdit* box : form->findChildren<QLineEdit*>()) {
                if (box->y() == label->y() && box->x() > label->x()) return box;
            }
        }
        return nullptr;
    }

    // Types the texts of cells 000 to 111 into their boxes; false if a box is missing.
    bool TypeEntries(const QStringList& texts000To111) const
    {
        for (int cell = 0; cell < 8; ++cell) {
            QLineEdit* box = EntryBoxBeside(QString::number(cell, 2).rightJustified(3, '0'));
            if (box == nullptr) return false;
            box->clear();
            QTest::keyClicks(box, texts000To111[cell]);
        }
        return true;
    }

    void ClickRun() const { QTest::mouseClick(Find<QPushButton>("Command1"), Qt::LeftButton); }

    QStringList reports;
    QList<QWidget*> reportWindows;
    std::unique_ptr<Form1> form;
    bool ready = false;
};
