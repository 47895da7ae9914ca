#!/usr/bin/env bash
# Explains failed checks of an SQL test file, in the database the file ran in:
#   explain.sh <isql> <database> <test.sql> <COLUMN>...
# (FIREBIRD and the rest of the engine's environment as for the run.) A check is a column
# `iif(<condition>, 'ok', 'FAIL') as <column>`. For each failed column this prints its condition
# and, when the check sits in a select, runs that select again with the check replaced by the
# parts of its condition (split at the top-level `and`): for each part that does not hold, what
# its left side gave and what its right side expected (hex when a value has bytes outside ASCII's
# printable range). A check assigned inside a block (`x = iif(...)`) gets its condition only.
set -uo pipefail
isql=$1 db=$2 test=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Each check found (n): its condition and parts in $work/checks, the statements that evaluate it
# again in $work/explain.sql, first with hex values ("n 1"), then plain ones ("n 0").
awk -v names="$*" -v out="$work/explain.sql" -v side="$work/checks" -v dbname="$db" '
  function blank(s,    i, c, n, st, r) {  # s with string, identifier and comment contents as spaces
    r = ""; st = 0; n = length(s)
    for (i = 1; i <= n; i++) {
      c = substr(s, i, 1)
      if (st == 0) {
        if (c == "\047" || c == "\"") { st = c; r = r c; continue }
        if (substr(s, i, 2) == "--") st = "-"
        else if (substr(s, i, 2) == "/*") st = "*"
        r = r (st == 0 ? tolower(c) : " ")
      } else if (st == "-") { if (c == "\n") { st = 0; r = r c } else r = r " " }
      else if (st == "*") { r = r " "; if (substr(s, i - 1, 2) == "*/") st = 0 }
      else if (c == st) {
        if (substr(s, i + 1, 1) == st) { r = r "  "; i++ } else { st = 0; r = r c }
      } else r = r (c == "\n" ? c : " ")
    }
    return r
  }
  function isword(c) { return c ~ /[a-z0-9_$]/ }
  function wordat(s, i, w) {  # the word w at position i of s, standing alone
    return substr(s, i, length(w)) == w && !isword(substr(s, i - 1, 1)) && !isword(substr(s, i + length(w), 1))
  }
  function trim(s) { gsub(/^[ \t\n]+|[ \t\n]+$/, "", s); return s }
  # Splits [a, b) of the text at depth 0 at the separator (a word, or "," ), into pa[]/pb[]; returns the count.
  function split_at(a, b, sep,    i, d, k, c, between) {
    k = 1; pa[1] = a; d = 0; between = 0
    for (i = a; i < b; i++) {
      c = substr(code, i, 1)
      if (c == "(" || wordat(code, i, "case")) d++
      else if (c == ")" || wordat(code, i, "end")) d--
      else if (d == 0 && wordat(code, i, "between")) between = 1
      else if (d == 0 && ((sep == "," && c == ",") || (sep != "," && wordat(code, i, sep)))) {
        if (sep == "and" && between) { between = 0; continue }
        pb[k] = i; k++; pa[k] = i + length(sep)
      }
    }
    pb[k] = b
    return k
  }
  # The comparison of the part [a, b): sets lhs, op and rhs (op "" when there is none).
  function comparison(a, b,    i, d, c, two, rest) {
    op = ""; d = 0
    for (i = a; i < b; i++) {
      c = substr(code, i, 1); two = substr(code, i, 2)
      if (c == "(" || wordat(code, i, "case")) d++
      else if (c == ")" || wordat(code, i, "end")) d--
      else if (d == 0 && (two == "<>" || two == "!=" || two == "<=" || two == ">=")) { op = two; break }
      else if (d == 0 && (c == "=" || c == "<" || c == ">")) { op = c; break }
      else if (d == 0 && wordat(code, i, "is")) {
        rest = substr(code, i, b - i); gsub(/[ \t\n]+/, " ", rest); rest = trim(rest)
        if (rest == "is null" || rest == "is not null") {
          lhs = trim(substr(text, a, i - a)); op = rest; rhs = "null"; return
        }
        if (rest ~ /^is (not )?distinct from /) {
          op = rest; sub(/ from .*/, " from", op)
          lhs = trim(substr(text, a, i - a))
          rhs = substr(text, i, b - i); sub(/^[iI][sS][ \t\n]+([nN][oO][tT][ \t\n]+)?[dD][iI][sS][tT][iI][nN][cC][tT][ \t\n]+[fF][rR][oO][mM]/, "", rhs)
          rhs = trim(rhs); return
        }
        return
      }
    }
    if (op == "") return
    lhs = trim(substr(text, a, i - a)); rhs = trim(substr(text, i + length(op), b - i - length(op)))
  }
  # The select items that give an expression: its first 200 characters, as hex (isql shows bytes
  # of character set OCTETS so) with its length in bytes, or else as it is.
  function value(e, j, v, len) {
    if (!hex) return sprintf("%s as brd_%s%d, ", e, v, j)
    return sprintf("cast(substring(%s from 1 for 200) as varchar(800) character set octets) as brd_%s%d, " \
                   "octet_length(%s) as brd_%s%d, ", e, v, j, e, len, j)
  }
  function line_of(p,    s) { s = substr(text, 1, p); return gsub(/\n/, "", s) + 1 }
  { text = text $0 "\n" }
  END {
    code = blank(text); n = length(code)
    # Statements: [sa[k], sb[k]), the terminator changed by set term.
    term = ";"; ns = 1; sa[1] = 1
    for (i = 1; i <= n; i++) {
      if (substr(code, i, length(term)) != term) continue
      sb[ns] = i; s = substr(code, sa[ns], i - sa[ns]); gsub(/[ \t\n]+/, " ", s); s = trim(s)
      if (s ~ /^set term /) { term = substr(s, 10); sub(/ .*/, "", term) }
      i += length(term) - 1; ns++; sa[ns] = i + 1
    }
    sb[ns] = n + 1
    print "connect \047" dbname "\047;\nset list on;\nset bail off;" > out
    nn = split(tolower(names), name, " ")
    for (k = 1; k <= nn; k++) {
      found = 0
      for (s = 1; s <= ns; s++) {
        st = substr(code, sa[s], sb[s] - sa[s])
        # "... ) as <name>" closing an iif, or "<name> = iif(" in a block
        for (p = 1; p <= length(st); p++) {
          if (!wordat(st, p, name[k])) continue
          q = sa[s] + p - 1
          before = substr(code, sa[s], q - sa[s]); after = substr(code, q + length(name[k]))
          if (before ~ /\)[ \t\n]*as[ \t\n]+$/) {
            close_ = q - 1; while (substr(code, close_, 1) != ")") close_--
            d = 0
            for (open_ = close_; open_ >= sa[s]; open_--) {
              c = substr(code, open_, 1)
              if (c == ")") d++; else if (c == "(") { d--; if (d == 0) break }
            }
            inblock = 0
          } else if (after ~ /^[ \t\n]*=[ \t\n]*iif[ \t\n]*\(/) {
            open_ = q + length(name[k]) + index(after, "(") - 1
            d = 0
            for (close_ = open_; close_ < sb[s]; close_++) {
              c = substr(code, close_, 1)
              if (c == "(") d++; else if (c == ")") { d--; if (d == 0) break }
            }
            inblock = 1
          } else continue
          w = substr(code, 1, open_ - 1); sub(/[ \t\n]*$/, "", w)
          iifat = length(w) - 2
          if (!wordat(code, iifat, "iif")) continue
          if (split_at(open_ + 1, close_, ",") != 3) continue
          found = 1; ni++
          ca = pa[1]; cb = pb[1]
          c = trim(substr(text, ca, cb - ca)); gsub(/[ \t\n]+/, " ", c)
          printf "C %d %s (line %d): %s\n", ni, toupper(name[k]), line_of(q), c > side
          if (inblock || substr(code, sa[s], sb[s] - sa[s]) !~ /^[ \t\n]*(select|with)[ \t\n]/) {
            printf "B %d\n", ni > side; continue
          }
          np = split_at(ca, cb, "and")
          for (j = 1; j <= np; j++) { qa[j] = pa[j]; qb[j] = pb[j] }
          for (hex = 1; hex >= 0; hex--) {
            cols = ""
            for (j = 1; j <= np; j++) {
              part = trim(substr(text, qa[j], qb[j] - qa[j]))
              comparison(qa[j], qb[j])
              if (hex) { p1 = part; gsub(/[ \t\n]+/, " ", p1); printf "P %d %d %s\n", ni, j, p1 > side }
              cols = cols sprintf("iif(%s, \047holds\047, \047fails\047) as brd_p%d, ", part, j)
              if (op == "") continue
              if (hex) printf "O %d %d %s\n", ni, j, op > side
              cols = cols value(lhs, j, "g", "h")
              if (rhs != "null") cols = cols value(rhs, j, "e", "f")
            }
            printf "select \047%d %d\047 as brd_check from rdb$database;\n", ni, hex > out
            printf "%s%s\047-\047%s;\n", substr(text, sa[s], iifat - sa[s]), cols, substr(text, close_ + 1, sb[s] - close_ - 1) > out
          }
        }
      }
      if (!found) printf "N %s\n", toupper(name[k]) > side
    }
  }
' "$test"
touch "$work/checks"
"$isql" -q -m -i "$work/explain.sql" > "$work/out" 2>&1
awk -v checks="$work/checks" '
  function shown(v, hex, len,    i, r, n, printable, more) {  # a value, its first 100 bytes
    if (v == "<null>") return "null"
    if (!hex) len = length(v)
    more = len > 100 ? sprintf("... (%d bytes)", len) : ""
    if (!hex) return "\047" substr(v, 1, 100) "\047" more
    v = substr(v, 1, 200); r = ""; printable = 1
    for (i = 1; i < length(v); i += 2) {
      n = (index("0123456789ABCDEF", substr(v, i, 1)) - 1) * 16 + index("0123456789ABCDEF", substr(v, i + 1, 1)) - 1
      if (n < 32 || n > 126) printable = 0
      r = r sprintf("%c", n)
    }
    return (printable ? "\047" r "\047" : "x\047" v "\047") more
  }
  function row_end() {  # the row just read: the parts that do not hold
    if (row == "") return
    nrows[sec]++; rows[sec, nrows[sec]] = row; row = ""
  }
  # The output: per section "n hex", rows of "j kind value" lines and the errors.
  $1 == "BRD_CHECK" { row_end(); sec = $2 " " $3; next }
  sec == "" { next }
  $1 ~ /^BRD_[PGEHF][0-9]+$/ {
    v = $0; sub(/^[^ \t]+[ \t]+/, "", v)
    if ($1 == "BRD_P1") row_end()
    row = row substr($1, 6) "\t" substr($1, 5, 1) "\t" v "\n"; next
  }
  /^Statement failed/ || (err[sec] != "" && $0 != "") { row_end(); err[sec] = err[sec] "     " $0 "\n" }
  END {
    row_end()
    while ((getline l < checks) > 0) {
      split(l, w, " ")
      rest = l; sub(/^[A-Z] [^ ]+ /, "", rest)
      if (w[1] == "N") { nc++; what[nc] = "  " w[2] ": no iif(..., \047ok\047, \047FAIL\047) for it in the file"; continue }
      if (w[1] == "C") { nc++; what[nc] = "  " rest; id[nc] = w[2]; continue }
      if (w[1] == "B") { block[w[2]] = 1; continue }
      sub(/^[0-9]+ /, "", rest)
      if (w[1] == "P") part[w[2], w[3]] = rest
      if (w[1] == "O") op[w[2], w[3]] = rest
    }
    for (c = 1; c <= nc; c++) {
      print what[c]
      n = id[c]
      if (n == "") continue
      if (block[n]) { print "   (inside a block: not evaluated again)"; continue }
      hex = nrows[n " 1"] > 0; sec = n " " hex
      if (nrows[sec] == 0) { printf "   could not evaluate it again:\n%s%s", err[n " 1"], err[n " 0"]; continue }
      for (r = 1; r <= nrows[sec]; r++) {
        split("", holds); split("", got); split("", want); split("", glen); split("", wlen); any = 0
        m = split(rows[sec, r], ln, "\n")
        for (i = 1; i <= m; i++) {
          if (split(ln[i], f, "\t") < 3) continue
          if (f[2] == "P") holds[f[1]] = f[3]; else if (f[2] == "G") got[f[1]] = f[3]
          else if (f[2] == "E") want[f[1]] = f[3]; else if (f[2] == "H") glen[f[1]] = f[3]; else wlen[f[1]] = f[3]
        }
        for (j = 1; (n, j) in part; j++) {
          if (holds[j] == "holds") continue
          any = 1
          printf "   does not hold: %s\n", part[n, j]
          o = op[n, j]
          if (o == "") continue
          printf "     got:      %s\n", shown(got[j], hex, glen[j])
          if (o ~ /null$/) printf "     expected: %s\n", (o == "is null" ? "null" : "not null")
          else printf "     expected: %s%s\n", (o == "=" || o == "is not distinct from" ? "" : o " "), shown(want[j], hex, wlen[j])
        }
        if (!any) print "   (every part holds when evaluated again)"
      }
    }
  }
' "$work/out"
