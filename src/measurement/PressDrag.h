#pragma once
// Two ways of drawing a segment or an outline with the mouse: click its start and click its
// end, or press at its start, drag and release at its end. A press that starts a shape is
// remembered; its release ends the shape when the pointer has gone further than a click's
// jitter, and otherwise the shape waits for the second click.

#include "kit/Types.h"

#include <cstdlib>

namespace kolibra::measurement {

class TPressDrag {
 public:
  // Further than this from the press (in screen pixels, along either axis) a release is the
  // end of a drag, not the end of a click.
  static constexpr int ClickJitter = 3;

  void Start(TPoint pixel) {
    Pressed = true;
    From = pixel;
  }
  void Cancel() { Pressed = false; }
  // True when the button is still down on the press that started the shape.
  bool IsPressed() const { return Pressed; }

  // The button is released at pixel: true when that ends a drag. Either way the press is over.
  bool Release(TPoint pixel) {
    if (!Pressed) return false;
    Pressed = false;
    return std::abs(pixel.X - From.X) > ClickJitter || std::abs(pixel.Y - From.Y) > ClickJitter;
  }

 private:
  bool Pressed = false;
  TPoint From;
};

}  // namespace kolibra::measurement
