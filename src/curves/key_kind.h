#pragma once
// What sets the two kinds of key apart where they are edited alike: the
// values a key carries besides its time and its spline fields, and how close
// a key's time must lie to a time for the key to be the one "at" that time.
// EnvelopeKey and PathKey each specialise KeyKind.

namespace vta {

template <class Key>
struct KeyKind;

}  // namespace vta
