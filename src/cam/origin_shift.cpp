#include "cam/origin_shift.h"

#include "geom/transforms.h"

namespace corvane {

TOriginShift::TSaved TOriginShift::Save(const TObjekt& e) {
  TSaved s{e.X, e.Y, e.Mass1, e.Mass2, e.Punkte, {}};
  s.Striche.reserve(e.Striche.size());
  for (const TObjekt& stroke : e.Striche) s.Striche.push_back(Save(stroke));
  return s;
}

void TOriginShift::Restore(TObjekt& e, const TSaved& s) {
  e.X = s.X;
  e.Y = s.Y;
  e.Mass1 = s.Mass1;
  e.Mass2 = s.Mass2;
  e.Punkte = s.Punkte;
  // The strokes of a text are not added or removed while the board is shifted.
  for (std::size_t i = 0; i < e.Striche.size() && i < s.Striche.size(); ++i)
    Restore(e.Striche[i], s.Striche[i]);
}

TOriginShift::TOriginShift(TPlatine& board, bool useOrigin) : board_(board), active_(useOrigin) {
  if (!active_) return;
  dx_ = -board.Kopf.UrsprungX / 1000.0;
  dy_ = -board.Kopf.UrsprungY / 1000.0 - board.Kopf.Hoehe;
  saved_.reserve(board.Elemente.size());
  for (TObjekt& e : board.Elemente) {
    saved_.push_back(Save(e));
    MoveElement(e, dx_, dy_);
  }
}

TOriginShift::~TOriginShift() {
  if (!active_) return;
  ElementList& list = board_.Elemente;
  for (std::size_t i = 0; i < list.size() && i < saved_.size(); ++i) Restore(list[i], saved_[i]);
}

}  // namespace corvane
