#pragma once

#include "canvas/surface.h"

#include <string>

namespace canvas::testing {

// A small surface as text, one line per row: '.' for the back colour, '#'
// for black, 'r', 'g', 'b' for red, green, blue, '?' for anything else.
// Expected pictures are drawn by hand in the tests.
std::string picture(const Surface& surface);

// The same picture, built from rows written one per string.
std::string rows(std::initializer_list<const char*> lines);

// The same, written on one line with the rows separated by '/'.
std::string slashedRows(const char* lines);

// How many device pixels have the colour.
int countOf(const Surface& surface, Color color);

// True when two surfaces hold the same device pixels.
bool samePixels(const Surface& a, const Surface& b);

} // namespace canvas::testing
