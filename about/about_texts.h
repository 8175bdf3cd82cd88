// The texts of the about window: the six strings it keeps, each built from
// its pieces, and the two texts its buttons show.
#pragma once

#include <QString>

namespace about {

// The contact address of the comments line.
QString contactAddress();

QString buildOverviewTitle();
QString buildOverviewBody();
QString buildTipsIntro();
QString buildTip3Text();
QString buildTip4Text();
QString buildTip5Text();

// The title, a paragraph break, then the body.
QString overviewText(const QString& overviewTitle, const QString& overviewBody);
// The intro with tips 1 and 2, then tips 3, 4 and 5, a paragraph break apart.
QString tipsText(const QString& tipsIntro, const QString& tip3Text, const QString& tip4Text,
                 const QString& tip5Text);

}  // namespace about
