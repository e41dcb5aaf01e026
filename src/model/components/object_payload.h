#pragma once
// The object's part of an "OBJ0" payload, after the common header, in order:
// pointCount; only when there are points: the points (3 reals each),
// morphCount and each morph record (entry count, record word, then per entry
// its word and two reals); then the motion block, morphPosition, the four
// settings, the 12-byte block, fade, surfaceNumber, morphFrames and the two
// object words.

#include "model/components/object.h"
#include "platform/byte_reader.h"

namespace vta {

// Parses into fields, which then own the arrays they were given. False on a
// short payload, counts the payload cannot hold, a morph record with more
// than kMorphEntries entries, or lack of memory; fields then own nothing.
bool readObjectBody(ByteReader& in, ObjectFields& fields);

void writeObjectBody(ByteWriter& out, const ObjectFields& fields);

// Releases the point and morph arrays and empties their counts.
void releaseObjectArrays(ObjectFields& fields);

}  // namespace vta
