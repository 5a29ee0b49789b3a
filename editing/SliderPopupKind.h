#pragma once

// The tag a slider or colour popup carries (CommonPopup::setTag) so that the
// main window's value slots know which property of the edited segment its
// values belong to.
namespace SliderPopupKind {
enum Kind : int {
    kTransparency = 1,
    kSpeed = 2,
    kVolume = 3,
    kRoundCorner = 4,
    kPitch = 5,
    kTransitionTransparency = 6,
    kTransitionVolume = 7,
    kTextSize = 10,
    kTextBorder = 11,
    kTextBackground = 20,
    kStrokeBorder = 30,
    kChromaKey = 40,
    kShadow = 50,
};
} // namespace SliderPopupKind
