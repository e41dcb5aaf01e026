#pragma once
// Exact conversions between JSON values and the numbers, texts and bytes of
// the library's files. Readers throw BuildError naming the field.
//
// Floats are written with "%.9g", which reads back to the same 32-bit value;
// values that are not finite are written as a string "0x" followed by their
// eight-digit bit pattern, which the readers accept for any float.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "json.h"

namespace vtafx {

struct BuildError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

Json jsonF32(float value);
Json jsonUint(uint64_t value);
// A null text becomes JSON null.
Json jsonText(const char* text);
Json jsonHex(const void* bytes, size_t size);
Json jsonF32Array(const float* values, size_t count);

// The member key of object, or null when absent (or object is no object).
const Json* optional(const Json& object, const char* key);
// The member key of object; throws when absent.
const Json& required(const Json& object, const char* key);

float readF32(const Json& value, const char* what);
// As readF32; also "N%" for a whole percentage N, made as the editors do.
float readTime(const Json& value, const char* what);
uint32_t readUint(const Json& value, const char* what, uint32_t max = UINT32_MAX);
std::string readText(const Json& value, const char* what, size_t maxLength);
std::vector<uint8_t> readHex(const Json& value, const char* what, size_t maxBytes);
// The items of an array of at most maxItems items.
const std::vector<Json>& readArray(const Json& value, const char* what, size_t maxItems);
// Exactly count floats into out.
void readF32Array(const Json& value, const char* what, float* out, size_t count);

// Member helpers: a missing member gives fallback.
float memberF32(const Json& object, const char* key, float fallback = 0.0f);
uint32_t memberUint(const Json& object, const char* key, uint32_t max = UINT32_MAX,
                    uint32_t fallback = 0);

// True when the float's bits are all zero (so omitting it loses nothing).
bool zeroBits(float value);

}  // namespace vtafx
