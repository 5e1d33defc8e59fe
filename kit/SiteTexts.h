#pragma once

#include "ui/ProductInfo.h"

#include <QLatin1String>

// The suite's own captions and the wording of its banners and offers.
namespace velmora::kit::texts {

inline constexpr QLatin1String kFrameCaption{VELMORA_PRODUCT_NAME " v" VELMORA_VERSION};

inline constexpr QLatin1String kForumBanner{"Talk love and the stars in the Velmora forum at velmora.example"};
inline constexpr QLatin1String kForumInvitation{"Share your reading in the Velmora discussion forum. Click here to visit us!"};
inline constexpr QLatin1String kSiteInvitation{"Visit velmora.example for more on relationships and the stars"};

inline constexpr QLatin1String kFullyBrandedOffer{
    "Home Business Opportunity. Start your own Internet business and make money online. Get this software fully "
    "branded for your website. Click here for more details."};
inline constexpr QLatin1String kBrandedEditionOffer{
    "Your web site's name on this software: get a branded edition of Velmora Suite for your own site. "
    "Click here for details."};
inline constexpr QLatin1String kCoBrandOffer{
    "Co-brand this software with your site's name and link to increase loyalty and traffic. Details in the Help "
    "menu; click here for more information on co-branding."};

} // namespace velmora::kit::texts
