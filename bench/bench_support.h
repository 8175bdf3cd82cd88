// What the benchmarks share: the floor they are measured against (painting a
// bare thermometer box, its picture and nothing drawn on it, into an image)
// and a main() that runs them offscreen in a real QApplication.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <vector>

#include "app/application_setup.h"
#include "app/frmtemperature.h"
#include "chrome/module1.h"
#include "ui/picture_box.h"

namespace bench {

// The main window as the program loads it, and gone again afterwards.
inline frmtemperature& loadMainWindow() { return ui::Instance<frmtemperature>(); }

inline void unloadMainWindow() {
  ui::Unload<frmtemperature>();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The floor: the least any repaint of the thermometer can cost.
inline void BM_BarePictureBoxPaint(benchmark::State& state) {
  const QSize size = loadMainWindow().PicTherm->size();
  unloadMainWindow();
  ui::PictureBox box;
  box.resize(size);
  box.setPicture(Module1::LoadResourcePicture(101, QStringLiteral("Custom")));
  QImage image(box.size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    box.render(&image);
    benchmark::DoNotOptimize(image.bits());
  }
}

inline int runBenchmarks(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  app::configureApplication();
  // Repetitions of all benchmarks take turns in random order, so a machine
  // that speeds up or slows down during the run skews each figure and its
  // floor alike (a flag given on the command line still wins).
  std::vector<char*> args(argv, argv + argc);
  char interleave[] = "--benchmark_enable_random_interleaving=true";
  args.insert(args.begin() + 1, interleave);
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace bench
