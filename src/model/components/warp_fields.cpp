#include "model/components/warp_fields.h"

namespace vta {

namespace {

const FieldLayout kTable[] = {
    {"name", FieldType::kText, offsetof(WarpFields, warpName), sizeof WarpFields::warpName},
    {"amount", FieldType::kF32, offsetof(WarpFields, warpAmount), 1},
};

}  // namespace

FieldTable warpFieldTable() { return tableOf(kTable); }

}  // namespace vta
