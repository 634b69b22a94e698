// The nine functions the host calls. Each one works on the plug-in object
// or on one fresh entity, and no exception ever leaves them: a failure
// inside becomes the export's failure result.
#include <new>

#include "core/app.h"
#include "core/catalogue.h"
#include "core/factory.h"
#include "ostrevan/plugin.h"

namespace {

using ostrevan::App;
using ostrevan::CFbdEntity;
using ostrevan::CreateEntity;

template <class Call>
auto Guarded(decltype(std::declval<Call>()()) on_failure, Call call) noexcept {
  try {
    return call();
  } catch (...) {  // the host cannot take an exception; its failure result says it
    return on_failure;
  }
}

// Creates the entity, makes the one call, deletes the entity; 0 for no entity.
template <class Call>
int WithEntity(int type, Call call) noexcept {
  return Guarded(0, [&] {
    ostrevan::EntitySlot slot;
    CFbdEntity* entity = CreateEntity(type, slot);
    return entity ? call(*entity) : 0;
  });
}

}  // namespace

extern "C" {

void Variable_Init(const char* cpuModel, const AreaSize* areas32) {
  Guarded(0, [&] {
    App().VariableInit(cpuModel, areas32);
    return 0;
  });
}

int Function_ParamLength(int type, uint32_t* len) {
  return WithEntity(type, [&](CFbdEntity& e) { return e.GetParamLength(len); });
}

int Function_Default(int type, char* param) {
  return WithEntity(type, [&](CFbdEntity& e) { return e.SetDefault(param); });
}

int Function_Edit(int type, char* param) {
  return WithEntity(type, [&](CFbdEntity& e) { return e.Edit(param); });
}

int Function_CodeLength(int type, uint32_t* len) {
  return WithEntity(type, [&](CFbdEntity& e) { return e.GetCodeLength(len); });
}

int Function_CodeStart(int /*unused*/) {
  return Guarded(0, [] { return App().CodeStart(); });
}

int Function_Code(int type, const char* param, uint8_t* record, uint32_t* len) {
  return Guarded(0, [&] { return App().Code(type, param, record, len); });
}

int Function_Decode(int type, char* param, const uint8_t* record, uint32_t len) {
  return Guarded(0, [&] {
    const ostrevan::BlockEntry* block = ostrevan::FindBlock(type);
    return block ? block->decode(param, record, len) : 0;
  });
}

int Function_Config(const char* iniPath) {
  return Guarded(0, [&] { return App().Config(iniPath); });
}

}  // extern "C"
