#pragma once

#include "modJapaneseCompatibility.h"

#include <QColor>
#include <QString>

#include <array>

class QKeyEvent;
class QLabel;
class QPushButton;
class QWidget;

// What the two Japanese windows share: their colours, the caption and button
// styles, the offer band, and the profile rows that the entry window fills in
// the result window.
namespace velmora::bloodtype::layout {

inline const QColor kDarkBrown(80, 60, 41);
inline const QColor kLightYellow(255, 255, 192);
inline const QColor kPeach(255, 218, 185);
inline const QColor kDarkRed(128, 0, 0);
inline const QColor kButtonGrey(224, 224, 224);
inline const QColor kGreen(0, 255, 0);
inline const QColor kYellow(255, 255, 0);

// One row of a person's profile on the "Personality Characteristics" tab:
// its caption, the value label in `fraUser` and in `fraPartner`, the profile
// field it shows, and where (twips within the frame). The caption sits at
// left 240 on the row's top.
struct ProfileRow {
    const char* caption;
    const char* userLabel;
    const char* partnerLabel;
    std::string_view modJapaneseCompatibility::PersonalityProfile::*field;
    int top;
    int valueLeft;
    int valueTop;
    int valueWidth;
    int userHeight;
    int partnerHeight;
};

using Profile = modJapaneseCompatibility::PersonalityProfile;

inline constexpr std::array<ProfileRow, 4> kProfileRows = {{
    // caption, value label in fraUser and in fraPartner, field,
    // caption top, value left, top, width, height for the user and for the partner
    {"Japanese Astrology", "lblJapaneseName", "lblPartnerJapaneseName", &Profile::JapaneseName,
     360, 2640, 360, 5655, 255, 255},
    {"Keywords", "lblKeywords", "lblPartnerKeywords", &Profile::Keywords,
     720, 2640, 720, 5655, 255, 255},
    {"Famous Personalities", "lblFamousPersonalities", "lblPartnerFamousPersonalities", &Profile::FamousPersonalities,
     1080, 2640, 1080, 5100, 435, 435},
    {"Characteristics", "lblCharacteristics", "lblPartnerCharacteristics", &Profile::Characteristics,
     1440, 240, 1680, 8055, 1395, 1035},
}};

// Enter and Return press a window's default button, Esc its cancel button.
bool isEnterOrEscape(const QKeyEvent& event);

// A label that shows what the user typed or what a lookup returned: plain
// text, never markup.
QLabel* addValueLabel(QWidget* parent, const char* name, int left, int top, int width, int height);
// A light grey graphical push button with a bold caption.
QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                       int height);
// The offers of a fully branded and of a co-branded edition, side by side in
// the rectangle given (twips, within `band`).
void addOfferLabels(QWidget* band, int left, int top, int width, int height);
// A container without border or caption.
QWidget* addBand(QWidget* parent, const char* name, int left, int top, int width, int height);

} // namespace velmora::bloodtype::layout
