// Every registry row as a descriptor of the UDR front end: its entry point, its kinds and the
// adapter instantiated over the routine the row publishes.
#include "convert/units.h"
#include "frame/registry.h"
#include "udr/adapter.h"

#define BRINDLE_UDR_EXTERN(sql, entry, routine, result, travel, args, width, nulls, traits, summary, example, \
                           answer)                                                                          \
    namespace brindle::routines {                                                                           \
    extern const BR_CANON(result, travel, args)::fn entry;                                                  \
    }
#define BRINDLE_FN BRINDLE_UDR_EXTERN
#include "registry_all.inc"
#undef BRINDLE_FN

#define BRU_INVOKER(result, travel, args) \
    ::brindle::udr::Invoker<BRK_##result, BRT_##travel BR_KINDS_C args>

#define BRINDLE_UDR_ROW(sql, entry, routine, result, travel, args, width, nulls, traits, summary, example, answer) \
    ::brindle::udr::Descriptor{                                                                                    \
        #sql,                                                                                                      \
        #entry,                                                                                                    \
        BRK_##result,                                                                                              \
        BRT_##travel,                                                                                              \
        BRX_##traits,                                                                                              \
        BRU_INVOKER(result, travel, args)::kinds,                                                                  \
        static_cast<unsigned>(sizeof(BRU_INVOKER(result, travel, args)::kinds) / sizeof(::brindle::frame::Kind)) - \
            1u,                                                                                                    \
        static_cast<double>(BRN_##nulls),                                                                          \
        &BRU_INVOKER(result, travel, args)::template run<&::brindle::routines::entry>},

namespace brindle::udr {

const Descriptor kTable[] = {
#define BRINDLE_FN BRINDLE_UDR_ROW
#include "registry_all.inc"
#undef BRINDLE_FN
};

const std::size_t kTableSize = sizeof kTable / sizeof kTable[0];

}  // namespace brindle::udr
