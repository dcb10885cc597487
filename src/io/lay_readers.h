#pragma once
// The board readers of each file version (used by ParseLayout). Each reads
// one board from the parser's position, converts it to the current fields and
// cleans it up; on failure the parser holds the error.

#include "core/board.h"
#include "io/lay_parser.h"

namespace corvane {

// Version 5: name, 499-byte header, elements, connections, autoroute links.
bool ReadBoardV5(LayParser& p, TPlatine& board);
// Versions 3 and 4 (p.Version()): name, old header, old element records.
bool ReadBoardV3(LayParser& p, TPlatine& board);
// Versions 0..2: the single board of the file: width, height and elements.
bool ReadBoardV0(LayParser& p, TPlatine& board);

// One element block of each version at the parser's position, checked with
// CheckElement (used by the board readers and the macro reader). Version 5:
// disk image, Text, Name, groups, points or strokes. Versions 3 and 4
// (p.Version()): the old record, (version 4: Text,) groups, points, strokes
// and a pad's twin index in Partner. Versions 0..2: the old record, (version
// 2: groups,) points of zones and tracks.
bool ReadElementV5(LayParser& p, TObjekt& e);
bool ReadElementV3(LayParser& p, TObjekt& e);
bool ReadElementV0(LayParser& p, TObjekt& e);

// Shared by the readers: fails with BadValue when an element or the header
// holds a value later code cannot work with.
bool CheckElement(LayParser& p, const TObjekt& e, std::size_t offset);
bool CheckHeader(LayParser& p, const TPlatinenKopf& h, std::size_t offset);
// After the conversions of an old version: the points made for pads, SMD pads
// and old lines must be usable as well. `boardOffset` is where the board starts.
bool CheckConvertedBoard(LayParser& p, const ElementList& list, std::size_t boardOffset);

// Reads the connection list of one element: a count and element indices,
// which must lie in 0..ids.size()-1, replaced by the elements' references.
bool ReadConnections(LayParser& p, const std::vector<ObjRef>& ids, TObjekt& e);
// Reads the autoroute block: two indices for every element with Autoroute
// set, in list order. The links of tracks are set; a negative index leaves a
// link empty.
bool ReadAutorouteLinks(LayParser& p, ElementList& list, const std::vector<ObjRef>& ids);

}  // namespace corvane
