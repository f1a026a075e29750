#pragma once

// `velmora-cli names`: the names of today's drawings that Velmora reads, and what one
// name reads as and why.

#include <QByteArray>

#include <string_view>

namespace velmora::cli {

// A header line, then name, designation, kind and standard, tab-separated, a row a
// line; a refused name has "-" for its designation.
QByteArray namesAsText();
// An array of objects: name, material (null where refused), kind, standard, fact.
QByteArray namesAsJson();

// What `typed` reads as, a sentence a line; `found` says whether it names a material.
QByteArray nameAsText(std::string_view typed, bool* found);
// {typed, material (or null), by, standard, fact, text: the lines of nameAsText}.
QByteArray nameAsJson(std::string_view typed, bool* found);

} // namespace velmora::cli
