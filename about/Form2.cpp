#include "about/Form2.h"

#include <QDesktopServices>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "about/about_texts.h"
#include "ui/buttons.h"
#include "ui/label.h"
#include "ui/message_box.h"
#include "ui/resource_cursor.h"
#include "ui/twips.h"

Form2::Form2() : ui::Form(ui::kFixedDialog) {
  buildControls();
  Command1->onClick = [this] { Command1_Click(); };
  Command2->onClick = [this] { Command2_Click(); };
  Label2->onClick = [this] { Label2_Click(); };
  closeOnEscape();
}

void Form2::Form_Load() {
  overviewTitle = about::buildOverviewTitle();
  overviewBody = about::buildOverviewBody();
  showText(about::overviewText(overviewTitle, overviewBody));
  tipsIntro = about::buildTipsIntro();
  tip3Text = about::buildTip3Text();
  tip4Text = about::buildTip4Text();
  tip5Text = about::buildTip5Text();
  Label2->setCursor(ui::LoadResCursor(QStringLiteral("HAND")));

  create();
}

// By the outer width: where the desktop tells the frame only once the window
// is on screen (X11), that is the client width here.
void Form2::placeOn(const QRect& monitor) {
  const int outerWidth = frameGeometry().width();
  move(monitor.x() + ui::twips((monitor.width() - outerWidth) * ui::kTwipsPerPixel / 2.0),
       monitor.y() + ui::twips(1770));
}

void Form2::Form_Unload() {
  if (openedFrom && openedFrom->isVisible()) openedFrom->activateWindow();
}

void Form2::showText(const QString& text) {
  Text1->setPlainText(text);
  // A new text is read from its start.
  Text1->moveCursor(QTextCursor::Start);
  Text1->verticalScrollBar()->setValue(0);
}

void Form2::Command1_Click() { showText(about::overviewText(overviewTitle, overviewBody)); }

void Form2::Command2_Click() { showText(about::tipsText(tipsIntro, tip3Text, tip4Text, tip5Text)); }

void Form2::Label2_Click() {
  const QString address = about::contactAddress();
  const QUrl url(QStringLiteral("mailto:") + address);
  const bool opened = urlOpener ? urlOpener(url) : QDesktopServices::openUrl(url);
  if (!opened) {
    ui::MsgBox(this,
               QStringLiteral("No mail program could be opened.\r\n\r\n"
                              "Please write your comments to:\r\n") +
                   address,
               QStringLiteral("Caldorine"));
  }
}
