// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
// The arithmetic behind one Calculate, whole and in its parts, at the
// frequency the window starts with.
#include "calc/antenna.h"
#include "calc/decimal_text.h"
#include "calc/feet_inches.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr const char *frequency = "21,250";

void WholeCalculation(benchmark::State &state)
{
    for (auto _ : state) {
        const auto lengths = calc::calculateLengths(frequency);
        for (const double metres : calc::inRowOrder(lengths.value())) {
            std::string metric = calc::metricText(metres);
            calc::FeetInches feetInches = calc::toFeetInches(metres);
            benchmark::DoNotOptimize(metric);
            benchmark::DoNotOptimize(feetInches);
        }
    }
}
BENCHMARK(WholeCalculation);

void ReadFrequency(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(calc::DecimalText::read(frequency));
}
BENCHMARK(ReadFrequency);

void Lengths(benchmark::State &state)
{
    double f = 21.25;
    for (auto _ : state) {
        benchmark::DoNotOptimize(f);
        benchmark::DoNotOptimize(calc::lengthsForFrequency(f));
    }
}
BENCHMARK(Lengths);

// One conversion of each of the three lengths at the start-up frequency.
template <auto convert>
void EachRow(benchmark::State &state)
{
    const auto lengths = calc::inRowOrder(calc::calculateLengths(frequency).value());
    for (auto _ : state) {
        for (const double metres : lengths) {
            auto converted = convert(metres);
            benchmark::DoNotOptimize(converted);
        }
    }
}
BENCHMARK(EachRow<calc::metricText>)->Name("MetricTexts");
BENCHMARK(EachRow<calc::toFeetInches>)->Name("FeetInchesTexts");

} // namespace
