// The library's functions as SQL sees them: every registry row, how each argument kind is
// declared and recorded (from the kinds table, catalog/kinds.h), the statements that declare,
// switch and drop a function through either front end, and the scripts and lists written from
// them. Every tool (registry_gen, reference_gen, brindle-register) takes its declarations from
// here, so all of them always say the same.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "catalog/kinds.h"
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

inline constexpr int kUdrDefaultWidth = 1024;
inline constexpr const char* kLegacyModule = "Brindle_FB";
inline constexpr const char* kUdrModule = "brindle_udr";

enum class Front { legacy, udr };

// ---- the kinds ---------------------------------------------------------------------------
// The table is catalog/kinds.h (kind_sql, is_text, is_blob); a kind's type through one front end:
const SqlType& sql_type(frame::Kind k, Front f);

// The declared type of a kind W wide (W matters for text only): with its character set in a
// declaration, without it in the reference.
std::string declared_type(frame::Kind k, Front f, int width, bool with_charset = true);

// What the engine records for a kind W wide: field type, length and character set.
struct Recorded {
    int field_type, length;
    bool charset_none;
    int sub_type;
};
Recorded recorded(frame::Kind k, Front f, int width);

// A recorded field type and length as a declaration names it (CSTRING(32767), BLOB SUB_TYPE
// TEXT), for reports of what a database has.
std::string recorded_name(int field_type, int length, int sub_type);

// The widest result a row gives when its text arguments are declared arg_width wide, never
// more than limit; 0 for a result that is not text.
int result_width(const Row& r, int arg_width, int limit);
// The declared width of a row's text result through a front end whose text arguments are W
// wide (the legacy text arguments are always kLegacyText).
int result_width(const Row& r, Front f, int width);

// A function that writes a blob is never DETERMINISTIC: an engine that caches a deterministic
// call with constant arguments would hand one temporary blob to every row.
bool deterministic(const Row& r);

// ---- the statements ------------------------------------------------------------------------
// Without a terminating semicolon. `name` is the SQL name to use (a database may have the
// function under another name already).
std::string legacy_declaration(const Row& r, const std::string& name);
std::string legacy_drop(const std::string& name);

// A legacy blob writer (an output blob, RETURNS PARAMETER n) is declared under an internal name,
// BRINDLE$ENTRY, and called through a PSQL function of its public name that returns a text blob
// of character set NONE: the legacy syntax can declare only a binary blob, which a cast to text
// turns into a full stop for every byte above 0x7F. Its text parameters are VARCHAR(32765)
// CHARACTER SET NONE, the widest PSQL text; its blob parameters stay binary, which passes every
// byte on. The statements below have no terminator and may contain semicolons (a PSQL body).
bool legacy_wrapped(const Row& r);
std::string legacy_internal_name(const Row& r);
// CREATE FUNCTION name (...) RETURNS BLOB SUB_TYPE TEXT CHARACTER SET NONE AS BEGIN RETURN ...; END
std::string legacy_wrapper(const Row& r, const std::string& name, bool alter = false);
// Lets the wrapper (only) call the internal declaration.
std::string legacy_wrapper_grant(const Row& r, const std::string& name);
// Every statement that declares a row through the legacy front end under `name`, in order; and
// every one that drops it.
std::vector<std::string> legacy_statements(const Row& r, const std::string& name);
std::vector<std::string> legacy_drops(const Row& r, const std::string& name);
// The type a wrapper declares for a kind (text VARCHAR(32765), blob arguments binary, the blob
// result a text blob), and what the engine records for it.
std::string wrapper_type(frame::Kind k, bool result, bool with_charset = true);
Recorded wrapper_recorded(frame::Kind k, bool result);
std::string udr_declaration(const Row& r, const std::string& name, int width);  // CREATE FUNCTION
std::string udr_alteration(const Row& r, const std::string& name, int width);   // ALTER FUNCTION
std::string udr_drop(const std::string& name);

// The UDR external name of a row: brindle_udr!entry.
std::string udr_external_name(const Row& r);

// The dialect guard both scripts start with.
extern const char* const kDialectCheck;

// ---- the generated files (registry_gen) ------------------------------------------------------
// One writer each, over every row in registry order; `width` is the UDR text width (unused
// by the others).
struct Output {
    const char* name;  // the registry_gen argument: declare, udr-kinds, ...
    bool takes_width;
    void (*write)(std::ostream& o, int width);
    const char* about;
};
const std::vector<Output>& outputs();

// Writes text to a file unless the file already holds exactly that; false when it cannot.
bool write_if_changed(const std::string& path, const std::string& text);

}  // namespace brindle::catalog
