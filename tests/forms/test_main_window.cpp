// The main window as a person meets it: where everything is, what it says,
// how the focus moves, what the 'From' box lets through, the drop-down and
// the direction options.
#include <QClipboard>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QSet>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <functional>

#include "harness.h"
#include "ui/image.h"

using harness::MainWindowTest;

namespace {

QRect tw(int left, int top, int width, int height) {
  return QRect(qRound(left / 15.0), qRound(top / 15.0), qRound(width / 15.0),
               qRound(height / 15.0));
}

}  // namespace

TEST_F(MainWindowTest, LayoutCaptionsTooltipsFontsColoursAndTabOrder) {
  auto* f = form;
  EXPECT_EQ(f->windowTitle(), "Caldorine");
  EXPECT_TRUE(f->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(f->geometry(), QRect(67, 133, 210, 330));
  EXPECT_EQ(f->backgroundPicture().size(), QSize(209, 328));
  EXPECT_EQ(f->PicTherm->picture().size(), QSize(96, 273));
  EXPECT_DOUBLE_EQ(f->font().pointSizeF(), 8.25);
  EXPECT_DOUBLE_EQ(f->PicTherm->font().pointSizeF(), 6.0);
  // Rounded corners, and the title tab standing free above the panel.
  for (const auto& [x, y, kept] : {std::tuple{0, 0, false}, std::tuple{63, 10, false},
                                   std::tuple{100, 10, true}, std::tuple{8, 200, true}})
    EXPECT_EQ(f->mask().contains(QPoint(x, y)), kept) << x << ", " << y;

  const QColor orange(255, 192, 128), white(Qt::white), none;
  struct Control {
    QWidget* control;
    QRect twips;  // in its frame, if it has one
    bool tabStop;
    QString caption, tooltip;
    QColor back;
  };
  // In the order Tab visits them; the direction options are one stop.
  const Control controls[] = {
      {f->PicTherm, tw(1585, 620, 1455, 4095), true, "", "", orange},
      {f->Frame1, tw(240, 720, 1215, 735), false, "", "", orange},
      {f->Option1, tw(120, 130, 855, 255), true, "°F to °C", "Farenheit to Celcius", orange},
      {f->Option2, tw(120, 450, 855, 210), false, "°C to °F", "Celcius to Farenheit", orange},
      {f->Combo1, tw(360, 1630, 495, 315), true, "2", "Choose DP, then press 'Convert'", white},
      {f->Label1, tw(885, 1590, 615, 375), false, "Decimal Places", "", orange},
      {f->Frame2, tw(240, 2040, 1215, 1565), false, "", "", orange},
      {f->Text1, tw(120, 240, 975, 285), true, "0", "'From' temperature value", white},
      {f->Command1, tw(120, 600, 975, 375), true, "Convert", "Convert value", orange},
      {f->Text2, tw(120, 1080, 975, 285), true, " ", "'To' temperature value", white},
      {f->Command2, tw(480, 3840, 615, 300), true, "List", "Preset temperatures", orange},
      {f->leftpicindicator, tw(1965, 420, 495, 255), false, "", "", orange},
      {f->rightpicindicator, tw(2485, 420, 495, 255), false, "", "", orange},
      {f->QuesB, tw(1110, 105, 285, 255), false, "", "About/Help", none},
      {f->Min, tw(1465, 105, 285, 255), false, "", "Minimize", none},
      {f->CloseB, tw(1820, 105, 285, 255), false, "", "Close", none},
  };
  const QSet<QWidget*> bold{f->Command1, f->leftpicindicator, f->rightpicindicator};
  std::vector<QWidget*> tabStops;
  for (const Control& c : controls) {
    QWidget* w = c.control;
    SCOPED_TRACE(testing::Message()
                 << w->metaObject()->className() << " at " << w->x() << "," << w->y());
    EXPECT_EQ(w->geometry(), c.twips);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->font().bold(), bold.contains(w));
    EXPECT_EQ(w == f->Combo1 ? f->Combo1->text() : w->property("text").toString(), c.caption);
    EXPECT_EQ(w->toolTip(), c.tooltip);
    if (c.back.isValid()) {
      EXPECT_EQ(w->palette().color(w->backgroundRole()).name(), c.back.name());
    }
    if (c.tabStop) tabStops.push_back(w);
  }
  EXPECT_TRUE(f->Text2->isReadOnly());
  // The hidden conversion buttons, and the stores of the pressed title pictures.
  for (QWidget* w : std::initializer_list<QWidget*>{f->CelCmnd, f->FarCmnd, f->QuesHolder,
                                                    f->MinHolder, f->CloseHolder, f->TempHolder})
    EXPECT_FALSE(w->isVisible());
  for (const auto& [frame, inside] :
       {std::pair{f->Frame1, QWidgetList{f->Option1, f->Option2}},
        std::pair{f->Frame2, QWidgetList{f->Text1, f->Command1, f->Text2}}})
    EXPECT_EQ(frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly), inside);
  // The thermometer lies in front of the unit captions, hiding their lowest edge.
  const auto z = [f](QWidget* w) { return f->children().indexOf(w); };
  EXPECT_GT(z(f->PicTherm), std::max(z(f->leftpicindicator), z(f->rightpicindicator)));

  tabStops.push_back(f->PicTherm);  // and round again
  f->PicTherm->setFocus();
  for (size_t stop = 1; stop < tabStops.size(); ++stop) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* got = QApplication::focusWidget();
    // The drop-down's focus may sit on its edit part.
    if (got && got->parentWidget() == f->Combo1) got = f->Combo1;
    EXPECT_EQ(got, tabStops[stop]) << "stop " << stop;
  }
}

TEST_F(MainWindowTest, FromBoxLetsThroughOnlyNumberCharacters) {
  QApplication::clipboard()->setText("999");
  const QString longText = "999,999,999.9999";
  // What is selected, what is typed, the keys pressed after, and what is left.
  const std::tuple<const char*, QString, const char*, std::vector<QKeyCombination>, QString>
      cases[] = {
          {"digits replace the selection", "0", "12", {}, "12"},
          {"minus, point and blank", "0", "-1. 5", {}, "-1. 5"},
          {"letters, plus and comma", "0", "abcE+,", {}, "0"},
          {"Enter", "0", "", {Qt::Key_Return}, "0"},
          {"paste shortcut", "0", "", {Qt::CTRL | Qt::Key_V}, "0"},
          {"tenth character", "0", "1234567890", {}, "123456789"},
          {"backspace", "0", "123", {Qt::Key_Backspace}, "12"},
          // The limit never cuts what the program wrote; it refuses growing it.
          {"typing onto a long result", longText, "", {Qt::Key_End, Qt::Key_1}, longText},
          {"deleting from it", longText, "", {Qt::Key_End, Qt::Key_Backspace}, "999,999,999.999"},
      };
  for (const auto& [name, start, typed, keys, expected] : cases) {
    SCOPED_TRACE(name);
    form->Text1->setText(start);
    form->Text1->selectAll();
    QTest::keyClicks(form->Text1, typed);
    for (const QKeyCombination key : keys)
      QTest::keyClick(form->Text1, key.key(), key.keyboardModifiers());
    EXPECT_EQ(form->Text1->text(), expected);
  }
}

TEST_F(MainWindowTest, DropDownPicksWaitForConvertAndTypingIsNoPick) {
  // The arrow opens the list of place counts.
  QStyleOptionComboBox option;
  option.initFrom(form->Combo1);
  option.editable = true;
  const QRect arrow = form->Combo1->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                            QStyle::SC_ComboBoxArrow, form->Combo1);
  QTest::mouseClick(form->Combo1, Qt::LeftButton, {}, arrow.center());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form->Combo1->view()->window()));
  EXPECT_EQ(form->Combo1->view()->model()->rowCount(), 4);
  form->Combo1->hidePopup();

  const auto typeIn = [this](const char* text) {
    form->Combo1->lineEdit()->setFocus();
    form->Combo1->lineEdit()->setText(text);
    QTest::keyClick(form->Combo1->lineEdit(), Qt::Key_Return);
    QTest::keyClick(form->Combo1->lineEdit(), Qt::Key_Tab);
  };
  // How the places change, whether that is a pick, and 'To' for 0 °F after Convert.
  const std::tuple<const char*, std::function<void()>, bool, QString> cases[] = {
      {"last entry clicked in the list", [this] { pickDecimalPlaces(3); }, true, "-17.7778"},
      {"next entry stepped to with Down", [this] { QTest::keyClick(form->Combo1, Qt::Key_Down); },
       true, "-17.778"},
      {"entry typed, then Enter and Tab", [&] { typeIn("1"); }, false, "-17.8"},
      {"count typed that is no entry", [&] { typeIn("7"); }, false, "-17.78"},
  };
  for (const auto& [name, change, pick, converted] : cases) {
    SCOPED_TRACE(name);
    TearDown();
    SetUp();
    change();
    // A pick turns the drop-down red and hands the focus to Convert.
    EXPECT_EQ(form->Combo1->backColor().name(), pick ? "#ff0000" : "#ffffff");
    EXPECT_EQ(QApplication::focusWidget() == form->Command1, pick);
    EXPECT_EQ(form->decimalPlaces, 2);
    convert();
    EXPECT_EQ(form->Text2->text(), converted);
    EXPECT_EQ(form->Combo1->backColor().name(), "#ffffff");
  }
}

TEST_F(MainWindowTest, ConvertUsesTheChosenDirectionAndLeavesFromSelectedForOvertyping) {
  EXPECT_TRUE(form->Option1->isChecked());
  type("100");
  const std::pair<QWidget*, QString> steps[] = {{form->Option2, "212.00"},
                                                {form->Option1, "37.78"}};
  for (const auto& [option, converted] : steps) {
    const QString before = form->Text2->text();
    const size_t drawn = form->PicTherm->displayList().size();
    QTest::mouseClick(option, Qt::LeftButton);
    EXPECT_EQ(form->Text2->text(), before) << "choosing converts nothing";
    EXPECT_EQ(form->PicTherm->displayList().size(), drawn);
    convert();
    EXPECT_EQ(form->Text2->text(), converted);
    EXPECT_EQ(QApplication::focusWidget(), form->Text1);
    EXPECT_EQ(form->Text1->selectedText(), "100");
  }
  // Also while another window is active and Qt holds the focus change back.
  QWidget other;
  other.show();
  QApplication::setActiveWindow(&other);
  ASSERT_FALSE(form->isActiveWindow());
  form->Text1->deselect();
  form->Command1->click();
  EXPECT_EQ(form->Text1->selectedText(), "100");
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

TEST_F(MainWindowTest, APasteIntoFromPastesWhatFitsAndTheMenuPromisesNoRefusedShortcut) {
  const QString thousand = QString("1234567890").repeated(100);
  // Typed first (a key sets the limit), pasted from the context menu, what is left.
  const std::tuple<const char*, QString, QString> cases[] = {
      {"", thousand, thousand},  // no key yet, so no limit
      {"\b", thousand, "123456789"},
      {"1234567", "890123", "123456789"},
  };
  for (const auto& [typed, pasted, expected] : cases) {
    SCOPED_TRACE(typed);
    form->Text1->setText("");
    type(typed);
    QApplication::clipboard()->setText(pasted);
    QContextMenuEvent event(QContextMenuEvent::Mouse, {5, 5},
                            form->Text1->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(form->Text1, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_TRUE(menu);
    QAction* paste = nullptr;
    for (QAction* action : menu->actions()) {
      // The filter discards every control shortcut, so none is shown.
      EXPECT_FALSE(action->text().contains(QChar(u'\t'))) << action->text().toStdString();
      if (action->text().startsWith("&Paste")) paste = action;
    }
    ASSERT_TRUE(paste);
    paste->trigger();
    menu->close();
    EXPECT_EQ(form->Text1->text(), expected);
  }
}

TEST_F(MainWindowTest, FramesAndOptionsArePanelOrangeAndCaptionsFitWithTheirFocus) {
  const QImage shown = form->grab().toImage();
  const QRgb orange = qRgb(255, 192, 128);
  for (const QWidget* frame : std::initializer_list<const QWidget*>{form->Frame1, form->Frame2}) {
    int notOrange = 0;
    const QRect inside = frame->rect().adjusted(3, 3, -3, -3);
    for (int y = inside.top(); y <= inside.bottom(); ++y)
      for (int x = inside.left(); x <= inside.right(); ++x)
        if (!frame->childAt(x, y))
          notOrange += shown.pixel(frame->mapTo(form, QPoint(x, y))) != orange;
    EXPECT_EQ(notOrange, 0) << "in the frame at " << frame->y();
  }
  for (const QRadioButton* option : {form->Option1, form->Option2}) {
    for (const QPoint corner : {QPoint(0, 0), QPoint(option->width() - 1, option->height() - 1)})
      EXPECT_EQ(shown.pixel(option->mapTo(form, corner)), orange) << corner.x();
    // The caption whole, then a clear pixel, then the focus frame's edge.
    QStyleOptionButton button;
    button.initFrom(option);
    button.text = option->text();
    const QStyle* style = option->style();
    const int captionEnd =
        style->subElementRect(QStyle::SE_RadioButtonContents, &button, option).left() +
        option->fontMetrics().horizontalAdvance(button.text);
    EXPECT_LT(captionEnd,
              style->subElementRect(QStyle::SE_RadioButtonFocusRect, &button, option).right());
  }
}

TEST_F(MainWindowTest, TheKeyboardFocusIsSeenOnTheThermometerAndOnConvertAfterAPick) {
  // A control with the focus looks other than it does without.
  const auto focusSeen = [](QWidget* control) {
    EXPECT_TRUE(control->hasFocus());
    const QImage focused = control->grab().toImage();
    control->clearFocus();
    return focused != control->grab().toImage();
  };
  EXPECT_TRUE(focusSeen(form->PicTherm));  // first in the tab order, at start-up
  pickDecimalPlaces(0);
  EXPECT_TRUE(focusSeen(form->Command1));
}
