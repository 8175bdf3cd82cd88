#include "app/font_config_warm_up.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

namespace app {

FontConfigWarmUp::FontConfigWarmUp() {
  try {
    reader_ = std::thread([] { FcInit(); });
  } catch (const std::system_error&) {
    // Fontconfig initialises itself when Qt first asks for a font.
  }
}

FontConfigWarmUp::~FontConfigWarmUp() {
  if (reader_.joinable()) reader_.join();
}

}  // namespace app
