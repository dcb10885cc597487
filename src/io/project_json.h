#pragma once
// JSON form of a project and of elements (corvane-cli dump, macro dumps).
// Keys are the field names; strings are converted from code page 1252 to
// UTF-8; floats are written in the shortest form that reads back as the same
// single-precision value.

#include <string>

#include "core/element_list.h"
#include "core/project.h"

namespace corvane {

// Appends one element as a JSON object. Connections and autoroute links are
// written as indices into `list` (-1 for an element that is not in it);
// "Striche" is the number of strokes.
void AppendElementJson(std::string& out, const TObjekt& e, const ElementList& list);

// The whole project: `version` is that of the file it was read from.
std::string ProjectToJson(const TProject& project, int version);

// Helpers for other JSON writers.
void AppendJsonString(std::string& out, const std::string& cp1252);
void AppendJsonFloat(std::string& out, float v);
void AppendJsonDouble(std::string& out, double v);

}  // namespace corvane
