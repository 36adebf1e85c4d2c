#pragma once
// The text of one CSV field made comparable: blanks around it dropped (the
// ideographic space U+3000 too) and full-width ASCII (ＡＢ１２３, ！ to ～)
// turned into ASCII, so that "第１２３回" reads as "第123回".
#include <string>
#include <string_view>

namespace n3 {

std::string NormaliseField(std::string_view utf8);

}  // namespace n3
