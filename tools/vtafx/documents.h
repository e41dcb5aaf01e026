#pragma once
// Every kind of chunk file as a JSON document ({"kind": ..., ...}), loaded
// and written through the library's own readers and writers.

#include <string>

#include "json.h"

namespace vtafx {

// Loads the file by its magic. False with error set when it cannot be
// loaded at all; otherwise out holds what the library keeps, and complete
// tells whether the library's loader read the file to its end.
bool dumpDocument(const char* path, Json& out, bool& complete, std::string& error);

// Reads and parses a document file. Throws BuildError naming the file.
Json readDocumentFile(const std::string& path);

// Writes the document's file to path with the library's writer (replacing
// path only when the whole file was written). Throws BuildError.
void buildDocument(const Json& document, const char* path);

}  // namespace vtafx
