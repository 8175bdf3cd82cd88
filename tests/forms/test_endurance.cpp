// A long session through the real window: many conversions of every kind of
// scale in both directions, and many mercury drag moves with their repaints,
// must leave the program's memory where it was after a warm-up.
#include <QElapsedTimer>
#include <QMouseEvent>
#include <fstream>
#include <iostream>
#include <string>

#include "harness.h"
#include "ui/combo_box.h"

#if defined(__SANITIZE_ADDRESS__)
#define CALDORINE_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define CALDORINE_ADDRESS_SANITIZER 1
#endif
#endif

namespace {

constexpr int kConversions = 10'000;
constexpr int kMovesPerConversion = 10;
constexpr int kMovesPerRepaint = 100;
// Room for the allocator's own bookkeeping; a leak of a few dozen bytes per
// move or conversion passes it.
constexpr long kAllowedGrowthKiB = 2 * 1024;

long residentKiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

struct Conversion {
  const char* text;
  bool celsius;
};

// Every kind of scale, both directions, labels in plain and exponent form.
const Conversion kConversionCycle[] = {
    {"100", false}, {"-40", true},   {"0.05", false},  {"-0.5", true}, {"3e9", false},
    {"98.6", true}, {"1e-30", true}, {"-1e37", false}, {"0", false},   {"-0.0005", false},
};

class EnduranceTest : public harness::MainWindowTest {
 protected:
  void move(float y) {
    const QPointF at = form->PicTherm->toPixel({-0.03, y});
    QMouseEvent event(QEvent::MouseMove, at, form->PicTherm->mapToGlobal(at), Qt::NoButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form->PicTherm, &event);
  }
  void pressMercury() {
    const QPointF at = form->PicTherm->toPixel({-0.03, -0.5});
    QMouseEvent event(QEvent::MouseButtonPress, at, form->PicTherm->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form->PicTherm, &event);
  }

  // One conversion, then drag moves up and down its scale; gives the moves.
  int session(int index) {
    const Conversion& c = kConversionCycle[index % std::size(kConversionCycle)];
    (c.celsius ? form->Option2 : form->Option1)->setValue(true);
    form->Combo1->setText(QString::number(index % 4 + 1));
    form->Text1->setText(QString::fromLatin1(c.text));
    form->Command1->Press();
    pressMercury();
    for (int step = 0; step < kMovesPerConversion; ++step) {
      move(-0.05f - 0.09f * static_cast<float>((index + step) % 11));
      if (++moves_ % kMovesPerRepaint == 0) QApplication::processEvents();
    }
    return kMovesPerConversion;
  }

  long moves_ = 0;
};

TEST_F(EnduranceTest, LongSessionKeepsMemoryFlat) {
#ifdef CALDORINE_ADDRESS_SANITIZER
  GTEST_SKIP() << "the address sanitizer keeps freed memory quarantined, so memory grows by "
                  "design; this test runs in the dev build";
#endif
  harness::MessageBoxRecorder boxes;
  // Warm-up: every scale drawn and every label laid out once.
  for (int i = 0; i < 200; ++i) session(i);
  QApplication::processEvents();
  const long before = residentKiB();

  QElapsedTimer clock;
  clock.start();
  moves_ = 0;
  for (int i = 0; i < kConversions; ++i) session(i);
  QApplication::processEvents();
  const long after = residentKiB();

  std::cout << "[ figures  ] " << kConversions << " conversions and " << moves_ << " drag moves in "
            << clock.elapsed() << " ms; resident " << before << " kB -> " << after << " kB\n";
  EXPECT_TRUE(boxes.shown.empty()) << "no conversion may be refused";
  EXPECT_EQ(moves_, kConversions * kMovesPerConversion);
  EXPECT_LT(after - before, kAllowedGrowthKiB);
}

}  // namespace
