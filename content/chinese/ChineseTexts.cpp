#include "ChineseTexts.h"

namespace velmora::content::chinese {

constinit const std::array<AnimalTexts, 12> kAnimalTexts = {{
#include "animal_texts.inc"
}};

constinit const std::array<ElementText, 5> kElementTexts = {{
#include "element_texts.inc"
}};

constinit const std::array<PairDescription, 144> kPairDescriptions = {{
#include "pair_descriptions_1.inc"
#include "pair_descriptions_2.inc"
}};

} // namespace velmora::content::chinese
