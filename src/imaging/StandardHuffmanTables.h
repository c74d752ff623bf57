#pragma once

#include "imaging/HuffmanTable.h"

// The table a scan uses: the one the file defined, or else the example
// tables of the JPEG standard for slots 0 (luma) and 1 (chroma), which
// files from some cameras leave out; any other missing table decodes every
// code as zero.
const HuffmanTable& TableOrStandard(const HuffmanTable& defined, HuffmanTable::Class tableClass, int slot);
