#pragma once
// Element-level operations shared by every subsystem: release, deep copy,
// reference remapping, group ids and the layer predicates.

#include <cstddef>
#include <cstdint>

#include "core/element_list.h"
#include "core/layers.h"
#include "core/objekt.h"

namespace corvane {

// Appends a copy of the point to Punkte / the id to Gruppen.
void AddPoint(TObjekt& e, TFloatPoint p);
void AddGroupId(TObjekt& e, int32_t id);

// Releases what the element owns (groups; connections of pads and SMD pads;
// points of pads, SMD pads, tracks and zones; strokes of texts). The record
// itself is released by the list that owns it.
void FreeElement(TObjekt& e);

// Deep copy of source into target; marks the source Kopiert = 1. Connections
// and autoroute links of the copy still point at the source's partners until
// RemapReferences re-points them.
void CopyElement(TObjekt& source, TObjekt& target);

// Re-points the references of the copies in `copies` from position `first` on,
// which are copies of the elements of `source` with Kopiert = 1, in source order.
// References to elements that were not copied are dropped.
void RemapReferences(const ElementList& source, ElementList& copies, std::size_t first);

// Copies every element of `source` to the end of `target` and re-points the
// references among the copies. Returns the index of the first copy.
std::size_t CopyList(ElementList& source, ElementList& target);

// 1 + the largest outermost group id of the list; 1 when nothing is grouped.
int32_t NewGroupId(const ElementList& list);

// Layer predicates. Those that need board state take it explicitly.
bool LayerVisible(int layer, const TLayerState& state);
bool OnLayer(const TObjekt& e, int layer);
bool OnVisibleLayer(const TObjekt& e, int layer, const TLayerState& state);
bool ElementVisible(const TObjekt& e, const TLayerState& state);
bool SameLayer(const TObjekt& a, const TObjekt& b);
bool IsThroughPad(const TObjekt& e);
bool IsHoleOnly(const TObjekt& e);
bool HasSolderOpening(const TObjekt& e);
bool ThermalApplies(const TObjekt& e, const TLayerState& state);

}  // namespace corvane
