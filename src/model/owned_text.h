#pragma once
// Heap strings owned by records (see platform/memory.h): made, replaced and
// released through the process heap so a host or plug-in can free them too.

namespace vta {

// A fresh heap copy of text, or null for null text or when memory runs out.
char* duplicateText(const char* text);

// Releases slot's string and stores a copy of text (null clears it).
void replaceText(char*& slot, const char* text);

// Copies text (null: the empty string) into buffer of size bytes, cut to fit.
void copyTextOut(char* buffer, unsigned size, const char* text);

}  // namespace vta
