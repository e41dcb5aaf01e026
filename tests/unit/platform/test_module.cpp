// A tiny shared library for the dynamic-library tests.

#ifdef _WIN32
#define VTA_TEST_EXPORT extern "C" __attribute__((dllexport))
#else
#define VTA_TEST_EXPORT extern "C" __attribute__((visibility("default")))
#endif

VTA_TEST_EXPORT int vtaTestAnswer() { return 42; }
