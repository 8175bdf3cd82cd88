// What one Convert costs for each kind of scale: the click handler, both text
// boxes and the thermometer's display list (no repaint), next to the floor of
// painting a bare thermometer box.
#include <benchmark/benchmark.h>

#include "bench/bench_support.h"
#include "ui/buttons.h"
#include "ui/text_box.h"

namespace {

void BM_Convert(benchmark::State& state, const char* typed) {
  auto& form = bench::loadMainWindow();
  // Convert leaves 'From' as it is, so every press converts the same text.
  form.Text1->setText(QString::fromLatin1(typed));
  for (auto _ : state) {
    form.Command1->Press();
    benchmark::DoNotOptimize(form.Text2->text().size());
  }
  if (form.Text2->text().trimmed().isEmpty()) state.SkipWithError("nothing was converted");
  bench::unloadMainWindow();
}

}  // namespace

using bench::BM_BarePictureBoxPaint;

BENCHMARK(BM_BarePictureBoxPaint)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_Convert, positive_integer, "100")->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_Convert, negative_integer, "-40")->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_Convert, positive_decimal, "0.05")->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_Convert, negative_decimal, "-0.5")->Repetitions(9)->ReportAggregatesOnly(true);

int main(int argc, char** argv) { return bench::runBenchmarks(argc, argv); }
