// The main window as a person meets it: where everything is, what it says,
// how the focus moves, what the 'From' box lets through.
#include <QClipboard>
#include <QGroupBox>
#include <QStyleOptionComboBox>
#include <QLabel>
#include <QListView>

#include "chrome/module1.h"
#include "harness.h"
#include "ui/buttons.h"
#include "ui/combo_box.h"

using harness::MainWindowTest;

namespace {

const QColor kPanelOrange(255, 192, 128);

QRect inTwips(int left, int top, int width, int height) {
  return QRect(qRound(left / 15.0), qRound(top / 15.0), qRound(width / 15.0),
               qRound(height / 15.0));
}

}  // namespace

TEST_F(MainWindowTest, WindowIsBorderlessAtItsPlaceAndSize) {
  EXPECT_EQ(form->windowTitle(), "Caldorine");
  EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(form->size(), QSize(210, 330));
  EXPECT_EQ(form->pos(), QPoint(67, 133));
  EXPECT_FALSE(form->backgroundPicture().isNull());
  EXPECT_EQ(form->backgroundPicture().size(), QSize(209, 328));
  EXPECT_EQ(form->PicTherm->picture().size(), QSize(96, 273));
}

TEST_F(MainWindowTest, EveryControlSitsWhereDesigned) {
  struct Placement {
    QWidget* control;
    QWidget* container;
    QRect twips;
    bool visible;
  };
  const Placement placements[] = {
      {form->PicTherm, form, inTwips(1585, 620, 1455, 4095), true},
      {form->Frame1, form, inTwips(240, 720, 1215, 735), true},
      {form->Option1, form->Frame1, inTwips(120, 130, 855, 255), true},
      {form->Option2, form->Frame1, inTwips(120, 450, 855, 210), true},
      {form->Combo1, form, inTwips(360, 1630, 495, 315), true},
      {form->Label1, form, inTwips(885, 1590, 615, 375), true},
      {form->Frame2, form, inTwips(240, 2040, 1215, 1565), true},
      {form->Text1, form->Frame2, inTwips(120, 240, 975, 285), true},
      {form->Command1, form->Frame2, inTwips(120, 600, 975, 375), true},
      {form->Text2, form->Frame2, inTwips(120, 1080, 975, 285), true},
      {form->Command2, form, inTwips(480, 3840, 615, 300), true},
      {form->CelCmnd, form, inTwips(240, 4560, 615, 255), false},
      {form->FarCmnd, form, inTwips(960, 4560, 615, 255), false},
      {form->leftpicindicator, form, inTwips(1965, 420, 495, 255), true},
      {form->rightpicindicator, form, inTwips(2485, 420, 495, 255), true},
  };
  for (const Placement& p : placements) {
    SCOPED_TRACE(p.control->metaObject()->className());
    EXPECT_EQ(p.control->parentWidget(), p.container);
    EXPECT_EQ(p.control->geometry(), p.twips);
    EXPECT_EQ(p.control->isVisible(), p.visible);
  }
  // The thermometer lies in front of the unit captions.
  const auto children = form->children();
  EXPECT_GT(children.indexOf(form->PicTherm), children.indexOf(form->leftpicindicator));
  EXPECT_GT(children.indexOf(form->PicTherm), children.indexOf(form->rightpicindicator));
}

TEST_F(MainWindowTest, CaptionsTooltipsFontsAndColours) {
  EXPECT_EQ(form->Option1->text(), QString::fromUtf8("\u00b0F to \u00b0C"));
  EXPECT_EQ(form->Option2->text(), QString::fromUtf8("\u00b0C to \u00b0F"));
  EXPECT_EQ(form->Command1->text(), "Convert");
  EXPECT_EQ(form->Command2->text(), "List");
  EXPECT_EQ(form->Label1->text(), "Decimal Places");
  EXPECT_EQ(form->Text1->text(), "0");
  EXPECT_EQ(form->Text2->text(), " ");
  EXPECT_EQ(form->leftpicindicator->text(), "");
  EXPECT_EQ(form->rightpicindicator->text(), "");

  EXPECT_EQ(form->Option1->toolTip(), "Farenheit to Celcius");
  EXPECT_EQ(form->Option2->toolTip(), "Celcius to Farenheit");
  EXPECT_EQ(form->Combo1->toolTip(), "Choose DP, then press 'Convert'");
  EXPECT_EQ(form->Text1->toolTip(), "'From' temperature value");
  EXPECT_EQ(form->Command1->toolTip(), "Convert value");
  EXPECT_EQ(form->Text2->toolTip(), "'To' temperature value");
  EXPECT_EQ(form->Command2->toolTip(), "Preset temperatures");

  EXPECT_TRUE(form->Command1->font().bold());
  EXPECT_FALSE(form->Command2->font().bold());
  EXPECT_TRUE(form->leftpicindicator->font().bold());
  EXPECT_DOUBLE_EQ(form->font().pointSizeF(), 8.25);
  EXPECT_DOUBLE_EQ(form->PicTherm->font().pointSizeF(), 6.0);
  EXPECT_EQ(form->PicTherm->font().weight(), QFont::Normal);

  for (QWidget* w : std::initializer_list<QWidget*>{form->PicTherm, form->Frame1, form->Option1,
                                                    form->Frame2, form->Label1, form->Command1,
                                                    form->leftpicindicator}) {
    EXPECT_EQ(w->palette().color(w->backgroundRole()), kPanelOrange)
        << w->metaObject()->className();
  }
  EXPECT_EQ(form->Combo1->backColor(), QColor(Qt::white));
  EXPECT_EQ(form->Combo1->count(), 4);
  EXPECT_EQ(form->Combo1->text(), "2");
  EXPECT_TRUE(form->Text2->isReadOnly());
}

TEST_F(MainWindowTest, TabVisitsTheFocusableControlsInDesignedOrder) {
  form->PicTherm->setFocus();
  std::vector<QWidget*> visited{QApplication::focusWidget()};
  for (int i = 0; i < 7; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited.push_back(QApplication::focusWidget());
  }
  // The direction options are one stop: Tab lands on the chosen one.
  const std::vector<QWidget*> expected{form->PicTherm,  form->Option1, form->Combo1,
                                       form->Text1,     form->Command1, form->Text2,
                                       form->Command2,  form->PicTherm};
  ASSERT_EQ(visited.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    QWidget* got = visited[i];
    // The drop-down's focus may sit on its edit part.
    if (got && got->parentWidget() == form->Combo1) got = form->Combo1;
    EXPECT_EQ(got, expected[i]) << "stop " << i << ": "
                                << (got ? got->metaObject()->className() : "none");
  }
}

TEST_F(MainWindowTest, FromBoxLetsThroughOnlyNumberCharacters) {
  QApplication::clipboard()->setText("999");
  struct Case {
    const char* name;
    std::function<void(QWidget*)> keys;
    QString expected;
  };
  const Case cases[] = {
      {"digits replace the selection", [](QWidget* w) { QTest::keyClicks(w, "12"); }, "12"},
      {"minus point blank", [](QWidget* w) { QTest::keyClicks(w, "-1. 5"); }, "-1. 5"},
      {"letters", [](QWidget* w) { QTest::keyClicks(w, "abcE"); }, "0"},
      {"plus and comma", [](QWidget* w) { QTest::keyClicks(w, "+,"); }, "0"},
      {"enter", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); }, "0"},
      {"paste shortcut", [](QWidget* w) { QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier); },
       "0"},
      {"tenth character", [](QWidget* w) { QTest::keyClicks(w, "1234567890"); }, "123456789"},
      {"backspace", [](QWidget* w) {
         QTest::keyClicks(w, "123");
         QTest::keyClick(w, Qt::Key_Backspace);
       },
       "12"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    form->Text1->setText("0");
    form->Text1->selectAll();
    c.keys(form->Text1);
    EXPECT_EQ(form->Text1->text(), c.expected);
  }
  EXPECT_EQ(form->Text1->maxLength(), 9);
}

TEST_F(MainWindowTest, LengthLimitNeverCutsWhatTheProgramWrites) {
  QTest::keyClicks(form->Text1, "1");
  form->Text1->setText("999,999,999.9999");
  EXPECT_EQ(form->Text1->text(), "999,999,999.9999");
  // Typing more is refused, deleting is not.
  form->Text1->end(false);
  QTest::keyClicks(form->Text1, "1");
  EXPECT_EQ(form->Text1->text(), "999,999,999.9999");
  QTest::keyClick(form->Text1, Qt::Key_Backspace);
  EXPECT_EQ(form->Text1->text(), "999,999,999.999");
}

TEST_F(MainWindowTest, ToBoxRefusesTypingButCanBeSelected) {
  form->Text2->setText("37.78");
  QTest::keyClicks(form->Text2, "5");
  EXPECT_EQ(form->Text2->text(), "37.78");
  form->Text2->selectAll();
  EXPECT_EQ(form->Text2->selectedText(), "37.78");
}

TEST_F(MainWindowTest, DropDownArrowOpensTheList) {
  auto* combo = form->Combo1;
  QStyleOptionComboBox option;
  option.initFrom(combo);
  option.editable = true;
  const QRect arrow = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                     QStyle::SC_ComboBoxArrow, combo);
  QTest::mouseClick(combo, Qt::LeftButton, {}, arrow.center());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(combo->view()->window()));
  EXPECT_EQ(combo->view()->model()->rowCount(), 4);
  combo->hidePopup();
}

TEST_F(MainWindowTest, DecimalPlacesChoiceIsPendingUntilConvert) {
  auto* combo = form->Combo1;
  pickDecimalPlaces(3);
  EXPECT_EQ(combo->text(), "4");
  EXPECT_EQ(combo->backColor(), QColor(Qt::red));
  EXPECT_EQ(form->decimalPlaces, 2);
  EXPECT_EQ(QApplication::focusWidget(), form->Command1);

  // A conversion not started by Convert keeps the old places.
  form->FarCmnd->Press();
  EXPECT_EQ(form->Text2->text(), "-17.78");
  EXPECT_EQ(combo->backColor(), QColor(Qt::red));

  QTest::mouseClick(form->Command1, Qt::LeftButton);
  EXPECT_EQ(combo->backColor(), QColor(Qt::white));
  EXPECT_EQ(form->decimalPlaces, 4);
  EXPECT_EQ(form->Text2->text(), "-17.7778");

  // A typed place count is not one of the entries: ignored.
  combo->lineEdit()->setText("7");
  QTest::mouseClick(form->Command1, Qt::LeftButton);
  EXPECT_EQ(form->decimalPlaces, 4);
  combo->lineEdit()->clear();
  QTest::mouseClick(form->Command1, Qt::LeftButton);
  EXPECT_EQ(form->decimalPlaces, 4);
  EXPECT_EQ(combo->backColor(), QColor(Qt::white));
}

TEST_F(MainWindowTest, DirectionOptionsChooseTheNextConversionOnly) {
  EXPECT_EQ(Module1::conversionDirection, 1);
  EXPECT_TRUE(form->Option1->isChecked());
  QTest::mouseClick(form->Option2, Qt::LeftButton);
  EXPECT_EQ(Module1::conversionDirection, 2);
  EXPECT_TRUE(form->PicTherm->displayList().empty());
  EXPECT_EQ(form->leftpicindicator->text(), "");
  EXPECT_EQ(form->Text2->text(), " ");

  enterAndConvert("100");
  EXPECT_EQ(form->Text2->text(), "212.00");
  QTest::mouseClick(form->Option1, Qt::LeftButton);
  EXPECT_EQ(Module1::conversionDirection, 1);
  convert();
  EXPECT_EQ(form->Text2->text(), "37.78");
}

TEST_F(MainWindowTest, ConvertSelectsTheWholeFromText) {
  QTest::keyClicks(form->Text1, "451");
  QTest::mouseClick(form->Command1, Qt::LeftButton);
  EXPECT_EQ(QApplication::focusWidget(), form->Text1);
  EXPECT_EQ(form->Text1->selectedText(), "451");
}

TEST_F(MainWindowTest, FocusMovedByTheProgramIntoAnInactiveWindowStillSelects) {
  QWidget other;
  other.show();
  other.activateWindow();
  QApplication::setActiveWindow(&other);
  ASSERT_FALSE(form->isActiveWindow());
  form->Text1->setText("72");
  form->Text1->deselect();
  form->Text1->SetFocus();
  EXPECT_EQ(form->Text1->selectedText(), "72");
}

TEST_F(MainWindowTest, OnlyLastUnloadedWindowEndsTheProgram) {
  int ended = 0;
  ui::Form::setLastUnloadedHandler([&] { ++ended; });
  // The main window and the preset browser it loads hidden.
  EXPECT_EQ(ui::Form::loadedCount(), 2);
  ui::Unload<frmtemperature>();
  EXPECT_EQ(ended, 1);
  EXPECT_FALSE(ui::IsLoaded<frmtemperature>());
  EXPECT_EQ(ui::Form::loadedCount(), 0);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  // The next reference makes a fresh window with start-up values.
  form = &ui::Instance<frmtemperature>();
  EXPECT_EQ(form->Text1->text(), "0");
  ui::Form::setLastUnloadedHandler({});
}

TEST_F(MainWindowTest, LeavingTheDropDownIsNotAPick) {
  auto* edit = form->Combo1->lineEdit();
  edit->setFocus();
  edit->setText("3");
  QTest::keyClick(edit, Qt::Key_Return);
  QTest::keyClick(edit, Qt::Key_Tab);
  EXPECT_EQ(form->Combo1->backColor(), QColor(Qt::white));
  EXPECT_EQ(QApplication::focusWidget(), form->Text1);
  // Stepping through the entries with the arrow keys is a pick.
  QTest::keyClick(form->Combo1, Qt::Key_Down);
  EXPECT_EQ(form->Combo1->backColor(), QColor(Qt::red));
  EXPECT_EQ(QApplication::focusWidget(), form->Command1);
}
