// The library's functions as SQL sees them: every registry row, and the statements that
// declare, switch and drop it through either front end. Shared by the script generator and
// the registration command, so both always say the same.
#pragma once

#include <string>
#include <vector>

#include "frame/registry.h"

namespace brindle::catalog {

struct Row {
    std::string sql, entry;
    frame::Kind result;
    frame::Travel travel;
    std::vector<frame::Kind> args;
    frame::Width width;
    frame::Traits traits;
    std::string nulls;  // "PLAIN" or "FALLBACK(v)", as the row says
    std::string summary, example, answer;
    std::string table;  // the registry table the row comes from, e.g. "string/basic"
    std::vector<std::string> notes;  // the row's BRINDLE_NOTE lines, in order
};

// Every row, in registry order.
const std::vector<Row>& rows();

inline constexpr int kLegacyText = 32767;  // the legacy text arguments' declared width
inline constexpr int kUdrMaxText = 32765;  // the widest UDR VARCHAR
inline constexpr int kUdrDefaultWidth = 1024;
inline constexpr const char* kLegacyModule = "Brindle_FB";
inline constexpr const char* kUdrModule = "brindle_udr";

bool is_text(frame::Kind k);
bool is_blob(frame::Kind k);

// The widest result a row gives when its text arguments are declared arg_width wide, never
// more than limit; 0 for a result that is not text.
int result_width(const Row& r, int arg_width, int limit);

// The statements, without a terminating semicolon. `name` is the SQL name to use (a database
// may have the function under another name already).
std::string legacy_declaration(const Row& r, const std::string& name);
std::string legacy_drop(const std::string& name);
std::string udr_declaration(const Row& r, const std::string& name, int width);  // CREATE FUNCTION
std::string udr_alteration(const Row& r, const std::string& name, int width);   // ALTER FUNCTION
std::string udr_drop(const std::string& name);

// The UDR external name of a row: brindle_udr!entry.
std::string udr_external_name(const Row& r);

// The dialect guard both scripts start with.
extern const char* const kDialectCheck;

}  // namespace brindle::catalog
