#pragma once
// Grouping and ungrouping of the selected elements (Markiert = 1).

#include "core/element_list.h"

namespace corvane {

// Appends NewGroupId to every selected element. Nothing happens when fewer
// than two are selected or when all selected already share their outermost id.
// Returns true when a group was made.
bool GroupSelection(ElementList& list);

// Removes the outermost group id of every selected element.
void UngroupSelection(ElementList& list);

// Turns the single group numbers (AltGruppe) of version-1 files into group ids.
void ConvertVersion1Groups(ElementList& list);

}  // namespace corvane
