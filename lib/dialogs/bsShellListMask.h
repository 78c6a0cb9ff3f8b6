#pragma once
#include <string>

// Whether a file list's mask lets a file name through. The mask holds patterns separated by
// ";" or "|", tried in order; an empty pattern (two separators in a row) passes nothing, and an
// empty mask passes no file. "*.*" and "*" pass every name, dotted or not (most files here
// have no extension); any other pattern must match the whole name, letters without case, with
// "*", "?" and bracketed sets. An empty name (an item without a file-system path) passes only
// those two.
bool NamePassesMask(const std::string& mask, const std::string& name);
