// The about window as a reader meets it: its layout, and the overview first and the tips on request
// in a text nobody can change.
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>

#include "about/Form2.h"
#include "about/about_texts.h"
#include "harness.h"
#include "ui/label.h"

namespace {

class AboutWindowTest : public harness::WindowTest<Form2> {
 protected:
  QString shown() const { return form->Text1->toPlainText(); }
};

TEST_F(AboutWindowTest, FixedToolWindowCentredAcrossWithItsLayout) {
  EXPECT_EQ(form->windowTitle(), "About Caldorine");
  EXPECT_EQ(form->windowFlags() & (Qt::WindowType_Mask | Qt::WindowCloseButtonHint |
                                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint),
            Qt::Tool | Qt::WindowCloseButtonHint);
  EXPECT_EQ(std::pair(form->minimumSize(), form->maximumSize()),
            std::pair(QSize(297, 188), QSize(297, 188)));
  const QRect screen = form->screen()->geometry(), outer = form->frameGeometry();
  EXPECT_EQ(outer.top() - screen.top(), 118);
  EXPECT_NEAR(outer.left() - screen.left(), (screen.width() - outer.width()) / 2.0, 1.0);
  harness::expectLayout({
      {form->Command1, 200, 20, 855, 300, "Overview", 8.25, false},
      {form->Command2, 3320, 20, 975, 300, "Handy Tips", 8.25, false},
      {form->Text1, 80, 360, 4335, 2055, "", 8.25, false},
      {form->Label1, 1210, 0, 2055, 375, "Caldorine v1.1", 12, true},
      {form->Label2, 1985, 2490, 2535, 375, about::contactAddress(), 9.75, true},
      {form->Label4, 80, 2500, 1920, 255, "Comments? Email ", 9.75, true},
  });
  harness::expectTabOrder({form->Command1, form->Command2, form->Text1, form->Label2});
  // The address at the top left of its place, its focus frame dark on the window's light face under
  // a dark desktop too, looking like a link, with a pointing hand whose fingertip is the hotspot.
  const QPalette desktop = QApplication::palette();
  QApplication::setPalette(QPalette(Qt::white, Qt::black));
  form->Label2->setFocus();
  EXPECT_EQ(harness::painted(form->Label2).pixelColor(1, 0), QColor(Qt::black)) << "focus frame";
  QApplication::setPalette(desktop);
  EXPECT_EQ(form->Label1->alignment(), Qt::AlignHCenter | Qt::AlignTop) << "the title centred";
  EXPECT_TRUE(form->Label2->font().underline());
  EXPECT_EQ(form->Label2->palette().color(QPalette::WindowText), QColor(192, 0, 0));
  EXPECT_EQ(std::pair(form->Label2->cursor().shape(), form->Label2->cursor().hotSpot()),
            std::pair(Qt::BitmapCursor, QPoint(6, 1)));
}

TEST_F(AboutWindowTest, EachButtonShowsItsTextFromTheStartReadOnlyAndEveryOpeningTheOverview) {
  const QString degree(QChar(0x00B0));
  const auto isOverview = [&](const QString& text) {
    return text.startsWith("Overview\n\nWelcome to Caldorine! An interactive") &&
           text.contains("display utility.\n\nWhen you perform") && !text.contains(degree);
  };
  const auto isTips = [&](const QString& text) {
    QStringList starts;  // each tip a paragraph of its own, in order
    for (const QString& paragraph : text.split("\n\n")) starts << paragraph.left(2);
    return starts == QStringList{"Ha", "1.", "2.", "3.", "4.", "5."} && text.count(degree) == 8 &&
           text.contains(QString("'%1C to%1F' to '%1F to %1C'").arg(degree)) &&
           text.endsWith("on the main Caldorine panel.");
  };
  EXPECT_TRUE(isOverview(shown()));
  for (QWidget* button : {form->Command2, form->Command1, form->Command1}) {
    SCOPED_TRACE(button == form->Command1 ? "Overview" : "Handy Tips");
    QApplication::clipboard()->setText("pasted");
    // Read to the end, with a selection, before pressing.
    QScrollBar* bar = form->Text1->verticalScrollBar();
    bar->setValue(bar->maximum());
    form->Text1->selectAll();
    QTest::mouseClick(button, Qt::LeftButton);
    const QString text = shown();
    EXPECT_TRUE(button == form->Command1 ? isOverview(text) : isTips(text)) << text.toStdString();
    EXPECT_EQ(std::pair(bar->maximum() > 0, bar->value()), std::pair(true, 0));
    EXPECT_FALSE(form->Text1->textCursor().hasSelection());
    form->Text1->setFocus();
    QTest::keyClick(form->Text1, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_TRUE(form->Text1->textCursor().hasSelection()) << "selected by keyboard";
    EXPECT_EQ(form->Text1->horizontalScrollBar()->maximum(), 0) << "lines wrap";
    // Selected, it can be copied but not typed over, cut, pasted into or deleted.
    form->Text1->selectAll();
    for (const char* keys : {"A", "Return", "Ctrl+X", "Ctrl+V", "Backspace", "Del", "Ctrl+C"})
      QTest::keySequence(form->Text1, QKeySequence(keys));
    EXPECT_EQ(shown(), text);
    EXPECT_EQ(QApplication::clipboard()->text(), text);
  }
  QTest::mouseClick(form->Command2, Qt::LeftButton);
  form->close();
  EXPECT_FALSE(ui::IsLoaded<Form2>());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  SetUp();
  EXPECT_TRUE(isOverview(shown()));
}

TEST_F(AboutWindowTest, TheAddressByClickEnterOrSpaceAsksForMailOrShowsItself) {
  int asked = 0, opened = 1;
  Form2::urlOpener = [&](const QUrl& url) {
    return ++asked && url == QUrl("mailto:" + about::contactAddress()) && opened;
  };
  harness::MessageBoxRecorder recorder;
  QTest::mouseClick(form->Label2, Qt::RightButton);
  QTest::keyClick(form->Label2, Qt::Key_A);
  EXPECT_EQ(asked, 0);
  for (const auto key : {Qt::Key_Return, Qt::Key_Space}) QTest::keyClick(form->Label2, key);
  opened = 0;
  QTest::mouseClick(form->Label2, Qt::LeftButton);
  Form2::urlOpener = nullptr;
  EXPECT_EQ(asked, 3);
  ASSERT_EQ(recorder.shown.size(), 1u) << "only when no mail program took it";
  EXPECT_TRUE(recorder.shown[0].endsWith("\n" + about::contactAddress()));
}

}  // namespace
