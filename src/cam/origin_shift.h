#pragma once
// TOriginShift: moves a board's elements so that the chosen reference point of
// the manufacturing output lies at (0, 0) in element coordinates, for as long
// as the object lives.
//
// With "Use origin in CAM-export" every element is moved by
// (-origin x / 1000, -origin y / 1000 - board height); the destructor puts
// every moved coordinate back to its exact former value (moving back by the
// opposite amount could differ in the last float bit), so the board is
// unchanged also when the output fails half-way or returns early.

#include <vector>

#include "core/board.h"
#include "core/float_point.h"

namespace corvane {

class TOriginShift {
 public:
  TOriginShift(TPlatine& board, bool useOrigin);
  TOriginShift(const TOriginShift&) = delete;
  TOriginShift& operator=(const TOriginShift&) = delete;
  ~TOriginShift();

  bool Active() const { return active_; }
  // The amounts the elements were moved by (0, 0 when inactive).
  double Dx() const { return dx_; }
  double Dy() const { return dy_; }

 private:
  struct TSaved {
    float X, Y, Mass1, Mass2;
    std::vector<TFloatPoint> Punkte;
    std::vector<TSaved> Striche;
  };
  static TSaved Save(const TObjekt& e);
  static void Restore(TObjekt& e, const TSaved& s);

  TPlatine& board_;
  bool active_ = false;
  double dx_ = 0;
  double dy_ = 0;
  std::vector<TSaved> saved_;
};

}  // namespace corvane
