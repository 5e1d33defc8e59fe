#include "WesternTexts.h"

namespace velmora::content::western {

constinit const std::array<SignTexts, 12> kSignTexts = {{
#include "sign_texts.inc"
}};

constinit const std::array<PairText, 78> kPairTexts = {{
#include "pair_texts_1.inc"
#include "pair_texts_2.inc"
#include "pair_texts_3.inc"
#include "pair_texts_4.inc"
}};

} // namespace velmora::content::western
