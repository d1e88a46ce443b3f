#pragma once

// GNOME keeps the pointer speed as a double in -1..1 with 0 its default;
// the program's scale is the Windows one, 1..20 with 10 the default. Each
// half of the scale maps linearly, so that the two defaults and both ends
// meet and every step survives the round trip:
//
//   speed s -> g = (s - 10) / 9    for s <= 10
//              g = (s - 10) / 10   for s >= 10
//   g -> s = round(10 + 9 g)       for g <= 0
//        s = round(10 + 10 g)      for g >= 0
//
// so 1 <-> -1, 10 <-> 0, 20 <-> 1. Values outside the ranges are clamped.

constexpr int kMinPointerSpeed = 1;
constexpr int kDefaultPointerSpeed = 10;
constexpr int kMaxPointerSpeed = 20;

double gnomeSpeedFromPointerSpeed(int speed);

// A value that is not a finite number gives the default speed.
int pointerSpeedFromGnomeSpeed(double value);
