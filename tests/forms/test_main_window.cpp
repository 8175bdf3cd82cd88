// The main window as a person meets it: where all is and what it shows, what 'From' takes, Convert.
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <functional>

#include "harness.h"
#include "ui/image.h"

using harness::MainWindowTest;

const QColor kOrange(255, 192, 128);  // the panel's

TEST_F(MainWindowTest, LayoutAsDesignedAndWhatItPaints) {
  frmtemperature* f = form;
  // One font, the desktop entry the compositor matches, windows kept alive hidden, navy selection.
  EXPECT_EQ(std::tuple(QApplication::font().pointSizeF(), QGuiApplication::desktopFileName(),
                       QApplication::quitOnLastWindowClosed(), f->palette().highlight().color()),
            std::tuple(8.25, QString("example.caldorine.Caldorine"), false, QColor(0, 0, 128)));
  EXPECT_EQ(
      std::tuple(f->windowTitle(), bool(f->windowFlags() & Qt::FramelessWindowHint), f->geometry()),
      std::tuple(QString("Caldorine"), true, QRect(67, 133, 210, 330)));
  // The thermometer's units: x from -1 to 1 across, y from -1.15 at the top to 0.33.
  EXPECT_EQ(f->PicTherm->toPixel({-1, -1.15}).toPoint(), QPoint(0, 0));
  EXPECT_EQ(f->PicTherm->toPixel({1, 0.33}).toPoint(), QPoint(97, 273));
  const double s = 8.25;
  // clang-format off
  harness::expectLayout({
      {f->PicTherm, 1585, 620, 1455, 4095, "", 6, false},
      {f->Frame1, 240, 720, 1215, 735, "", s, false},
      {f->Option1, 120, 130, 855, 255, "°F to °C", s, false, "Farenheit to Celcius"},
      {f->Option2, 120, 450, 855, 210, "°C to °F", s, false, "Celcius to Farenheit"},
      {f->Combo1, 360, 1630, 495, 315, "", s, false, "Choose DP, then press 'Convert'"},
      {f->Label1, 885, 1590, 615, 375, "Decimal Places", s, false},
      {f->Frame2, 240, 2040, 1215, 1565, "", s, false},
      {f->Text1, 120, 240, 975, 285, "0", s, false, "'From' temperature value"},
      {f->Command1, 120, 600, 975, 375, "Convert", s, true, "Convert value"},
      {f->Text2, 120, 1080, 975, 285, " ", s, false, "'To' temperature value"},
      {f->Command2, 480, 3840, 615, 300, "List", s, false, "Preset temperatures"},
      {f->leftpicindicator, 1965, 420, 495, 255, "", s, true},
      {f->rightpicindicator, 2485, 420, 495, 255, "", s, true},
      {f->QuesB, 1110, 105, 285, 255, "", s, false, "About/Help"},
      {f->Min, 1465, 105, 285, 255, "", s, false, "Minimize"},
      {f->CloseB, 1820, 105, 285, 255, "", s, false, "Close"},
  });
  // clang-format on
  EXPECT_EQ(std::tuple(f->Combo1->count(), f->Combo1->text(), f->Text2->isReadOnly()),
            std::tuple(4, QString("2"), true));
  harness::expectTabOrder(
      {f->PicTherm, f->Option1, f->Combo1, f->Text1, f->Command1, f->Text2, f->Command2});

  const QImage framed = harness::painted(f->PicTherm);  // focused: dotted along its very edge
  EXPECT_EQ(framed.pixelColor(2, framed.height() - 1), Qt::black);
  f->PicTherm->clearFocus();  // its focus rectangle would cover the picture's edge
  EXPECT_EQ(harness::painted(f->PicTherm).pixelColor(96, 100), kOrange);  // beside the picture
  // "Decimal Places" on two lines: ink below the first.
  EXPECT_GE(harness::ink(harness::painted(f->Label1)).bottom(), f->Label1->fontMetrics().height());
  f->Text1->clear();  // empty and focused, 'From' shows where typing goes: the caret
  f->Text1->setFocus();
  const QImage inside = harness::painted(f->Text1).copy(f->Text1->rect().adjusted(3, 3, -3, -3));
  EXPECT_TRUE(harness::ink(inside).isValid());
  // The style shades the buttons, from the panel's orange.
  for (QWidget* button : {f->Command1, f->Command2}) {
    const QColor face = harness::painted(button).pixelColor(4, button->height() / 2);
    EXPECT_GT(face.red() - face.blue(), 40) << face.name().toStdString();
  }
  // The pictures at their top left over their window's colour: the whole thermometer, the logo.
  for (const auto& [control, art, area] :
       std::initializer_list<std::tuple<QWidget*, const char*, QRect>>{
           {f->PicTherm, ":/art/thermometer.gif", f->PicTherm->rect()},
           {f, ":/art/background.gif", QRect(10, 285, 90, 35)}}) {
    QImage expected(control->size(), QImage::Format_RGB32);
    expected.fill(control->palette().color(QPalette::Window));
    QPainter(&expected).drawImage(0, 0, QImage(art));
    EXPECT_EQ(harness::painted(control).copy(area), expected.copy(area)) << art;
  }
}

// Each kind of scale both ways: result, unit captions, mercury and both scales, nothing of the last
// left over; the other direction gets its own right labels; 'From' is left selected, to type over.
TEST_F(MainWindowTest, ConvertDrawsTheValueOnItsScaleInTheChosenDirection) {
  // clang-format off
  const std::tuple<const char*, int, const char*> cases[] = {
      {"100", 1, "100 | 37.78 | °F°C | -0.1 | 100..1,000 | 37.8..537.8"},
      {"100", 2, "100 | 212.00 | °C°F | -0.1 | 100..1,000 | 212.0..1,832.0"},
      {"0", 1, "0 | -17.78 | °F°C | 0 |  0.1.. 1 | -17.7222..-17.2222"},
      {"0.05", 2, "0.05 | 32.09 | °C°F | -0.5 |  0.01.. 0.1 | 32.0180..32.1800"},
      {"-0.5", 1, "-0.5 | -18.06 | °F°C | -0.5 |  0..-0.9 | -17.7778..-18.2778"},
      {"-0.5", 2, "-0.5 | 31.10 | °C°F | -0.5 |  0..-0.9 | 32.0000..30.3800"},
      {"-0.05", 1, "-0.05 | -17.81 | °F°C | -0.5 |  0..-0.09 | -17.7778..-17.8278"},
      {" -9.5 ", 1, " -9.5  | -23.06 | °F°C | -0.905 | 0..-90 | -17.8..-67.8"},
      {"-40", 2, "-40 | -40.00 | °C°F | -0.6 | 0..-90 | 32.0..-130.0"},
  };
  // clang-format on
  for (const auto& [typed, chosen, expected] : cases) {
    direction(chosen);
    enterAndConvert(typed);
    EXPECT_EQ(shows(), expected);
    EXPECT_EQ(form->PicTherm->displayList()[0].color, QColor(178, 24, 0));
    EXPECT_EQ(QApplication::focusWidget(), form->Text1);
    EXPECT_EQ(form->Text1->selectedText(), form->Text1->text());
  }
}

TEST_F(MainWindowTest, TextsTheProgramWritesShowTheirFirstCharacter) {
  // The character at the left edge of a box's view.
  const auto firstShown = [](ui::TextBox* box) {
    box->grab();  // the view scrolls as the box is painted
    return box->cursorPositionAt(QPoint(0, box->height() / 2));
  };
  const std::pair<const char*, std::function<void()>> cases[] = {
      {"Convert of 1e9 °F", [this] { enterAndConvert("1e9"); }},
      {"drag on 0 to 10^10", [this] { dragTo(-0.55f); }},
      {"Convert of the dragged value", [this] { convert(); }},
  };
  for (const auto& [name, action] : cases) {
    SCOPED_TRACE(name);
    action();
    for (ui::TextBox* box : {form->Text1, form->Text2})
      EXPECT_EQ(firstShown(box), 0) << box->text().toStdString();
  }
}

// Every way into 'From' lets through only number characters, within its limit. Steps: t types, c
// (an input method) commits, r commits over the character before the caret, p composes, s selects
// "start,length" (a digit each), w writes (caret at the end), m clicks that item of its menu, k
// presses Convert.
TEST_F(MainWindowTest, EveryWayInKeepsTheFilterAndTheLimit) {
  harness::MessageBoxRecorder refusals;
  const std::pair<const char*, const char*> cases[] = {
      {"mPaste", "9876543210|9876543210"},  // no key yet, so no limit
      {"t-1. 5abcE+,\r", "-1. 5|9876543210"},
      {"t9012345678\b", "90123456|9876543210"},
      {"t123456789|s0,0|t5", "123456789|9876543210"},  // full, typed before the first
      // The limit never cuts what the program wrote; it refuses growing it.
      {"w999,999,999.9999|t1", "999,999,999.9999|9876543210"},
      {"w999,999,999.9999|t\b", "999,999,999.999|9876543210"},
      {"w999,999,999.9999|s1,1|t8", "989,999,999.9999|9876543210"},
      {"t5|c½1é2 ３-.\b", "512 -.|9876543210"},
      {"t\b|c123456789012", "123456789|9876543210"},
      {"t1234567|c98765", "123456798|9876543210"},
      {"t123456789|r5", "123456785|9876543210"},
      {"t12345|s1,2|mCut", "145|23"},
      {"t12345|s2,1|mCopy", "12345|3"},
      {"t12345|s1,2|mPaste", "198765445|9876543210"},
      {"w830,146,500.00|t\b|mUndo|t123", "830,146,500.00|9876543210"},
      {"t1234567|mPaste|mUndo|mRedo|t5", "123456798|9876543210"},
      // ibus sends again what it was composing, after Qt has committed it as the focus left.
      {"t1|p3é45678901|k|c3é45678901", "134567890|9876543210"},  // last: a refusal takes the focus
  };
  ui::TextBox* box = form->Text1;
  for (const auto& [steps, expected] : cases) {
    SCOPED_TRACE(steps);
    box->setText("");
    box->SetFocus();
    QApplication::clipboard()->setText("9876543210");
    for (const QString& step : QString(steps).split('|')) {
      const QString arg = step.mid(1);
      if (step[0] == 't') type(arg);
      QInputMethodEvent event(step[0] == 'p' ? arg : QString(), {});
      event.setCommitString(step[0] == 'p' ? QString() : arg, -(step[0] == 'r'), step[0] == 'r');
      if (QString("cpr").contains(step[0])) QApplication::sendEvent(box, &event);
      if (step[0] == 's') box->setSelection(arg[0].digitValue(), arg[2].digitValue());
      if (step[0] == 'w') box->setText(arg), box->end(false);
      if (step[0] == 'k') convert();
      if (step[0] != 'm') continue;
      QContextMenuEvent open(QContextMenuEvent::Mouse, {5, 5}, box->mapToGlobal(QPoint(5, 5)));
      QApplication::sendEvent(box, &open);
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      ASSERT_TRUE(menu && QTest::qWaitForWindowExposed(menu));
      QAction* item = nullptr;
      for (QAction* action : menu->actions()) {
        // The filter discards every control shortcut, so none is shown.
        EXPECT_FALSE(action->text().contains('\t'));
        if (action->text().remove('&').startsWith(arg)) item = action;
      }
      ASSERT_TRUE(item);
      QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    }
    EXPECT_EQ(box->text() + "|" + QApplication::clipboard()->text(), QString(expected));
  }
}

TEST_F(MainWindowTest, FramesAndOptionsArePanelOrangeAndCaptionsFitWithTheirFocus) {
  const QImage shown = form->grab().toImage();
  for (const QWidget* frame : std::initializer_list<const QWidget*>{form->Frame1, form->Frame2}) {
    int notOrange = 0;
    const QRect inside = frame->rect().adjusted(3, 3, -3, -3);
    for (int y = inside.top(); y <= inside.bottom(); ++y)
      for (int x = inside.left(); x <= inside.right(); ++x)
        if (!frame->childAt(x, y))
          notOrange += shown.pixel(frame->mapTo(form, QPoint(x, y))) != kOrange.rgb();
    EXPECT_EQ(notOrange, 0) << "in the frame at " << frame->y();
  }
  for (const QRadioButton* option : {form->Option1, form->Option2}) {
    // The caption whole, then a clear pixel, then the focus frame's edge.
    QStyleOptionButton button;
    button.initFrom(option);
    button.text = option->text();
    const QStyle* style = option->style();
    // A 13-pixel circle, then 3 pixels before the caption.
    const int captionStart =
        style->subElementRect(QStyle::SE_RadioButtonContents, &button, option).left();
    EXPECT_EQ(captionStart, 16);
    const int captionEnd = captionStart + option->fontMetrics().horizontalAdvance(button.text);
    EXPECT_LT(captionEnd,
              style->subElementRect(QStyle::SE_RadioButtonFocusRect, &button, option).right());
  }
}
