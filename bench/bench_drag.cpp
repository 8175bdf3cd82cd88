// What one mercury drag move costs: the move handler with its redraw of both
// scales, plus painting the thermometer into an image, next to the floor of
// painting a bare thermometer box of the same size.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>

#include "bench/bench_support.h"
#include "ui/buttons.h"
#include "ui/picture_box.h"
#include "ui/text_box.h"

namespace {

void sendMove(ui::PictureBox& box, float y) {
  const QPointF at = box.toPixel({-0.03, y});
  QMouseEvent event(QEvent::MouseMove, at, box.mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(&box, &event);
}

void BM_DragMoveWithRepaint(benchmark::State& state, const char* converted) {
  auto& form = bench::loadMainWindow();
  form.Text1->setText(QString::fromLatin1(converted));
  form.Command1->Press();
  QImage image(form.PicTherm->size(), QImage::Format_ARGB32_Premultiplied);
  {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(40, 100), QPointF(40, 100), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.PicTherm, &press);
  }
  float y = -0.05f;
  for (auto _ : state) {
    sendMove(*form.PicTherm, y);
    form.PicTherm->render(&image);
    benchmark::DoNotOptimize(image.bits());
    y = y < -0.95f ? -0.05f : y - 0.0137f;
  }
  bench::unloadMainWindow();
}

}  // namespace

using bench::BM_BarePictureBoxPaint;

BENCHMARK(BM_BarePictureBoxPaint)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_DragMoveWithRepaint, positive_integer, "50")
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_DragMoveWithRepaint, negative_integer, "-40")
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_DragMoveWithRepaint, positive_decimal, "0.05")
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_DragMoveWithRepaint, negative_decimal, "-0.5")
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_DragMoveWithRepaint, exponent_labels, "1000000")
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

int main(int argc, char** argv) { return bench::runBenchmarks(argc, argv); }
