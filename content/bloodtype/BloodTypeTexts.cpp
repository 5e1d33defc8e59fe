#include "BloodTypeTexts.h"

namespace velmora::content::bloodtype {

constinit const std::array<GroupTexts, 4> kGroupTexts = {{
#include "group_texts.inc"
}};

} // namespace velmora::content::bloodtype
