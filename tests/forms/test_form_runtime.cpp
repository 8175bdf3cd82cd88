// The form runtime, once, through a small window of its own: window life, events raised from code,
// and what each control hands its handlers and paints.
#include <malloc.h>

#include <QPointer>
#include <functional>
#include <utility>

#include "harness.h"
#include "ui/designed_look.h"
#include "ui/dialog_caption.h"
#include "ui/list_box.h"
#include "ui/message_box.h"

namespace {

class TestWindow : public ui::Form {
 public:
  TestWindow() {
    setFixedSize(300, 200);
    picture->setGeometry(0, 0, 200, 100);
    box->setGeometry(0, 110, 100, 24);
    combo->setGeometry(110, 110, 60, 24);
    combo->addItems({"1", "2", "3"});
    list->setGeometry(200, 100, 100, 100);
    button->setGeometry(0, 150, 50, 20);
    options[0]->setGeometry(60, 150, 50, 20);
    options[1]->setGeometry(120, 150, 50, 20);
    for (auto* option : options) option->onClick = [this, option] { note(option->text()); };
    button->onClick = [this] { note("click"); };
    combo->onClick = [this] { note("pick"); };
    list->onClick = [this] { note("pick"); };
    box->onGotFocus = [this] { note("focus"); };
    box->onKeyPress = [this](int& key) {
      note(key);
      if (key == 'x') key = 0;
    };
  }
  ui::PictureBox* picture = new ui::PictureBox(this);
  ui::TextBox* box = new ui::TextBox(this);
  ui::ComboBox* combo = new ui::ComboBox(this);
  ui::ListBox* list = new ui::ListBox(this);
  ui::CommandButton* button = new ui::CommandButton(this);
  ui::OptionButton* options[2] = {new ui::OptionButton(this), new ui::OptionButton(this)};
  QStringList seen;  // what the handlers were given, in order
  int loads = 0, unloads = 0, resizes = 0;

 protected:
  void Form_Load() override { ++loads; }
  void Form_Unload() override { ++unloads; }
  void Form_Resize() override { ++resizes; }

 private:
  void note(const auto&... parts) { seen << QStringList{QVariant(parts).toString()...}.join(' '); }
};

// What a widget's paint events have painted.
struct PaintCounter : QObject {
  explicit PaintCounter(QObject* watched) { watched->installEventFilter(this); }
  QRegion painted;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
    return false;
  }
};

class FormRuntimeTest : public harness::WindowTest<TestWindow> {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    w->seen.clear();
  }
  QString seen() { return std::exchange(w->seen, {}).join(", "); }
  TestWindow*& w = form;
};

TEST_F(FormRuntimeTest, WindowsLoadOnceUnloadOnceAndTheLastUnloadEndsTheProgram) {
  int ended = 0;
  ui::Form::setLastUnloadedHandler([&] { ++ended; });
  EXPECT_EQ(&ui::Instance<TestWindow>(), w);
  EXPECT_EQ(std::pair(w->loads, w->resizes), std::pair(1, 1)) << "loaded, then shown";
  w->showMinimized();
  EXPECT_EQ(w->resizes, 2);
  w->Show();
  EXPECT_FALSE(w->isMinimized()) << "Show brings a minimised window back";
  const int restored = w->resizes;
  EXPECT_GT(restored, 2);
  w->setFont(QFont("Serif", 20));
  EXPECT_EQ(w->resizes, restored) << "other changes are no resize";
  w->Hide();
  EXPECT_TRUE(ui::IsLoaded<TestWindow>() && !w->isVisible());
  w->Show();
  const QPointer<TestWindow> old = w;
  w->close();  // the close box unloads
  old->Unload();
  EXPECT_EQ(std::tuple(old->unloads, old->isVisible(), ui::IsLoaded<TestWindow>(),
                       ui::Form::loadedCount(), ended),
            std::tuple(1, false, false, 0, 1));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(std::tuple(old.isNull(), ui::Form::loadedCount(), ended), std::tuple(true, 0, 1));
  SetUp();  // the next reference makes a fresh window
  EXPECT_EQ(std::tuple(w == old, w->loads, ui::Form::loadedCount()), std::tuple(false, 1, 1));
  ui::Form::setLastUnloadedHandler({});
}

TEST_F(FormRuntimeTest, ButtonsAndFocusRunTheirHandlersAlsoWhenTheProgramActs) {
  w->options[0]->setText("A");
  w->options[1]->setText("B");
  w->button->hide();
  w->button->Press();
  w->options[0]->setValue(true);
  w->options[1]->setValue(true);
  EXPECT_EQ(std::pair(w->options[0]->value(), w->options[1]->value()), std::pair(false, true));
  w->options[1]->setValue(false);  // runs nothing
  EXPECT_FALSE(w->options[1]->value());
  QTest::mouseClick(w->options[0], Qt::LeftButton);
  EXPECT_EQ(seen(), "click, A, B, A");
  // Focus given from code while another window is active: the handler runs at once, and not again
  // when the window is activated.
  QWidget other;
  other.show();
  QApplication::setActiveWindow(&other);
  w->box->SetFocus();
  EXPECT_EQ(seen(), "focus");
  QApplication::setActiveWindow(w);
  w->box->SetFocus();  // it has the focus already
  EXPECT_EQ(seen(), "");
  w->combo->setFocus();
  w->box->setFocus();
  EXPECT_EQ(seen(), "focus");
}

TEST_F(FormRuntimeTest, KeyPressSeesTypedCharactersOnly) {
  // Tab last: it takes the focus away.
  const std::vector<std::pair<QKeyCombination, QString>> keys = {
      {Qt::Key_5, "53"},           {Qt::Key_X, "120"},           {Qt::Key_Backspace, "8"},
      {Qt::Key_Return, "13"},      {Qt::Key_Enter, "13"},        {Qt::Key_Escape, "27"},
      {Qt::CTRL | Qt::Key_A, "1"}, {Qt::CTRL | Qt::Key_V, "22"}, {Qt::CTRL | Qt::Key_Z, "26"},
      {Qt::Key_Delete, ""},        {Qt::Key_Left, ""},           {Qt::Key_Tab, ""}};
  w->box->setFocus();
  for (const auto& [key, code] : keys) {
    QTest::keyClick(w->box, key.key(), key.keyboardModifiers());
    EXPECT_EQ(seen(), code) << QKeySequence(key).toString().toStdString();
  }
}

// However long the typing, a box or a drop-down remembers at most 1000 edits for undo; text and
// caret stay.
TEST_F(FormRuntimeTest, TypingForgetsOldEditsButNotTheText) {
  for (QLineEdit* edit : {static_cast<QLineEdit*>(w->box), w->combo->lineEdit()}) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, "123");
    for (int edits = 3; edits < 1000; edits += 2) {
      EXPECT_TRUE(edit->isUndoAvailable()) << edits;
      QTest::keyClicks(edit, edits == 999 ? "4" : "5\b");
      QCoreApplication::processEvents();
    }
    EXPECT_FALSE(edit->isUndoAvailable());
    EXPECT_EQ(std::pair(edit->text(), edit->cursorPosition()), std::pair(QString("1234"), 4));
  }
  w->box->setText("1234");
  EXPECT_EQ(w->box->cursorPosition(), 0) << "the same text written again shows from its start";
}

TEST_F(FormRuntimeTest, PictureBoxPaintsItsPictureBoxesAndTextsInItsColoursAtOnce) {
  QPalette colours = w->picture->palette();
  colours.setColor(QPalette::Window, Qt::yellow);
  colours.setColor(QPalette::WindowText, Qt::darkBlue);
  w->picture->setPalette(colours);
  w->picture->setFont(QFont("DejaVu Sans", 40, QFont::Black));
  QPixmap art(10, 10);
  art.fill(Qt::green);
  w->picture->setPicture(art);
  w->picture->setScale(0, 0, 200, 100);  // a unit a pixel
  const auto blueIn = [&](QRect area) {
    const QImage image = harness::painted(w->picture).copy(area);
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixelColor(x, y) == Qt::blue) return true;
    return false;
  };
  const auto print = [&](float x, const char* text) {
    w->picture->CurrentX = x;
    w->picture->CurrentY = 10;
    w->picture->Print(text);
  };
  w->picture->CurrentX = 20;
  w->picture->Print("I");
  EXPECT_FALSE(blueIn({20, 0, 40, 100})) << "dark blue";
  colours.setColor(QPalette::WindowText, Qt::blue);
  w->picture->setPalette(colours);
  // Boxes then texts, and texts then a box: both ways of painting. The first box covers the first
  // text, which still shows on top, as written rather than as markup.
  for (const bool textsLast : {true, false}) {
    SCOPED_TRACE(textsLast ? "texts last" : "a box last");
    w->picture->Cls();
    w->picture->Line(95, 5, 190, 95, Qt::red);
    if (textsLast) w->picture->Line(50, 98, 50, 98, Qt::red);
    print(100, "<i>");
    print(20, "I");
    if (!textsLast) w->picture->Line(50, 98, 50, 98, Qt::red);
    // The picture at the top left; whole pixels from corner to corner of a box, and one pixel for a
    // box of no size.
    const std::tuple<int, int, Qt::GlobalColor> pixels[] = {
        {0, 0, Qt::green},     {9, 9, Qt::green},    {10, 5, Qt::yellow}, {5, 10, Qt::yellow},
        {95, 5, Qt::red},      {189, 94, Qt::red},   {50, 98, Qt::red},   {190, 94, Qt::yellow},
        {189, 95, Qt::yellow}, {94, 50, Qt::yellow}, {95, 4, Qt::yellow}, {51, 98, Qt::yellow},
        {50, 99, Qt::yellow}};
    const QImage shown = harness::painted(w->picture);
    for (const auto& [x, y, colour] : pixels)
      EXPECT_EQ(shown.pixelColor(x, y), colour) << x << "," << y;
    EXPECT_TRUE(blueIn({100, 10, 90, 80})) << "the text on the box";
    EXPECT_TRUE(blueIn({20, 10, 40, 80}));
  }
  // The same text elsewhere shows there alone; erased, nothing shows.
  w->picture->Cls();
  print(20, "I");
  EXPECT_TRUE(blueIn({20, 0, 40, 100}));
  w->picture->Cls();
  print(120, "I");
  EXPECT_FALSE(blueIn({20, 0, 40, 100}));
  EXPECT_TRUE(blueIn({120, 0, 40, 100}));
  w->picture->Cls();
  EXPECT_FALSE(blueIn({0, 0, 200, 100}));
  // Each drawing reaches the screen without being asked, and so does a new text colour for the
  // texts already drawn.
  colours.setColor(QPalette::WindowText, Qt::darkBlue);
  w->picture->setPalette(colours);
  PaintCounter counter(w->picture);
  for (int round = 0; round < 3; ++round) {
    counter.painted = {};
    if (round < 2) {
      print(20, "I");
    } else {
      colours.setColor(QPalette::WindowText, Qt::blue);
      w->picture->setPalette(colours);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return !counter.painted.isEmpty(); }, 2000)) << round;
  }
  EXPECT_TRUE(blueIn({20, 0, 40, 100}));
  // So does a new font.
  const QImage before = harness::painted(w->picture);
  w->picture->setFont(QFont("DejaVu Sans", 10));
  EXPECT_NE(harness::painted(w->picture), before);
}

TEST_F(FormRuntimeTest, DropDownAndListRunTheirClickOnlyForTheUsersPicks) {
  for (const char* text : {"2", "1"}) w->combo->setText(text);
  EXPECT_EQ(w->combo->currentIndex(), 0);
  QLineEdit* edit = w->combo->lineEdit();
  for (const char* typed : {"7", "3"}) {
    edit->setText(typed);
    QTest::keyClick(edit, Qt::Key_Return);
  }
  QTest::keyClick(edit, Qt::Key_Tab);
  EXPECT_EQ(std::pair(w->combo->count(), seen()), std::pair(3, QString()));
  harness::pickByMouse(w->combo, 0);
  EXPECT_EQ(std::pair(w->combo->text(), seen()), std::pair(QString("1"), QString("pick")));
  // Its colour shows in the edit part; however often it changes, drawing it holds no more memory.
  const auto recolour = [&](int times) {
    for (int i = 0; i < times; ++i) w->combo->setBackColor(i % 2 ? Qt::white : Qt::red), w->grab();
    return mallinfo2().uordblks;
  };
  const std::size_t settled = recolour(301);
  EXPECT_EQ(harness::painted(edit).pixelColor(edit->width() - 3, edit->height() / 2), Qt::red);
  EXPECT_LT(recolour(1000), settled + 100'000);

  ui::ListBox* list = w->list;
  const auto clickRow = [&](int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
  };
  for (auto text : {"One", "Two", "two"}) list->AddItem(text);
  // What is done, then the picks it made, the selected text and the current row.
  const std::tuple<std::function<void()>, QString, QString, int> cases[] = {
      {[] {}, "", "", -1},
      {[&] { clickRow(1); }, "pick", "Two", 1},
      {[&] { clickRow(1); }, "pick", "Two", 1},
      {[&] { QTest::keyClick(list, Qt::Key_Down); }, "pick", "two", 2},
      {[&] { list->SelectNone(); }, "", "", -1},
      {[&] { clickRow(1); }, "pick", "Two", 1},
      {[&] { list->Clear(); }, "", "", -1},
  };
  for (const auto& [action, picks, text, currentRow] : cases) {
    action();
    EXPECT_EQ(std::tuple(seen(), list->text(), list->currentRow(), list->selectedItems().size()),
              std::tuple(picks, text, currentRow, text.isEmpty() ? 0 : 1));
  }
}

// A dialog's own caption: its icon at the margin, then its title, drawn again when it changes.
TEST(DialogCaptionTest, IconThenTitleDrawnAgainWhenItChanges) {
  QWidget window;
  window.setPalette(ui::designedPalette());
  window.setWindowTitle("IIII");
  window.setWindowIcon(QPixmap(":/art/THERMOMETERSMALL.png"));
  auto* caption = new ui::DialogCaption(&window);
  EXPECT_EQ(QColor(caption->grab().toImage().pixel(1, 1)).hsvSaturation(), 0) << "grey, inactive";
  window.show();
  QTest::qWait(50);  // shown, active and painted
  const QImage shot = caption->grab().toImage();
  int title = 20;  // past the icon, to the first column unlike the margin's
  while (shot.copy(title, 0, 1, shot.height()) == shot.copy(1, 0, 1, shot.height())) ++title;
  EXPECT_NEAR(title, 25, 1);
  const QImage box = shot.copy(caption->findChild<QAbstractButton*>()->geometry());
  EXPECT_GT(qGray(box.pixel(box.rect().center())), 200) << "the cross in the active caption's ink";
  EXPECT_EQ(box.pixel(1, 1), shot.pixel(1, 1)) << "the close box lit, not pointed at";
  for (const QImage& mirror : {box.mirrored(true, false), box.mirrored(false, true)})  // square
    for (int i = 0, w = box.width(); i < w * box.height(); ++i)
      ASSERT_NEAR(qGray(box.pixel(i % w, i / w)), qGray(mirror.pixel(i % w, i / w)), 16) << i;
  PaintCounter counter(caption);
  window.setWindowTitle("II");
  EXPECT_TRUE(QTest::qWaitFor([&] { return counter.painted.contains({title, 8}); }, 2000));
}

}  // namespace
