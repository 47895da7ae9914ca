# Test databases for the runners that drive an embedded Firebird engine (sourced, bash):
#   testdb_new <work dir> <isql> <module> <declaration script | -> <charset>
#       makes a private engine root in <work>/root for the module (Brindle_FB.so: legacy functions
#       allowed from its folder; lib*.so: a UDR module in the root's plugins/udr), exports
#       FIREBIRD, FIREBIRD_LOCK and ISC_USER for it, and leaves in TESTDB a database <work>/test.fdb
#       of that default character set with the declaration script run (none with '-').
#   testdb_create <isql> <database> [charset] [dialect]
#       an empty database in the current root.
# No test database flushes to disk at every commit: forced writes make each of a declaration
# script's hundreds of statements wait for the disk.
# A declared database is made once per declaration script, character set and engine, under a lock
# (parallel runners wait for the first one), kept in BRINDLE_TESTDB_CACHE (by default the folder
# testdb-cache beside the declaration script) and copied for each use; with BRINDLE_TESTDB_CACHE
# set empty, or the folder not writable, every use runs the script.

testdb_create() {
  local isql=$1 db=$2 charset=${3:-NONE} dialect=${4:-3} gfix
  printf 'set bail on;\nset sql dialect %s;\ncreate database %s user %s default character set %s;\n' \
    "$dialect" "'$db'" "'SYSDBA'" "$charset" > "$db.create.sql"
  "$isql" -q -i "$db.create.sql" || return 1
  rm -f "$db.create.sql"
  # gfix comes with isql; an engine tool set without it only makes slower databases.
  gfix=$(dirname "$isql")/gfix
  [ -x "$gfix" ] || gfix=$(command -v gfix || true)
  if [ -n "$gfix" ]; then "$gfix" -write async "$db"; else echo "note: no gfix, forced writes stay on" >&2; fi
}

# testdb_declared <isql> <declaration script> <charset> <database>: a new database, declared.
testdb_declared() {
  local isql=$1 declare=$2 charset=$3 db=$4
  testdb_create "$isql" "$db" "$charset" || return 1
  [ "$declare" = - ] && return 0
  { echo "set bail on;"; echo "connect '$db';"; cat "$declare"; echo "commit;"; } > "$db.declare.sql"
  if ! "$isql" -q -i "$db.declare.sql" > "$db.declare.log" 2>&1; then
    cat "$db.declare.log"
    echo "the declaration script $declare failed in a $charset database"
    return 1
  fi
  rm -f "$db.declare.sql" "$db.declare.log"
}

testdb_new() {
  local work=$1 isql=$2 module=$3 declare=$4 charset=$5
  local fbroot cache key template
  fbroot=$(dirname "${BASH_SOURCE[0]}")/../../scripts/fbroot.sh
  case "$(basename "$module")" in
    lib*.so) bash "$fbroot" "$work/root" "$module" ;;
    *) bash "$fbroot" "$work/root" "$(dirname "$module")" ;;
  esac
  export FIREBIRD="$work/root" FIREBIRD_LOCK="$work/lock" ISC_USER=SYSDBA
  TESTDB=$work/test.fdb
  cache=${BRINDLE_TESTDB_CACHE-$(dirname "$declare")/testdb-cache}
  if [ -z "$cache" ] || [ "$declare" = - ] || ! mkdir -p "$cache" 2> /dev/null || [ ! -w "$cache" ]; then
    testdb_declared "$isql" "$declare" "$charset" "$TESTDB"
    return
  fi
  cache=$(cd "$cache" && pwd)
  # The engine is part of the key: another version may write another on-disk structure.
  key=$({ cat "$declare"; echo "$charset"; cat "$(command -v "$isql")"; \
          cat "${BASH_SOURCE[0]}"; } | sha1sum | cut -c1-16)
  template=$cache/$charset-$key.fdb
  (
    flock 9
    if [ ! -f "$template" ]; then
      rm -f "$template.new"
      testdb_declared "$isql" "$declare" "$charset" "$template.new" || exit 1
      mv "$template.new" "$template"
      # Templates of earlier declaration scripts go after a day unused.
      find "$cache" \( -name '*.fdb' -o -name '*.fdb.lock' \) -mmin +1440 -delete 2> /dev/null || true
    fi
    touch "$template"
    cp "$template" "$TESTDB"
  ) 9> "$template.lock"
}
