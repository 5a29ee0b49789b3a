#pragma once

#include <cstdint>

// The commands the transition tool bar and the inspector send for the shown
// state of an edited transition, and the engine properties they change.
namespace TransitionCommandIds {
enum Command : int {
    kTransitionDuplicate = 10102,
    kTransitionRemove = 10103,
    kTransitionRotateClockwise = 10107,
    kTransitionRotateCounterClockwise = 10108,
    kTransitionFlipHorizontal = 10109,
    kTransitionFlipVertical = 10110,
    kTransitionCrop = 10114,
    kTransitionPerspective = 10116,
};

enum Property : int32_t {
    kRotation = 4,
    kRotationX = 5,
    kRotationY = 6,
    kPerspectiveProperty = 70,
};
} // namespace TransitionCommandIds
