// The keyboard's equivalent of dragging the mercury: with the thermometer
// focused, Up and Down move it by a hundredth of the scale, Page Up and Page
// Down by a tenth, through the move step a drag uses.
#include "app/frmtemperature.h"
#include "thermometer/mercury_keys.h"
#include "ui/picture_box.h"

void frmtemperature::PicTherm_KeyDown(int key, int) {
  const auto step = thermometer::mercuryKeyStep(key);
  if (!step) return;
  // From where the mercury was last drawn; on a blank picture, from the
  // last conversion's level (the bottom at start-up).
  const float from = thermometer::drawnMercuryTop(*PicTherm, scale.mercuryLevel);
  // The focus stays here, so the new reading is announced.
  if (moveMercury(thermometer::steppedMercuryHeight(from, *step))) announceReading();
}
