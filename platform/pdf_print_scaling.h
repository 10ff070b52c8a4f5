// Asking PDF viewers to print a finished file at its actual size, without rewriting it.
#pragma once

#include <string>

// Appends to the finished PDF file at path an update whose document catalog adds
// /ViewerPreferences << /PrintScaling /None >>: the catalog's own entries, a cross-reference
// section for it and a trailer pointing back (/Prev) to the previous one. Only the file's end
// and the catalog are read, so a file of any size costs the same. False, with the file as it
// was, when the file is not a PDF with a cross-reference table this can follow, or when its
// catalog already holds viewer preferences; false too when the file cannot be written.
bool AskViewersNotToScale(const std::string& path);
