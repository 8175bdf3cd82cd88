// The about window as a reader meets it: the overview first, the tips on
// request, a text nobody can change, and the contact address that opens a
// new mail.
#include <QClipboard>
#include <QDesktopServices>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>

#include "about/Form2.h"
#include "about/about_texts.h"
#include "harness.h"
#include "ui/label.h"

namespace {

const QChar kDegree(0x00B0);

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
  void SetUp() override { open(); }
  void TearDown() override {
    ui::Unload<Form2>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Form2::urlOpener = {};
  }
  void open() {
    form = &ui::Instance<Form2>();
    form->Show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
  }
  QString shown() const { return form->Text1->toPlainText(); }
  QScrollBar* scrollBar() const { return form->Text1->verticalScrollBar(); }

  Form2* form = nullptr;
};

// Takes the mail requests the window hands to the desktop.
class MailCatcher : public QObject {
  Q_OBJECT
 public:
  std::vector<QUrl> requests;
 public slots:
  void receive(const QUrl& url) { requests.push_back(url); }
};

}  // namespace

TEST(AboutTextsTest, ParagraphsInOrderWithTheirBreaks) {
  const QStringList overviewParts = overview().split(QLatin1String("\r\n\r\n"));
  ASSERT_EQ(overviewParts.size(), 5);
  EXPECT_EQ(overviewParts[0], "Overview");
  EXPECT_EQ(overviewParts[1],
            "Welcome to Caldorine! An interactive temperature conversion and display utility.");
  // The closing notice is there, and on one line (checked below).
  EXPECT_FALSE(overviewParts[4].isEmpty());

  const QStringList tipParts = tips().split(QLatin1String("\r\n\r\n"));
  ASSERT_EQ(tipParts.size(), 6);
  EXPECT_EQ(tipParts[0], "Handy Tips");
  for (int tip = 1; tip <= 5; ++tip)
    EXPECT_TRUE(tipParts[tip].startsWith(QString::number(tip) + ". ")) << tip;

  // Every paragraph is one line: no stray or half line breaks.
  for (const QString& part : overviewParts + tipParts) {
    EXPECT_FALSE(part.contains('\r') || part.contains('\n')) << part.toStdString();
    EXPECT_EQ(part, part.trimmed()) << part.toStdString();
  }
}

TEST(AboutTextsTest, DegreeSignsAndOddSpacingAsWritten) {
  EXPECT_EQ(tips().count(kDegree), 8);
  EXPECT_EQ(overview().count(kDegree), 0);
  EXPECT_TRUE(about::buildTipsIntro().endsWith(
      QString("conversion for 0%1F on a scale of 0-1%1F.\r\n\r\n"
              "2. If you switch from '%1C to%1F' to '%1F to %1C' or vice versa, and then drag "
              "the 'mercury', the left (reference) scale of the thermometer graphic changes "
              "accordingly, as well as the corresponding conversions on the right scale of the "
              "thermometer.")
          .arg(kDegree)));
  EXPECT_TRUE(
      about::buildTip5Text().contains(QString("applicable %1C and %1F values").arg(kDegree)));
  // Tip 4's two blanks are the only double blank anywhere.
  EXPECT_TRUE(about::buildTip4Text().contains("physically  displayed. When"));
  EXPECT_EQ(tips().count("  "), 1);
  EXPECT_EQ(overview().count("  "), 0);
}

TEST_F(AboutWindowTest, FixedToolWindowCentredAcross) {
  EXPECT_EQ(form->windowTitle(), "About Caldorine");
  EXPECT_EQ(form->windowType(), Qt::Tool);
  const Qt::WindowFlags flags = form->windowFlags();
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(form->size(), QSize(297, 188));
  EXPECT_EQ(form->minimumSize(), form->maximumSize());

  const QRect screen = form->screen()->geometry();
  const QRect outer = form->frameGeometry();
  EXPECT_EQ(outer.top() - screen.top(), 118);
  EXPECT_NEAR(outer.left() - screen.left(), (screen.width() - outer.width()) / 2.0, 1.0);
}

TEST_F(AboutWindowTest, EveryControlSitsWhereDesigned) {
  struct Placement {
    QWidget* control;
    QRect pixels;
    QString text;
    double points;
    bool bold;
  };
  const Placement placements[] = {
      {form->Command1, QRect(13, 1, 57, 20), "Overview", 8.25, false},
      {form->Command2, QRect(221, 1, 65, 20), "Handy Tips", 8.25, false},
      {form->Text1, QRect(5, 24, 289, 137), QString(), 8.25, false},
      {form->Label1, QRect(81, 0, 137, 25), "Caldorine v1.1", 12, true},
      {form->Label2, QRect(132, 166, 169, 25), about::contactAddress(), 9.75, true},
      {form->Label4, QRect(5, 167, 128, 17), "Comments? Email ", 9.75, true},
  };
  for (const Placement& p : placements) {
    SCOPED_TRACE(p.control->metaObject()->className());
    EXPECT_EQ(p.control->geometry(), p.pixels);
    EXPECT_DOUBLE_EQ(p.control->font().pointSizeF(), p.points);
    EXPECT_EQ(p.control->font().bold(), p.bold);
    if (auto* button = qobject_cast<QAbstractButton*>(p.control)) {
      EXPECT_EQ(button->text(), p.text);
    } else if (auto* label = qobject_cast<QLabel*>(p.control)) {
      EXPECT_EQ(label->text(), p.text);
    }
  }

  EXPECT_TRUE(form->Label2->font().underline());
  EXPECT_EQ(form->Label2->palette().color(QPalette::WindowText), QColor(192, 0, 0));
  // The pointing hand, with the fingertip as its hotspot.
  const QCursor cursor = form->Label2->cursor();
  EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
  EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
  EXPECT_EQ(cursor.hotSpot(), QPoint(6, 1));
  EXPECT_EQ(form->Text1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST_F(AboutWindowTest, TabVisitsTheButtonsThenTheText) {
  form->Command1->setFocus();
  const std::vector<QWidget*> expected{form->Command2, form->Text1, form->Command1};
  for (QWidget* next : expected) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), next);
  }
}

TEST_F(AboutWindowTest, EveryOpeningStartsWithTheOverview) {
  EXPECT_EQ(shown(), asShown(overview()));
  QTest::mouseClick(form->Command2, Qt::LeftButton);
  EXPECT_EQ(shown(), asShown(tips()));

  form->close();
  EXPECT_FALSE(ui::IsLoaded<Form2>());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  open();
  EXPECT_EQ(shown(), asShown(overview()));
}

TEST_F(AboutWindowTest, EachButtonShowsItsTextFromTheStartEveryTime) {
  const std::pair<QWidget*, QString> buttons[] = {{form->Command2, asShown(tips())},
                                                  {form->Command1, asShown(overview())}};
  for (const auto& [button, text] : buttons) {
    for (int press = 1; press <= 2; ++press) {
      SCOPED_TRACE(text.left(10).toStdString() + " press " + std::to_string(press));
      // Read somewhere in the middle, with a selection, before pressing.
      scrollBar()->setValue(scrollBar()->maximum());
      form->Text1->selectAll();
      QTest::mouseClick(button, Qt::LeftButton);
      EXPECT_EQ(shown(), text);
      EXPECT_EQ(scrollBar()->value(), 0);
      EXPECT_FALSE(form->Text1->textCursor().hasSelection());
    }
  }
}

TEST_F(AboutWindowTest, ScrollBarReachesTheEndOfTheTips) {
  QTest::mouseClick(form->Command2, Qt::LeftButton);
  ASSERT_GT(scrollBar()->maximum(), 0);
  scrollBar()->setValue(scrollBar()->maximum());
  QTextCursor end = form->Text1->textCursor();
  end.movePosition(QTextCursor::End);
  const QRect lastLine = form->Text1->cursorRect(end);
  EXPECT_GE(lastLine.top(), 0);
  EXPECT_LE(lastLine.bottom(), form->Text1->viewport()->height());
  // Lines wrap: nothing to scroll sideways.
  EXPECT_EQ(form->Text1->horizontalScrollBar()->maximum(), 0);
}

TEST_F(AboutWindowTest, TextCanBeSelectedButNotChanged) {
  QApplication::clipboard()->setText("pasted");
  const std::pair<const char*, std::function<void(QWidget*)>> edits[] = {
      {"typing", [](QWidget* w) { QTest::keyClicks(w, "abc 12"); }},
      {"backspace", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Backspace); }},
      {"delete", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Delete); }},
      {"enter", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); }},
      {"paste", [](QWidget* w) { QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier); }},
      {"cut", [](QWidget* w) { QTest::keyClick(w, Qt::Key_X, Qt::ControlModifier); }},
  };
  for (QWidget* button : {form->Command1, form->Command2}) {
    QTest::mouseClick(button, Qt::LeftButton);
    const QString before = shown();
    for (const auto& [name, edit] : edits) {
      SCOPED_TRACE(name);
      form->Text1->setFocus();
      form->Text1->selectAll();
      edit(form->Text1);
      EXPECT_EQ(shown(), before);
    }
  }
  // Copying what is selected still works.
  form->Text1->selectAll();
  QTest::keyClick(form->Text1, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), shown());
}

TEST_F(AboutWindowTest, ClickOnTheAddressAsksForANewMail) {
  MailCatcher catcher;
  QDesktopServices::setUrlHandler("mailto", &catcher, "receive");
  harness::MessageBoxRecorder recorder;
  const QPoint inside = form->Label2->rect().center();
  const QPoint outside = inside + QPoint(0, 40);

  QTest::mouseClick(form->Label2, Qt::RightButton, {}, inside);
  QTest::mousePress(form->Label2, Qt::LeftButton, {}, inside);
  QTest::mouseRelease(form->Label2, Qt::LeftButton, {}, outside);
  EXPECT_TRUE(catcher.requests.empty()) << "only a left click on the address counts";

  QTest::mouseClick(form->Label2, Qt::LeftButton, {}, inside);
  QDesktopServices::unsetUrlHandler("mailto");
  ASSERT_EQ(catcher.requests.size(), 1u);
  const QUrl& url = catcher.requests.front();
  EXPECT_EQ(url.scheme(), "mailto");
  EXPECT_EQ(url.path(), form->Label2->text());
  EXPECT_TRUE(url.path().endsWith(".example")) << "a reserved example domain";
  EXPECT_TRUE(recorder.shown.empty());
}

TEST_F(AboutWindowTest, WithoutAMailProgramTheAddressIsShownInstead) {
  std::vector<QUrl> tried;
  Form2::urlOpener = [&](const QUrl& url) {
    tried.push_back(url);
    return false;
  };
  harness::MessageBoxRecorder recorder;
  QTest::mouseClick(form->Label2, Qt::LeftButton);
  ASSERT_EQ(tried.size(), 1u);
  EXPECT_EQ(tried.front(), QUrl("mailto:" + about::contactAddress()));
  ASSERT_EQ(recorder.shown.size(), 1u);
  EXPECT_TRUE(recorder.shown[0].text.contains("No mail program could be opened"));
  EXPECT_TRUE(recorder.shown[0].text.contains(about::contactAddress()));
  EXPECT_EQ(recorder.shown[0].icon, QMessageBox::Information);
  EXPECT_TRUE(form->isVisible());
}

#include "test_about_window.moc"
