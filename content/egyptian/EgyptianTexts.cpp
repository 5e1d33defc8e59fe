#include "EgyptianTexts.h"

namespace velmora::content::egyptian {

constinit const std::array<SignTexts, 12> kSignTexts = {{
#include "sign_texts.inc"
}};

} // namespace velmora::content::egyptian
