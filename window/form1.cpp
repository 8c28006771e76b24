#include "window/form1.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QtMath>
#include <iterator>
#include <limits>
#include <map>
#include <utility>

#include "measures/measures.h"
#include "window/controls.h"
#include "window/twips.h"
#include "window/window_boxes.h"

namespace {

// "MS Sans Serif" is a Windows bitmap face. Where it is missing a narrow face stands in, since
// "T(uig) =" at 12.52 points must fit its 852 twips on one line.
QFont ControlsFont(double pointSize)
{
    QFont font;
    font.setFamilies(
        {"MS Sans Serif", "Liberation Sans Narrow", "Arial Narrow", "DejaVu Sans Condensed"});
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QWidget* CreateControl(const ControlRow& row, QWidget* window)
{
    const QString text = QString::fromUtf8(row.text);
    switch (row.kind) {
        case ControlKind::Picture: {
            // 112 x 155 device pixels whatever the scale factor: the picture is never stretched.
            auto* picture = new QLabel(window);
            QPixmap pixmap(QStringLiteral(":/window/helix.png"));
            pixmap.setDevicePixelRatio(window->devicePixelRatioF());
            picture->setPixmap(pixmap);
            picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            // Rounded up, so that no scale factor cuts off the last row or column.
            const QSizeF size = pixmap.deviceIndependentSize();
            picture->setFixedSize(qCeil(size.width()), qCeil(size.height()));
            return picture;
        }
        case ControlKind::Label: {
            auto* label = new QLabel(text, window);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setWordWrap(true);
            return label;
        }
        case ControlKind::TextBox: {
            auto* box = new QLineEdit(window);
            box->setAlignment(Qt::AlignCenter);
            // A box takes text of any length; only the Run judges it.
            box->setMaxLength(std::numeric_limits<int>::max());
            return box;
        }
        case ControlKind::Button: {
            auto* button = new QPushButton(text, window);
            button->setAutoDefault(false);
            button->setDefault(false);
            return button;
        }
    }
    return nullptr;
}

}  // namespace

Form1::Form1(ErrorReport report, QWidget* parent) : QWidget(parent), report_(std::move(report))
{
    setWindowTitle(QString::fromUtf8(kCaption));
    setWindowIcon(QIcon(QStringLiteral(":/window/threeway-info.png")));
    // The window's own font, which only the explanation uses: at 8 points it fits all six lines
    // of the explanation into its label.
    QFont windowFont({"Liberation Sans", "Arial", "DejaVu Sans"}, 8);
    windowFont.setStyleHint(QFont::SansSerif);
    setFont(windowFont);
    const int dpi = logicalDpiY();
    const auto px = [dpi](int twips) { return TwipsToPixels(twips, dpi); };
    setFixedSize(px(kClientWidthTwips), px(kClientHeightTwips));

    const QFont fontA = ControlsFont(10.02);
    const QFont fontB = ControlsFont(12.52);
    std::map<int, QWidget*> focusOrder;  // by tab index
    for (const ControlRow& row : Controls()) {
        QWidget* control = CreateControl(row, this);
        control->setObjectName(QString::fromUtf8(row.name));
        if (row.font == ControlFont::A) control->setFont(fontA);
        if (row.font == ControlFont::B) control->setFont(fontB);
        control->move(px(row.left), px(row.top));
        if (row.kind != ControlKind::Picture) {
            control->setFixedSize(px(row.width), px(row.height));
        }
        if (control->focusPolicy() != Qt::NoFocus) focusOrder[row.tabIndex] = control;
    }
    for (auto it = focusOrder.begin(); std::next(it) != focusOrder.end(); ++it) {
        setTabOrder(it->second, std::next(it)->second);
    }

    for (const EntryBoxName& entry : kEntryBoxNames) {
        findChild<QLineEdit*>(entry.box)->setAccessibleName(QStringLiteral("Cell ") +
                                                            entry.cellCode);
    }
    for (const ResultBoxName& result : kResultBoxNames) {
        findChild<QLineEdit*>(result.box)->setAccessibleName(result.accessibleName);
    }

    connect(findChild<QPushButton*>("Command1"), &QPushButton::clicked, this,
            &Form1::Command1Click);
    connect(findChild<QPushButton*>("Command2"), &QPushButton::clicked, this,
            &Form1::Command2Click);
    focusOrder.begin()->second->setFocus();
}

void Form1::Command1Click()
{
    WindowBoxes boxes(*this);
    try {
        measures::RunMeasures(boxes, QLocale().decimalPoint().toStdString());
    } catch (const measures::RunError& error) {
        // The Run stopped at its failing step; the window goes on with every entry as typed.
        report_(this, QString::fromStdString(error.what()));
    }
}

void Form1::Command2Click() { QApplication::quit(); }
