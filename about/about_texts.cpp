#include "about/about_texts.h"

#include <QStringList>

namespace about {

namespace {

const QString kDegree = QString(QChar(0x00B0));
const QString kLineBreak = QStringLiteral("\r\n");
const QString kParagraphBreak = kLineBreak + kLineBreak;

QString paragraphs(const QStringList& parts) { return parts.join(kParagraphBreak); }

}  // namespace

QString contactAddress() { return QStringLiteral("hello@caldorine.example"); }

QString buildOverviewTitle() { return QStringLiteral("Overview"); }

QString buildOverviewBody() {
  return paragraphs({
      QStringLiteral(
          "Welcome to Caldorine! An interactive temperature conversion and display utility."),
      QStringLiteral(
          "When you perform a conversion, the scale of the thermometer graphic automatically "
          "adjusts to the range within which the values fall, and the 'mercury' jumps to the "
          "level of the result. Alternatively, you can physically drag the 'mercury' up or down "
          "and the corresponding 'from' and 'to' values scroll with the movement - they are "
          "displayed according to your choice of decimal places."),
      QStringLiteral(
          "There is also a list of 'Useful Temperatures' arranged in categories - you simply "
          "click on a topic and the 'mercury' rises or falls to the result. A great feature for "
          "reference and educational purposes, since the graphical depiction of the various "
          "temperatures provides context, makes comparisons easy and aids retention."),
      QStringLiteral("Caldorine is free to use and comes without any warranty."),
  });
}

QString buildTipsIntro() {
  const QString tip1 =
      QStringLiteral(
          "1. When the application first launches, the thermometer graphic on the main Caldorine "
          "panel appears blank. To activate, you can either simply click and drag on the "
          "'mercury' tube, or press 'Convert' which as default displays the conversion for 0") +
      kDegree + QStringLiteral("F on a scale of 0-1") + kDegree + QStringLiteral("F.");
  // "C to" runs straight into the degree sign; "F to " keeps its blank.
  const QString tip2 =
      QStringLiteral("2. If you switch from '") + kDegree + QStringLiteral("C to") + kDegree +
      QStringLiteral("F' to '") + kDegree + QStringLiteral("F to ") + kDegree +
      QStringLiteral(
          "C' or vice versa, and then drag the 'mercury', the left (reference) scale of the "
          "thermometer graphic changes accordingly, as well as the corresponding conversions on "
          "the right scale of the thermometer.");
  return paragraphs({QStringLiteral("Handy Tips"), tip1, tip2});
}

QString buildTip3Text() {
  return QStringLiteral(
      "3. When you enter a value in the first textbox and press 'Convert', the conversion is "
      "shown in the second textbox and displayed on the thermometer graphic. Also, the value in "
      "the first textbox is 'highlighted' to allow you to simply overtype the value and perform "
      "another conversion. This highlighting disappears when you drag the 'mercury', so as to "
      "allow the scrolling values in the first textbox to be easily read. At any given point, "
      "you can highlight the whole value in the first textbox again by pressing 'Convert'.");
}

QString buildTip4Text() {
  // Two blanks before "displayed", as the tip has always read.
  return QStringLiteral(
      "4. Your choice of decimal places (or significant digits) apply only to the 'from' and "
      "'to' values in the first and second textboxes respectively - the decimal places of the "
      "values shown on the thermometer graphic are not affected by this selection, since the "
      "values on the graphic are optimized to what can best be physically  displayed. When you "
      "choose a number of decimal places from the dropdown box, the dropdown box becomes red to "
      "alert you that you still need to press 'Convert' for the selection to become active. "
      "Upon pressing 'Convert', the red highlighting of the dropdown box disappears and your "
      "selection is applied.");
}

QString buildTip5Text() {
  return QStringLiteral(
             "5. Press the button 'List' to view the preset 'Useful Temperatures'. Click on any of "
             "the categories in the left box of the panel, and the sub-topics are displayed in "
             "the right box. Clicking on the sub-topics results in the applicable ") +
         kDegree + QStringLiteral("C and ") + kDegree +
         QStringLiteral(
             "F values being shown in the textboxes and on the thermometer graphic on the main "
             "Caldorine panel.");
}

QString overviewText(const QString& overviewTitle, const QString& overviewBody) {
  return paragraphs({overviewTitle, overviewBody});
}

QString tipsText(const QString& tipsIntro, const QString& tip3Text, const QString& tip4Text,
                 const QString& tip5Text) {
  return paragraphs({tipsIntro, tip3Text, tip4Text, tip5Text});
}

}  // namespace about
