// State every window sees, and the loader of the pictures built into the
// program.
#pragma once

#include <QPixmap>
#include <QString>
#include <cstdint>

namespace Module1 {

// 1: Fahrenheit to Celsius, 2: Celsius to Fahrenheit.
inline int16_t conversionDirection = 0;
// The value last taken from 'From' by Convert, or the last preset chosen.
inline float valueToConvert = 0;
// 1 while the preset browser has been shown from the List button.
inline int16_t browserShown = 0;
// The preset browser's food list: 0 none yet, 1 stove or oven, 2 microwave.
inline int16_t cookingMethod = 0;

// Back to the start values that a run can tell from others: the direction is
// set by the main window's start-up, and the cooking method only ever read
// after a food-list heading has set it.
void resetState();

// The picture built into the program under a resource number and type,
// decoded straight from memory (no file is written); a null pixmap when
// there is no such resource or it cannot be decoded.
QPixmap LoadResourcePicture(int16_t number, const QString& type);

// Starts decoding every such picture while the program starts up.
void preloadResourcePictures();

}  // namespace Module1
