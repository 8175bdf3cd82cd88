// The form runtime, once, through a small window of its own: window life,
// events raised from code, and what each control hands its handlers and paints.
#include <QPainter>
#include <QPointer>
#include <functional>
#include <utility>

#include "harness.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/label.h"
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
    image->setGeometry(210, 0, 40, 40);
    label->setGeometry(210, 50, 80, 20);
    button->setGeometry(0, 150, 50, 20);
    options[0]->setGeometry(60, 150, 50, 20);
    options[1]->setGeometry(120, 150, 50, 20);
    picture->onMouseDown = record("down");
    picture->onMouseMove = record("move");
    picture->onMouseUp = record("up");
    image->onMouseDown = [this](int b, int s) { seen += " down " + QString::number(b * 10 + s); };
    image->onMouseUp = [this](int b, int s) { seen += " up " + QString::number(b * 10 + s); };
    for (auto* option : options) option->onClick = [this, option] { seen += " " + option->text(); };
    button->onClick = [this] { seen += " click"; };
    label->onClick = [this] { seen += " link"; };
    combo->onClick = [this] { seen += " pick"; };
    box->onGotFocus = [this] { seen += " focus"; };
    box->onKeyPress = [this](int& key) {
      seen += " " + QString::number(key);
      if (key == 'x') key = 0;
    };
  }
  ui::PictureBox* picture = new ui::PictureBox(this);
  ui::TextBox* box = new ui::TextBox(this);
  ui::ComboBox* combo = new ui::ComboBox(this);
  ui::Image* image = new ui::Image(this);
  ui::Label* label = new ui::Label(this);
  ui::CommandButton* button = new ui::CommandButton(this);
  ui::OptionButton* options[2] = {new ui::OptionButton(this), new ui::OptionButton(this)};
  QString seen;  // what the handlers were given, in order
  int loads = 0, unloads = 0, resizes = 0;

 protected:
  void Form_Load() override { ++loads; }
  void Form_Unload() override { ++unloads; }
  void Form_Resize() override { ++resizes; }

 private:
  ui::PictureBox::MouseHandler record(const char* name) {
    return [this, name](int b, int s, float x, float y) {
      seen += QString(" %1 %2 %3 %4,%5").arg(name).arg(b).arg(s).arg(x).arg(y);
    };
  }
};

class FormRuntimeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    w = &ui::Instance<TestWindow>();
    w->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    w->seen.clear();
  }
  void TearDown() override {
    ui::Unload<TestWindow>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  QString seen() { return std::exchange(w->seen, QString()).trimmed(); }
  TestWindow* w = nullptr;
};

TEST_F(FormRuntimeTest, WindowsLoadOnceUnloadOnceAndTheLastUnloadEndsTheProgram) {
  int ended = 0;
  ui::Form::setLastUnloadedHandler([&] { ++ended; });
  EXPECT_EQ(&ui::Instance<TestWindow>(), w);
  EXPECT_EQ(w->loads, 1);
  EXPECT_EQ(w->resizes, 1) << "the first show";
  w->showMinimized();
  EXPECT_EQ(w->resizes, 2) << "minimised";
  w->Show();
  EXPECT_FALSE(w->isMinimized()) << "Show brings a minimised window back";
  const int restored = w->resizes;
  EXPECT_GT(restored, 2);
  w->setFont(QFont("Serif", 20));
  EXPECT_EQ(w->resizes, restored) << "other changes are no resize";
  w->Hide();
  EXPECT_TRUE(ui::IsLoaded<TestWindow>() && !w->isVisible());
  const QPointer<TestWindow> old = w;
  w->close();  // the close box unloads
  old->Unload();
  EXPECT_EQ(std::tuple(old->unloads, ui::IsLoaded<TestWindow>(), ui::Form::loadedCount(), ended),
            std::tuple(1, false, 0, 1));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(old.isNull());
  EXPECT_EQ(std::tuple(ui::Form::loadedCount(), ended), std::tuple(0, 1));
  SetUp();  // the next reference makes a fresh window
  EXPECT_NE(w, old.data());
  EXPECT_EQ(std::tuple(w->loads, ui::Form::loadedCount()), std::tuple(1, 1));
  ui::Form::setLastUnloadedHandler({});
}

TEST_F(FormRuntimeTest, ButtonsRunTheirClickWhenTheProgramPressesOrChoosesThem) {
  w->options[0]->setText("A");
  w->options[1]->setText("B");
  w->button->hide();
  w->button->Press();
  w->options[0]->setValue(true);
  w->options[1]->setValue(true);
  EXPECT_FALSE(w->options[0]->value());
  w->options[1]->setValue(false);  // runs nothing
  EXPECT_FALSE(w->options[1]->value());
  QTest::mouseClick(w->options[0], Qt::LeftButton);
  EXPECT_EQ(seen(), "click A B A");
}

TEST_F(FormRuntimeTest, KeyPressSeesTypedCharactersOnlyAndMayDiscardThem) {
  // Tab last: it takes the focus away.
  const std::vector<std::pair<QKeyCombination, QString>> keys = {
      {Qt::Key_5, "53"},           {Qt::Key_X, "120"},           {Qt::Key_Backspace, "8"},
      {Qt::Key_Return, "13"},      {Qt::Key_Enter, "13"},        {Qt::Key_Escape, "27"},
      {Qt::CTRL | Qt::Key_A, "1"}, {Qt::CTRL | Qt::Key_V, "22"}, {Qt::CTRL | Qt::Key_Z, "26"},
      {Qt::Key_Delete, ""},        {Qt::Key_Left, ""},           {Qt::Key_Shift, ""},
      {Qt::Key_Tab, ""},
  };
  w->box->setFocus();
  for (const auto& [key, code] : keys) {
    QTest::keyClick(w->box, key.key(), key.keyboardModifiers());
    EXPECT_EQ(seen(), code) << QKeySequence(key).toString().toStdString();
  }
  // The limit stops typing only; the program's own text is never cut.
  w->box->setText("");
  w->box->setMaxLength(1);
  QTest::keyClicks(w->box, "x12");
  EXPECT_EQ(w->box->text(), "1") << "x discarded, 2 past the limit";
  w->box->setText("1234");
  QTest::keyClicks(w->box, "5");
  EXPECT_EQ(w->box->text(), "1234");
  QTest::keyClick(w->box, Qt::Key_Backspace);
  EXPECT_EQ(w->box->text(), "123");
  w->box->setMaxLength(0);
  QTest::keyClicks(w->box, "45");
  EXPECT_EQ(w->box->text(), "12345");
}

TEST_F(FormRuntimeTest, FocusFromCodeRunsTheHandlerOnceAlsoInAnInactiveWindow) {
  QWidget other;
  other.show();
  QApplication::setActiveWindow(&other);
  ASSERT_FALSE(w->isActiveWindow());
  seen();
  w->box->SetFocus();
  EXPECT_EQ(seen(), "focus") << "at once";
  QApplication::setActiveWindow(w);
  EXPECT_EQ(seen(), "") << "not again when the window is activated";
  w->box->SetFocus();
  EXPECT_EQ(seen(), "") << "it has the focus already";
  w->combo->setFocus();
  w->box->setFocus();
  EXPECT_EQ(seen(), "focus");
}

TEST_F(FormRuntimeTest, MouseHandlersGetButtonShiftAndUserUnitsAlsoOutsideWhileHeld) {
  w->picture->setScale(10, 20, 100, -50);  // 2 pixels a unit, y upwards
  const auto send = [&](QWidget* to, QEvent::Type type, Qt::MouseButton button,
                        Qt::MouseButtons held, Qt::KeyboardModifiers keys, QPoint at) {
    QMouseEvent event(type, at, to->mapToGlobal(at), button, held, keys);
    QApplication::sendEvent(to, &event);
  };
  using E = QEvent;
  send(w->picture, E::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, Qt::ControlModifier,
       {40, 60});
  send(w->picture, E::MouseMove, Qt::NoButton, Qt::LeftButton | Qt::MiddleButton,
       Qt::ShiftModifier | Qt::AltModifier, {-20, 120});
  send(w->picture, E::MouseButtonRelease, Qt::RightButton, Qt::NoButton, {}, {0, 0});
  EXPECT_EQ(seen(), "down 1 2 30,-10 move 5 5 0,-40 up 2 0 10,20");
  QTest::mouseClick(w->picture, Qt::MiddleButton, Qt::ShiftModifier, {100, 0});
  EXPECT_EQ(seen(), "down 4 1 60,20 up 4 1 60,20");

  // An image reports the first button pressed and the release of the last one held.
  send(w->image, E::MouseButtonPress, Qt::RightButton, Qt::RightButton, Qt::ShiftModifier, {});
  send(w->image, E::MouseButtonPress, Qt::LeftButton, Qt::RightButton | Qt::LeftButton, {}, {});
  send(w->image, E::MouseButtonRelease, Qt::RightButton, Qt::LeftButton, {}, {});
  send(w->image, E::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, Qt::AltModifier, {500, 500});
  EXPECT_EQ(seen(), "down 21 up 14");
  // A label is clicked by the left button pressed and released on it.
  const QPoint in(5, 5), out(5, 60);
  QTest::mouseClick(w->label, Qt::RightButton, {}, in);
  QTest::mousePress(w->label, Qt::LeftButton, {}, in);
  QTest::mouseRelease(w->label, Qt::LeftButton, {}, out);
  EXPECT_EQ(seen(), "");
  QTest::mouseClick(w->label, Qt::LeftButton, {}, in);
  EXPECT_EQ(seen(), "link");
}

TEST_F(FormRuntimeTest, PictureBoxPaintsItsPictureBoxesAndTextsInItsColours) {
  QPalette colours = w->picture->palette();
  colours.setColor(QPalette::Window, Qt::yellow);
  colours.setColor(QPalette::WindowText, Qt::blue);
  w->picture->setPalette(colours);
  w->picture->setFont(QFont("DejaVu Sans", 40, QFont::Black));
  QPixmap art(10, 10);
  art.fill(Qt::green);
  w->picture->setPicture(art);
  w->picture->setScale(0, 0, 200, 100);  // a unit a pixel
  const auto colourAt = [&](int x, int y) { return harness::painted(w->picture).pixelColor(x, y); };
  const auto blueIn = [&](QRect area) {
    const QImage image = harness::painted(w->picture).copy(area);
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixelColor(x, y) == Qt::blue) return true;
    return false;
  };
  // Boxes then texts, and texts then a box: both ways of painting. The first
  // box covers the first text, which still shows on top.
  for (const bool textsLast : {true, false}) {
    SCOPED_TRACE(textsLast ? "texts last" : "a box last");
    w->picture->Cls();
    w->picture->Line(95, 5, 190, 95, Qt::red);
    if (textsLast) w->picture->Line(50, 98, 50, 98, Qt::red);
    w->picture->CurrentX = 100;
    w->picture->CurrentY = 10;
    w->picture->Print("I");
    w->picture->CurrentX = 20;
    w->picture->Print("I");
    if (!textsLast) w->picture->Line(50, 98, 50, 98, Qt::red);
    // The picture at the top left; whole pixels from corner to corner of a
    // box, and one pixel for a box of no size.
    const std::tuple<int, int, Qt::GlobalColor> pixels[] = {
        {0, 0, Qt::green},     {9, 9, Qt::green},    {10, 5, Qt::yellow}, {5, 10, Qt::yellow},
        {95, 5, Qt::red},      {189, 94, Qt::red},   {50, 98, Qt::red},   {190, 94, Qt::yellow},
        {189, 95, Qt::yellow}, {94, 50, Qt::yellow}, {95, 4, Qt::yellow}, {51, 98, Qt::yellow},
        {50, 99, Qt::yellow}};
    for (const auto& [x, y, colour] : pixels) EXPECT_EQ(colourAt(x, y), colour) << x << "," << y;
    EXPECT_TRUE(blueIn({100, 10, 90, 80})) << "the text on the box";
    EXPECT_TRUE(blueIn({20, 10, 40, 80}));
  }
  // The same text elsewhere shows there alone; erased, nothing shows.
  w->picture->Cls();
  w->picture->CurrentX = 120;
  w->picture->Print("I");
  EXPECT_FALSE(blueIn({20, 0, 40, 100}));
  EXPECT_TRUE(blueIn({120, 0, 40, 100}));
  w->picture->Cls();
  EXPECT_FALSE(blueIn({0, 0, 200, 100}));
}

TEST_F(FormRuntimeTest, DropDownRunsItsClickOnlyForAPickAndTypingAddsNoEntry) {
  w->combo->setText("2");
  EXPECT_EQ(w->combo->currentIndex(), 1);
  w->combo->setText("9");
  EXPECT_EQ(w->combo->text(), "9");
  QLineEdit* edit = w->combo->lineEdit();
  edit->setFocus();
  edit->setText("7");
  QTest::keyClick(edit, Qt::Key_Return);
  edit->setText("3");
  QTest::keyClick(edit, Qt::Key_Return);
  QTest::keyClick(edit, Qt::Key_Tab);
  EXPECT_EQ(seen(), "") << "typing is no pick";
  EXPECT_EQ(w->combo->count(), 3);
  w->combo->showPopup();
  QAbstractItemView* view = w->combo->view();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                    view->visualRect(view->model()->index(0, 0)).center());
  EXPECT_EQ(seen(), "pick");
  EXPECT_EQ(w->combo->text(), "1");
  // Its colour shows in the edit part, where its text is.
  w->combo->setBackColor(Qt::red);
  EXPECT_EQ(harness::painted(edit).pixelColor(edit->width() - 3, edit->height() / 2), Qt::red);
}

TEST_F(FormRuntimeTest, ListBoxRunsItsClickOnlyForTheUsersPicks) {
  ui::ListBox list(w);
  list.setGeometry(0, 0, 200, 150);
  list.show();
  list.onClick = [&] { w->seen += " pick"; };
  const auto clickRow = [&](int row) {
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(list.item(row)).center());
  };
  // What is done, then the picks so far, the selected text and the current row.
  const std::tuple<const char*, std::function<void()>, QString, QString, int> cases[] = {
      {"items added",
       [&] {
         for (auto text : {"One", "Two", "two"}) list.AddItem(text);
       },
       "", "", -1},
      {"matching text", [&] { list.setText("One"); }, "", "One", 0},
      {"text matches case too", [&] { list.setText("two"); }, "", "two", 2},
      {"blank matches nothing", [&] { list.setText(" "); }, "", "", -1},
      {"mouse click", [&] { clickRow(1); }, "pick", "Two", 1},
      {"click on the selected item", [&] { clickRow(1); }, "pick", "Two", 1},
      {"arrow key", [&] { QTest::keyClick(&list, Qt::Key_Down); }, "pick", "two", 2},
      {"cleared", [&] { list.Clear(); }, "", "", -1},
  };
  for (const auto& [name, action, picks, text, currentRow] : cases) {
    SCOPED_TRACE(name);
    action();
    EXPECT_EQ(seen(), picks);
    EXPECT_EQ(list.text(), text);
    EXPECT_EQ(list.currentRow(), currentRow);
    EXPECT_EQ(list.selectedItems().size(), text.isEmpty() ? 0 : 1);
  }
}

TEST_F(FormRuntimeTest, MessageBoxAndImageShowWhatTheyAreGiven) {
  harness::MessageBoxRecorder boxes;
  ui::MsgBox(w, "One\r\nTwo", "Title");
  ASSERT_EQ(boxes.shown.size(), 1u);
  const harness::ShownMessage& box = boxes.shown[0];
  EXPECT_EQ(std::tuple(box.title, box.text, box.icon, box.buttons),
            std::tuple(QString("Title"), QString("One\nTwo"), QMessageBox::Information, 1));
  QPixmap art(8, 6);
  art.fill(Qt::magenta);
  w->image->setPicture(art);
  const QImage shown = harness::painted(w->image);
  EXPECT_EQ(shown.pixelColor(7, 5), Qt::magenta) << "at the top left";
  EXPECT_NE(shown.pixelColor(8, 6), Qt::magenta) << "unscaled";
}

}  // namespace
