// The about window as a reader meets it: the overview first, the tips on
// request, a text nobody can change, and the contact address that opens a
// new mail.
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

QString overview() {
  return about::overviewText(about::buildOverviewTitle(), about::buildOverviewBody());
}

QString tips() {
  return about::tipsText(about::buildTipsIntro(), about::buildTip3Text(), about::buildTip4Text(),
                         about::buildTip5Text());
}

// The text box keeps its lines apart by line feeds alone.
QString asShown(QString text) { return text.replace(QLatin1String("\r\n"), QLatin1String("\n")); }

class AboutWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = &ui::Instance<Form2>();
    form->Show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
  }
  void TearDown() override {
    ui::Unload<Form2>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Form2::urlOpener = {};
  }
  QString shown() const { return form->Text1->toPlainText(); }
  QScrollBar* scrollBar() const { return form->Text1->verticalScrollBar(); }

  Form2* form = nullptr;
};

}  // namespace

TEST(AboutTexts, StartEndLengthAndOddCharacters) {
  const QChar degree(0x00B0);
  // Start, end, length, paragraph breaks, degree signs and double blanks.
  const std::tuple<QString, const char*, const char*, int, int, int, int> texts[] = {
      {overview(), "Overview\r\n\r\nWelcome to Caldorine! An", "without any warranty.", 864, 4, 0,
       0},
      {tips(), "Handy Tips\r\n\r\n1. When the application", "main Caldorine panel.", 2030, 5, 8, 1},
  };
  for (const auto& [text, start, end, length, breaks, degrees, doubleBlanks] : texts) {
    SCOPED_TRACE(start);
    EXPECT_TRUE(text.startsWith(start));
    EXPECT_TRUE(text.endsWith(end));
    EXPECT_EQ(text.size(), length);
    EXPECT_EQ(text.count("\r\n\r\n"), breaks);
    EXPECT_EQ(text.count('\r') + text.count('\n'), 4 * breaks) << "each paragraph is one line";
    EXPECT_EQ(text.count(degree), degrees);
    EXPECT_EQ(text.count("  "), doubleBlanks);
  }
  // Tip 2 runs "C to" into the degree sign; tip 4 has the double blank.
  EXPECT_TRUE(tips().contains(QString("from '%1C to%1F' to '%1F to %1C'").arg(degree)));
  EXPECT_TRUE(tips().contains("physically  displayed. When"));
}

TEST_F(AboutWindowTest, FixedToolWindowCentredAcrossWithItsCaptionsAndLink) {
  EXPECT_EQ(form->windowTitle(), "About Caldorine");
  EXPECT_EQ(form->windowType(), Qt::Tool);
  // A close box only, and a size that cannot change.
  EXPECT_EQ(form->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                                   Qt::WindowMaximizeButtonHint),
            Qt::WindowCloseButtonHint);
  EXPECT_EQ(form->minimumSize(), QSize(297, 188));
  EXPECT_EQ(form->maximumSize(), QSize(297, 188));
  const QRect screen = form->screen()->geometry();
  const QRect outer = form->frameGeometry();
  EXPECT_EQ(outer.top() - screen.top(), 118);
  EXPECT_NEAR(outer.left() - screen.left(), (screen.width() - outer.width()) / 2.0, 1.0);

  EXPECT_EQ(form->Command1->text(), "Overview");
  EXPECT_EQ(form->Command2->text(), "Handy Tips");
  EXPECT_EQ(form->Label1->text(), "Caldorine v1.1");
  EXPECT_EQ(form->Label4->text() + form->Label2->text(),
            "Comments? Email " + about::contactAddress());
  // The address looks like a link, with a pointing hand whose fingertip is the hotspot.
  EXPECT_TRUE(form->Label2->font().underline());
  EXPECT_EQ(form->Label2->palette().color(QPalette::WindowText), QColor(192, 0, 0));
  EXPECT_EQ(form->Label2->cursor().shape(), Qt::BitmapCursor);
  EXPECT_EQ(form->Label2->cursor().hotSpot(), QPoint(6, 1));
}

TEST_F(AboutWindowTest, EachButtonShowsItsTextFromTheStartReadOnlyAndEveryOpeningTheOverview) {
  EXPECT_EQ(shown(), asShown(overview()));
  const std::pair<QWidget*, QString> presses[] = {{form->Command2, asShown(tips())},
                                                  {form->Command1, asShown(overview())},
                                                  {form->Command1, asShown(overview())}};
  for (const auto& [button, text] : presses) {
    SCOPED_TRACE(text.left(10).toStdString());
    QApplication::clipboard()->setText("pasted");
    // Read to the end, with a selection, before pressing.
    scrollBar()->setValue(scrollBar()->maximum());
    form->Text1->selectAll();
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(shown(), text);
    EXPECT_GT(scrollBar()->maximum(), 0);
    EXPECT_EQ(scrollBar()->value(), 0);
    EXPECT_FALSE(form->Text1->textCursor().hasSelection());
    EXPECT_EQ(form->Text1->horizontalScrollBar()->maximum(), 0) << "lines wrap";
    // Selected, it can be copied but not typed over, cut, pasted into or deleted.
    form->Text1->setFocus();
    form->Text1->selectAll();
    for (const char* keys : {"A", "Return", "Ctrl+X", "Ctrl+V", "Backspace", "Del", "Ctrl+C"})
      QTest::keySequence(form->Text1, QKeySequence(keys));
    EXPECT_EQ(shown(), text);
    EXPECT_EQ(QApplication::clipboard()->text(), form->Text1->toPlainText());
  }
  form->close();
  EXPECT_FALSE(ui::IsLoaded<Form2>());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  SetUp();
  EXPECT_EQ(shown(), asShown(overview()));
}

TEST_F(AboutWindowTest, LeftClickOnTheAddressAsksForANewMailOrShowsTheAddress) {
  std::vector<QUrl> asked;
  bool mailProgram = true;
  Form2::urlOpener = [&](const QUrl& url) {
    asked.push_back(url);
    return mailProgram;
  };
  harness::MessageBoxRecorder recorder;
  const QPoint inside = form->Label2->rect().center();
  QTest::mouseClick(form->Label2, Qt::RightButton, {}, inside);
  QTest::mousePress(form->Label2, Qt::LeftButton, {}, inside);
  QTest::mouseRelease(form->Label2, Qt::LeftButton, {}, inside + QPoint(0, 40));
  EXPECT_TRUE(asked.empty()) << "only a left click on the address counts";
  QTest::mouseClick(form->Label2, Qt::LeftButton, {}, inside);
  QTest::keyClick(form->Label2, Qt::Key_Return);  // as the keyboard follows it
  EXPECT_TRUE(recorder.shown.empty()) << "a mail program took it";
  mailProgram = false;
  QTest::mouseClick(form->Label2, Qt::LeftButton, {}, inside);
  const QUrl mail("mailto:" + about::contactAddress());
  EXPECT_EQ(asked, (std::vector<QUrl>{mail, mail, mail}));
  // With none to take it, the address is shown, to be copied by hand.
  ASSERT_EQ(recorder.shown.size(), 1u);
  EXPECT_TRUE(recorder.shown[0].text.startsWith("No mail program could be opened"));
  EXPECT_TRUE(recorder.shown[0].text.endsWith(about::contactAddress()));
  EXPECT_EQ(recorder.shown[0].icon, QMessageBox::Information);
}
