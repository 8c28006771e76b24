#include "window/window_boxes.h"

#include <QLineEdit>
#include <QString>
#include <stdexcept>

const std::array<EntryBoxName, 8> kEntryBoxNames = {{
    {"000", "Text8"},
    {"001", "Text7"},
    {"010", "Text6"},
    {"011", "Text1"},
    {"100", "Text5"},
    {"101", "Text3"},
    {"110", "Text2"},
    {"111", "Text4"},
}};

const std::array<ResultBoxName, 3> kResultBoxNames = {{
    {measures::Measure::T, "Text9(0)", "T in millibits"},
    {measures::Measure::I, "Text10(1)", "I in millibits"},
    {measures::Measure::R, "Text11(1)", "R in millibits"},
}};

namespace {

QLineEdit* FindBox(const QWidget& window, const char* name)
{
    auto* box = window.findChild<QLineEdit*>(QString::fromLatin1(name));
    if (box == nullptr) throw std::logic_error(std::string("no box named ") + name);
    return box;
}

}  // namespace

WindowBoxes::WindowBoxes(const QWidget& window)
{
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        entries_[i] = FindBox(window, kEntryBoxNames[i].box);
    }
    for (std::size_t i = 0; i < results_.size(); ++i) {
        results_[static_cast<int>(kResultBoxNames[i].measure)] =
            FindBox(window, kResultBoxNames[i].box);
    }
}

std::string WindowBoxes::EntryBoxText(std::string_view cellCode)
{
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (cellCode == kEntryBoxNames[i].cellCode) return entries_[i]->text().toStdString();
    }
    throw std::logic_error("no entry box for cell " + std::string(cellCode));
}

void WindowBoxes::SetResultBoxText(measures::Measure measure, std::string_view text)
{
    results_[static_cast<int>(measure)]->setText(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}
