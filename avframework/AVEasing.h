#pragma once

// The thirty easing curves of the engine's transitions. A curve maps linear
// progress p (0 at the start of a window, 1 at its end) to eased progress.
// Every number outside 1..30 selects the identity (linear).

enum AVEasingType : int {
    AVEasingLinear = 0,
    AVEasingQuadraticIn = 1,
    AVEasingQuadraticOut,
    AVEasingQuadraticInOut,
    AVEasingCubicIn,
    AVEasingCubicOut,
    AVEasingSmoothstep, // 6, the default of every transition
    AVEasingQuarticIn,
    AVEasingQuarticOut,
    AVEasingQuarticInOut,
    AVEasingQuinticIn,
    AVEasingQuinticOut,
    AVEasingQuinticInOut,
    AVEasingSineIn,
    AVEasingSineOut,
    AVEasingSineInOut,
    AVEasingCircularIn,
    AVEasingCircularOut,
    AVEasingCircularInOut,
    AVEasingExponentialIn,
    AVEasingExponentialOut,
    AVEasingExponentialInOut,
    AVEasingElasticIn,
    AVEasingElasticOut,
    AVEasingElasticInOut,
    AVEasingBackIn,
    AVEasingBackOut,
    AVEasingBackInOut,
    AVEasingBounceIn,
    AVEasingBounceOut,
    AVEasingBounceInOut, // 30
};

constexpr int kAVDefaultEasing = AVEasingSmoothstep;

using AVEasingFunction = double (*)(double p);

// The curve of a type; the identity for any number outside 1..30.
AVEasingFunction avEasingFunction(int type);
