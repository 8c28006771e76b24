#pragma once

#include <array>
#include <string>
#include <string_view>

#include "measures/measures.h"

class QLineEdit;
class QWidget;

// The entry box that holds each cell and the result box of each measure, by control name.
struct EntryBoxName {
    const char* cellCode;
    const char* box;
};
struct ResultBoxName {
    measures::Measure measure;
    const char* box;
    const char* accessibleName;
};
extern const std::array<EntryBoxName, 8> kEntryBoxNames;
extern const std::array<ResultBoxName, 3> kResultBoxNames;

// Gives the Run its two operations over the boxes of a window; texts cross as UTF-8.
class WindowBoxes : public measures::Boxes {
public:
    explicit WindowBoxes(const QWidget& window);

    std::string EntryBoxText(std::string_view cellCode) override;
    void SetResultBoxText(measures::Measure measure, std::string_view text) override;

private:
    std::array<QLineEdit*, 8> entries_{};  // in the order of kEntryBoxNames
    std::array<QLineEdit*, 3> results_{};  // T, I, R
};
