// A long session through the real window: many conversions of every kind of
// scale in both directions, and many mercury drag moves with their repaints,
// must leave the program's memory where it was after a warm-up.
#include <fstream>
#include <string>

#include "harness.h"

namespace {

long residentKiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return -1;
}

class EnduranceTest : public harness::MainWindowTest {
 protected:
  // Conversions of every kind of scale, both directions, plain and exponent
  // labels, each followed by ten drag moves over its scale.
  void sessions(int count) {
    const char* values[] = {"100", "-40", "0.05", "-0.5", "3e9", "98.6", "1e-30", "-1e37", "0"};
    for (int i = 0; i < count; ++i) {
      direction(i % 2 + 1);
      form->Combo1->setText(QString::number(i % 4 + 1));
      form->Text1->setText(values[i % std::size(values)]);
      form->Command1->Press();
      mouse(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, -0.5f);
      for (int step = 0; step < 10; ++step)
        mouse(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, -0.05f - 0.09f * ((i + step) % 11));
      if (i % 10 == 0) QApplication::processEvents();
    }
    QApplication::processEvents();
  }
};

TEST_F(EnduranceTest, LongSessionKeepsMemoryFlat) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address sanitizer keeps freed memory quarantined, so memory grows by "
                  "design; this test runs in the dev build";
#endif
  harness::MessageBoxRecorder boxes;
  sessions(200);  // every scale drawn and every label laid out once
  const long before = residentKiB();
  sessions(10'000);
  EXPECT_TRUE(boxes.shown.empty()) << "no conversion may be refused";
  // Room for the allocator's own bookkeeping; a leak of a few dozen bytes per
  // move or conversion passes it.
  EXPECT_LT(residentKiB() - before, 2 * 1024);
}

}  // namespace
