#include <benchmark/benchmark.h>

#include <map>
#include <string>

#include "measures/measures.h"

namespace {

class TableBoxes : public measures::Boxes {
public:
    explicit TableBoxes(std::map<std::string, std::string, std::less<>> entries)
        : entries_(std::move(entries))
    {
    }
    std::string EntryBoxText(std::string_view cellCode) override
    {
        const auto found = entries_.find(cellCode);
        return found == entries_.end() ? std::string() : found->second;
    }
    void SetResultBoxText(measures::Measure, std::string_view text) override
    {
        benchmark::DoNotOptimize(text.data());
    }

private:
    std::map<std::string, std::string, std::less<>> entries_;
};

void Run(benchmark::State& state, std::map<std::string, std::string, std::less<>> entries)
{
    TableBoxes boxes(std::move(entries));
    for (auto _ : state) measures::RunMeasures(boxes);
}

// The slowest table known: zeros in 000 and 111 make the fit take 222,222 passes.
void BM_RunZerosIn000And111(benchmark::State& state)
{
    Run(state,
        {{"001", "1"}, {"010", "1"}, {"011", "1"}, {"100", "1"}, {"101", "1"}, {"110", "1"}});
}

// An ordinary table: four passes.
void BM_Run10To80(benchmark::State& state)
{
    Run(state, {{"000", "10"},
                {"001", "20"},
                {"010", "30"},
                {"011", "40"},
                {"100", "50"},
                {"101", "60"},
                {"110", "70"},
                {"111", "80"}});
}

}  // namespace

BENCHMARK(BM_RunZerosIn000And111)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Run10To80)->Unit(benchmark::kMicrosecond);
