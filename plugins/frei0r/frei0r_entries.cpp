// The frei0r entries of vantaro.so: a mixer2 transition that renders an
// installed Vantaro effect between its two input frames (docs/sdk.md,
// "The frei0r transition"). Hosts know nothing of C++ exceptions, so each
// entry runs its body through the boundary guard.

#include "final_render.h"
#include "installation_choice.h"
#include "platform/boundary.h"
#include "transition_instance.h"

// frei0r.h declares the entries without C linkage of its own.
#pragma GCC visibility push(default)
extern "C" {
#include <frei0r.h>
}
#pragma GCC visibility pop

namespace {

using vta::frei0r::TransitionInstance;

TransitionInstance* instanceOf(f0r_instance_t instance) {
  return static_cast<TransitionInstance*>(instance);
}

struct ParameterInfo {
  const char* name;
  int type;
  const char* explanation;
};

// In the order of vta::frei0r::ParameterIndex.
constexpr ParameterInfo kParameters[] = {
    {"effect", F0R_PARAM_STRING, "Name of the installed effect; empty: the record's effect"},
    {"record", F0R_PARAM_STRING,
     "Saved record file whose options, envelopes, paths and mapped files are used; may be empty"},
    {"installation", F0R_PARAM_STRING,
     "Installation folder; default: $VANTARO_INSTALL or the sample installation"},
    {"progress", F0R_PARAM_DOUBLE,
     "Moment of the transition: 0 the outgoing frame, 1 the incoming one; animate it"},
};
static_assert(sizeof kParameters / sizeof kParameters[0] == vta::frei0r::kParameterCount);

}  // namespace

extern "C" {

int f0r_init(void) { return 1; }

void f0r_deinit(void) {
  vta::guarded(false, [] { return vta::frei0r::forgetInstallation(), true; });
}

void f0r_get_plugin_info(f0r_plugin_info_t* info) {
  info->name = "Vantaro";
  info->author = "Corvane";
  info->plugin_type = F0R_PLUGIN_TYPE_MIXER2;
  info->color_model = F0R_COLOR_MODEL_RGBA8888;
  info->frei0r_version = FREI0R_MAJOR_VERSION;
  info->major_version = 3;
  info->minor_version = 0;
  info->num_params = vta::frei0r::kParameterCount;
  info->explanation = "Renders an installed Vantaro 3D transition between the two clips";
}

void f0r_get_param_info(f0r_param_info_t* info, int param_index) {
  if (param_index < 0 || param_index >= vta::frei0r::kParameterCount) return;
  info->name = kParameters[param_index].name;
  info->type = kParameters[param_index].type;
  info->explanation = kParameters[param_index].explanation;
}

f0r_instance_t f0r_construct(unsigned int width, unsigned int height) {
  if (width == 0 || height == 0 || width > vta::render::kMaxFrameSide ||
      height > vta::render::kMaxFrameSide)
    return nullptr;
  return vta::guarded<f0r_instance_t>(nullptr, [&] { return new TransitionInstance(width, height); });
}

void f0r_destruct(f0r_instance_t instance) {
  vta::guarded(false, [&] { return delete instanceOf(instance), true; });
}

void f0r_set_param_value(f0r_instance_t instance, f0r_param_t param, int param_index) {
  vta::guarded(false, [&] { return instanceOf(instance)->parameters().set(param_index, param), true; });
}

void f0r_get_param_value(f0r_instance_t instance, f0r_param_t param, int param_index) {
  vta::guarded(false, [&] { return instanceOf(instance)->parameters().get(param_index, param), true; });
}

void f0r_update2(f0r_instance_t instance, double, const uint32_t* inframe1,
                 const uint32_t* inframe2, const uint32_t*, uint32_t* outframe) {
  vta::guarded(false, [&] {
    instanceOf(instance)->update(reinterpret_cast<const uint8_t*>(inframe1),
                                 reinterpret_cast<const uint8_t*>(inframe2),
                                 reinterpret_cast<uint8_t*>(outframe));
    return true;
  });
}

// Hosts call f0r_update2 for a mixer; one frame given alone is drawn as
// the transition between it and itself.
void f0r_update(f0r_instance_t instance, double time, const uint32_t* inframe,
                uint32_t* outframe) {
  f0r_update2(instance, time, inframe, inframe, nullptr, outframe);
}

}  // extern "C"
