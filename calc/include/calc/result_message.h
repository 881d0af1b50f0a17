// ResultMessage: what a calculation hands to the window for its message box.
#pragma once

#include <string>

namespace calc {

struct ResultMessage {
  std::u16string title;  // the message box caption
  std::u16string text;   // the message
};

}  // namespace calc
