#include "presets/Form1.h"

#include <QIcon>
#include <QTextCursor>
#include <QTextEdit>

#include "app/frmtemperature.h"
#include "chrome/module1.h"
#include "presets/preset_catalogue.h"
#include "thermometer/number_separators.h"
#include "ui/accessible_notices.h"
#include "ui/art_resolution.h"
#include "ui/buttons.h"
#include "ui/list_box.h"
#include "ui/picture_box.h"
#include "ui/text_box.h"
#include "ui/twips.h"

namespace {

QString fromCatalogue(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void addAll(ui::ListBox& list, const std::vector<std::string_view>& texts) {
  for (std::string_view text : texts) list.AddItem(fromCatalogue(text));
}

void putCaretAt(QTextEdit& box, int position) {
  QTextCursor cursor = box.textCursor();
  cursor.setPosition(position);
  box.setTextCursor(cursor);
}

}  // namespace

Form1::Form1() : ui::Form(ui::kFixedDialog) {
  setWindowTitle(QStringLiteral("Caldorine - Useful Temperatures "));
  setFixedSize(ui::twips(4440), ui::twips(1635));

  List1 = new ui::ListBox(this);
  List1->setGeometry(ui::twipsRect(50, 100, 1815, 1425));
  List2 = new ui::ListBox(this);
  List2->setGeometry(ui::twipsRect(1970, 100, 2415, 1425));
  setTabOrder(List1, List2);
  // Screen readers name a control by its caption; the lists have none.
  List1->setAccessibleName(QStringLiteral("Categories"));
  List2->setAccessibleName(QStringLiteral("Temperatures"));

  List1->onClick = [this] { list1_Click(); };
  List2->onClick = [this] { List2_Click(); };
  closeOnEscape();
}

void Form1::Form_Load() {
  for (std::string_view category : presets::categoryTexts()) {
    List1->AddItem(fromCatalogue(category));
  }

  setWindowIcon(QIcon(ui::loadArt(QStringLiteral(":/art/THERMOMETERSMALL.png"))));
}

// The description of the two scales shows only for its own category, so its
// box is made the first time that category is chosen, not with the window.
QTextEdit& Form1::scalesBox() {
  if (RichTextBox1) return *RichTextBox1;
  // Made after the lists, so it lies over List2 while shown.
  RichTextBox1 = new QTextEdit(this);
  RichTextBox1->setGeometry(ui::twipsRect(1950, 90, 2445, 1455));
  RichTextBox1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  setTabOrder(List2, RichTextBox1);
  RichTextBox1->setAccessibleName(fromCatalogue(presets::kAboutScalesCategory));

  const presets::ScalesDescription& description = presets::scalesDescription();
  RichTextBox1->setPlainText(fromCatalogue(description.text));
  QTextCharFormat red;
  red.setForeground(QColor(255, 0, 0));
  for (const presets::TextSpan& span : description.redSpans) {
    QTextCursor cursor(RichTextBox1->document());
    cursor.setPosition(static_cast<int>(span.start));
    cursor.setPosition(static_cast<int>(span.start + span.length), QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(red);
  }
  return *RichTextBox1;
}

void Form1::placeOn(const QRect& monitor) {
  // The outer size, frame included, as far as it is known before showing.
  const QSize outer = frameGeometry().size();
  const double left = (monitor.width() - outer.width()) / 2.0;
  const double top = (monitor.height() - outer.height()) / 2.0 + 250.0 / ui::kTwipsPerPixel;
  move(monitor.x() + qRound(left), monitor.y() + qRound(top));
}

void Form1::list1_Click() {
  const std::string category = List1->text().toStdString();
  List2->Clear();
  if (category == presets::kAboutScalesCategory) {
    QTextEdit& description = scalesBox();
    putCaretAt(description, 1);
    description.show();
    // Covered, so no Tab stop and nothing a screen reader finds.
    List2->hide();
    return;
  }
  if (!presets::isCategoryKey(category)) return;
  addAll(*List2, presets::subTopicsOf(category));
  List2->show();
  if (RichTextBox1) RichTextBox1->hide();
}

void Form1::List2_Click() {
  const std::string subTopic = List2->text().toStdString();
  if (const auto method = presets::cookingMethodOfHeading(subTopic)) {
    Module1::cookingMethod = *method;
    List2->Clear();
    addAll(*List2, presets::foodList(*method));
    // The keyboard stays on the heading, so Down goes on to the foods.
    List2->selectionModel()->setCurrentIndex(List2->model()->index(0, 0),
                                             QItemSelectionModel::NoUpdate);
    return;
  }
  const auto preset = presets::findPreset(subTopic, Module1::cookingMethod);
  if (!preset) return;
  const int16_t direction = Module1::conversionDirection;
  const auto value = presets::valueFor(*preset, direction);
  if (!value) return;

  // Text first, then the shared value, then the button: the conversion
  // reads the text.
  frmtemperature& main = ui::Instance<frmtemperature>();
  main.Text1->setText(fromCatalogue(thermometer::inUserNotation(value->text)));
  Module1::valueToConvert = value->number;
  if (direction == 1) {
    main.FarCmnd->Press();
  } else {
    main.CelCmnd->Press();
  }
  // The focus stays on the chosen sub-topic, so it is what says the result to
  // a screen reader: once, as the focus comes to it or as its new description.
  describeChosen(main.PicTherm->description());
}

void Form1::describeChosen(const QString& reading) {
  for (int row = 0; row < List2->count(); ++row) {
    QListWidgetItem* item = List2->item(row);
    item->setData(Qt::AccessibleDescriptionRole, item->isSelected() ? reading : QString());
  }
  ui::tellLater(List2, QAccessible::DescriptionChanged, List2->currentRow());
}

void Form1::Form_Unload() { Module1::browserShown = 0; }
