#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "measures/measures.h"

// Boxes that hold the entry texts by cell code and record every result write in order.
class FakeBoxes : public measures::Boxes {
public:
    FakeBoxes() = default;
    explicit FakeBoxes(std::map<std::string, std::string, std::less<>> entries)
        : entries_(std::move(entries))
    {
    }

    std::string EntryBoxText(std::string_view cellCode) override
    {
        reads.emplace_back(cellCode);
        const auto found = entries_.find(cellCode);
        return found == entries_.end() ? std::string() : found->second;
    }

    void SetResultBoxText(measures::Measure measure, std::string_view text) override
    {
        written.push_back(measure);
        results[static_cast<int>(measure)] = std::string(text);
    }

    std::vector<std::string> reads;          // cell codes in the order they were read
    std::vector<measures::Measure> written;  // result boxes in the order they were written
    std::optional<std::string> results[3];   // T, I, R; empty until written

private:
    std::map<std::string, std::string, std::less<>> entries_;
};
