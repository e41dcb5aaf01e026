// A tiny warp plug-in for the warp tests: it exports two of the three entry
// points a warp plug-in may have.

#ifdef _WIN32
#define VTA_TEST_EXPORT extern "C" __attribute__((dllexport))
#else
#define VTA_TEST_EXPORT extern "C" __attribute__((visibility("default")))
#endif

VTA_TEST_EXPORT int VTA_Warp() { return 1; }

VTA_TEST_EXPORT int VTA_Warp_Set() { return 2; }
