/* The plug-in's C interface: the nine functions a host calls.
 *
 * Every function is safe to call with any block type id; unknown ids give 0.
 * Buffers passed for parameter texts and records must hold at least the
 * sizes that Function_ParamLength and Function_CodeLength announce.
 */
#ifndef OSTREVAN_PLUGIN_H
#define OSTREVAN_PLUGIN_H

#include <stdint.h>

#if defined(_WIN32)
#define OSTREVAN_EXPORT
#elif defined(__GNUC__)
#define OSTREVAN_EXPORT __attribute__((visibility("default")))
#else
#define OSTREVAN_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* One memory area of the selected CPU, in the host's layout (28 bytes). */
struct AreaSize {
  char name[24];
  int32_t size;
};

enum { OSTREVAN_AREA_COUNT = 32 };

OSTREVAN_EXPORT void Variable_Init(const char *cpuModel, const struct AreaSize *areas32);
OSTREVAN_EXPORT int Function_ParamLength(int type, uint32_t *len);
OSTREVAN_EXPORT int Function_Default(int type, char *param);
OSTREVAN_EXPORT int Function_Edit(int type, char *param);
OSTREVAN_EXPORT int Function_CodeLength(int type, uint32_t *len);
OSTREVAN_EXPORT int Function_CodeStart(int unused);
OSTREVAN_EXPORT int Function_Code(int type, const char *param, uint8_t *record, uint32_t *len);
OSTREVAN_EXPORT int Function_Decode(int type, char *param, const uint8_t *record, uint32_t len);
OSTREVAN_EXPORT int Function_Config(const char *iniPath);

#ifdef __cplusplus
}
#endif

#endif
