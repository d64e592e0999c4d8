// SPDX-License-Identifier: MIT
#include "calculation.h"
#include "support/memory_form.h"

#include <benchmark/benchmark.h>

#include <string>

// The calculation alone, on a form without a window.
static void Calculation(benchmark::State& state) {
    const auto input = std::to_string(state.range(0));
    for (auto _ : state) {
        MemoryForm form;
        form.Text1(0).setText(std::u16string(input.begin(), input.end()));
        demo::Rresmetni(form);
        benchmark::DoNotOptimize(form.output().size());
    }
}
BENCHMARK(Calculation)->Arg(999)->Arg(10000)->Arg(32767)->Unit(benchmark::kMicrosecond);
