#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zentrel {

// The reference document keeps each generated table between the lines
// "<!-- generated: KEY -->" and "<!-- end generated -->", KEY being the
// section's key; everything else in it is written by hand.

// Replaces every generated table of `text` by the current one. False, with the
// problems, when the markers of a section are missing.
bool updateReferenceDocument(std::string& text, std::vector<std::string>& problems);

// What is wrong with the document: a generated table that is missing or out of
// date, an entry of the engine's tables without its row, a table row whose name
// is not in the tables. Empty when the document is right.
std::vector<std::string> checkReferenceDocument(std::string_view text);

}  // namespace zentrel
