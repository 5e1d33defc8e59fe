#include "WesternTexts.h"

namespace velmora::content::western {

const std::array<SignTexts, 12> kSignTexts = {{
#include "sign_texts.inc"
}};

const std::array<PairText, 78> kPairTexts = {{
#include "pair_texts_1.inc"
#include "pair_texts_2.inc"
#include "pair_texts_3.inc"
#include "pair_texts_4.inc"
}};

} // namespace velmora::content::western
