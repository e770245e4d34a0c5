// Per-lookup cost of the engine: every date from 1936 to 2008 through both sign
// lookups, and all 144 pairs through the compatibility lookups. Each iteration is
// one lookup, so the reported time is the cost of a single call.
#include <benchmark/benchmark.h>

#include <vector>

#include "engine/compatibility.h"
#include "engine/profiles.h"
#include "engine/sign_lookup.h"

namespace {

using namespace std::chrono;

const std::vector<year_month_day>& AllDates() {
    static const auto dates = [] {
        std::vector<year_month_day> all;
        for (sys_days d{1936y / January / 1d}; d <= sys_days{2008y / December / 31d}; d += days{1}) all.emplace_back(d);
        return all;
    }();
    return dates;
}

const std::vector<std::pair<std::string_view, std::string_view>>& AllPairs() {
    static const auto pairs = [] {
        std::vector<std::pair<std::string_view, std::string_view>> all;
        for (const auto user : zodiac::kSignNames) {
            for (const auto partner : zodiac::kSignNames) all.emplace_back(user, partner);
        }
        return all;
    }();
    return pairs;
}

template <typename Input, typename Call>
void Cycle(benchmark::State& state, const std::vector<Input>& inputs, Call call) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(call(inputs[i]));
        if (++i == inputs.size()) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}

void GetAnimalSign(benchmark::State& state) {
    zodiac::SignLookup lookup;
    Cycle(state, AllDates(), [&](year_month_day d) { return lookup.GetAnimalSign(d); });
}

void GetElement(benchmark::State& state) {
    zodiac::SignLookup lookup;
    Cycle(state, AllDates(), [&](year_month_day d) { return lookup.GetElement(d); });
}

void GetSignProfile(benchmark::State& state) {
    const zodiac::ProfileLookup lookup;
    const std::vector<std::string_view> names(zodiac::kSignNames.begin(), zodiac::kSignNames.end());
    Cycle(state, names, [&](std::string_view sign) { return lookup.GetSignProfile(sign); });
}

void GetElementDescription(benchmark::State& state) {
    zodiac::ProfileLookup lookup;
    const std::vector<std::string_view> names(zodiac::kElementNames.begin(), zodiac::kElementNames.end());
    Cycle(state, names, [&](std::string_view element) { return lookup.GetElementDescription(element); });
}

void GetCompatibilityNumber(benchmark::State& state) {
    const zodiac::Compatibility compatibility;
    Cycle(state, AllPairs(), [&](const auto& p) { return compatibility.GetCompatibilityNumber(p.first, p.second); });
}

void GetCompatibilityText(benchmark::State& state) {
    zodiac::Compatibility compatibility;
    Cycle(state, AllPairs(), [&](const auto& p) { return compatibility.GetCompatibilityText(p.first, p.second); });
}

void RateCompatibility(benchmark::State& state) {
    const zodiac::Compatibility compatibility;
    const std::vector<std::int16_t> numbers = {2, 3, 4, 5, 6, 7, 8, 9, 10};
    Cycle(state, numbers, [&](std::int16_t n) { return compatibility.RateCompatibility(n); });
}

BENCHMARK(GetAnimalSign);
BENCHMARK(GetElement);
BENCHMARK(GetSignProfile);
BENCHMARK(GetElementDescription);
BENCHMARK(GetCompatibilityNumber);
BENCHMARK(GetCompatibilityText);
BENCHMARK(RateCompatibility);

}  // namespace

BENCHMARK_MAIN();
