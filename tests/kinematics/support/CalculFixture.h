#pragma once
// A measurement document (the measurement tests' fixture) wired to the three result
// facades as the main window wires them, with the steps a user takes to calibrate and mark:
// a scale of 100 pixels for 0.1 m (one millimetre per pixel in both directions on the
// 640 x 480 frame), axes with their origin at a pixel, and marks placed through the
// document at physical positions.

#include "kinematics/ResultFacades.h"
#include "measurement/support/DocumentFixture.h"

#include <functional>

namespace kolibra::kinematics::testing {

class CalculFixture : public measurement::testing::DocumentFixture {
 protected:
  static constexpr double MetresPerPixel = 0.001;

  CalculFixture() { data.SetResultsInvalidation(&calc); }
  // The document outlives the facades and tells someone when its marks are freed.
  ~CalculFixture() override { data.SetResultsInvalidation(&results); }

  // Scale 100 pixels long on the middle row, 0.1 m.
  void CalibrateScale() {
    data.SetActiveTool(measurement::dtScale);
    Click(TPoint(0, 240));
    Click(TPoint(100, 240));
    data.SetScaleLength(0.1);
    data.SetActiveTool(measurement::dtPointing);
  }

  // The fixed axes' origin at a pixel.
  void PlaceAxes(TPoint origin) {
    Origin = origin;
    data.SetActiveTool(measurement::dtAxes);
    Click(origin);
    data.SetActiveTool(measurement::dtPointing);
  }

  // A 25 frames-per-second video calibrated in millimetres per pixel, axes at Origin.
  void Calibrate(TPoint origin = TPoint(100, 400)) {
    data.SetFrameInterval(0.04);
    CalibrateScale();
    PlaceAxes(origin);
  }

  // The frame-relative position of a physical point in the unrotated axes at Origin.
  TPointD FramePosition(double x, double y) const {
    return TPointD((Origin.X + x / MetresPerPixel) / 640.0, (Origin.Y - y / MetresPerPixel) / 480.0);
  }

  // Marks of several objects through the document, as the tracker hands them over:
  // position(object, sample) in metres, on frame 10 + sample; a sample for which present
  // says false has no mark of that object.
  void PlaceMarks(int objects, int samples, const std::function<TPointD(int, int)> &position,
                  const std::function<bool(int, int)> &present = {}) {
    data.SetObjectsCount(objects);
    measurement::TPointDMatrix positions(static_cast<size_t>(objects));
    TMatriceI frames(static_cast<size_t>(objects));
    for (int o = 0; o < objects; ++o) {
      for (int k = 0; k < samples; ++k) {
        const TPointD p = position(o, k);
        positions[size_t(o)].push_back(FramePosition(p.X, p.Y));
        frames[size_t(o)].push_back(!present || present(o, k) ? 10 + k : -1);
      }
    }
    data.PlaceTrackedMarks(positions, frames);
  }

  // Positions, then derivatives, of the calculator of the current mode.
  bool ComputeAll(int flags) {
    if (calc.Compute(rsActive) != krOk) return false;
    grids.Rebuild(rsActive);
    return calc.ComputeDerivatives(rsActive, flags);
  }

  TPoint Origin{0, 0};
  TResCalc calc{data, options};
  TResGrid grids{calc, data, options};
  TResMem memory{data, options};
};

}  // namespace kolibra::kinematics::testing
