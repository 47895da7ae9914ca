"""The SQL suite through one front end in databases of one default character set:

    sql_suite.py BUILD_DIR legacy|udr NONE|UTF8 WORK_DIR

Runs, each in a fresh database with the functions declared: every tests/integration/*.sql file
(tests/udr/udr.sql too for UDR) and build/generated/examples.sql, where every column of every row
must say 'ok'; the error cases of tests/integration/errors/*.cases (format: run_errors.sh); and the
comparison of what the engine recorded for every argument and result with the registry's kinds.
The engine is the one whose root FIREBIRD names, through the client library FB_CLIENT names;
its version must start with FB_ENGINE.
Prints a line per check that fails, and last 'RESULT <passed> <failed>'.
"""
import glob
import os
import re
import sys

import fbsql
from firebird.driver import DatabaseError

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


class Tally:
    def __init__(self):
        self.passed = self.failed = 0

    def check(self, ok, what):
        if ok:
            self.passed += 1
        else:
            self.failed += 1
            print('FAIL ' + what.replace('\n', ' | '), flush=True)


def as_bytes(v):
    if v is None:
        return b'<null>'
    if isinstance(v, bytes):
        return v
    return str(v).encode('latin-1')


def shown(v):
    return repr(v if not isinstance(v, str) else v.rstrip())[:200]


def run_file(session, path, tally):
    """No column says 'FAIL' and some column says 'ok' (other columns only inform)."""
    name = os.path.relpath(path, REPO) if path.startswith(REPO) else path
    before = tally.passed
    for line, stmt, words in fbsql.split(fbsql.read(path)):
        try:
            result = session.run(stmt, words)
        except (DatabaseError, ValueError) as e:
            tally.check(False, f'{name}:{line}: {stmt[:120]!r} failed: {e}')
            continue
        for row in (result[1] if result else []):
            for col, v in zip(result[0], row):
                said = v.rstrip() if isinstance(v, str) else None
                if said in ('ok', 'FAIL'):
                    tally.check(said == 'ok', f"{name}:{line}: column {col} said FAIL; the row: "
                                + ', '.join(f'{c}={shown(x)}' for c, x in zip(result[0], row)))
    tally.check(tally.passed > before, f'{name}: no check said ok')


def read_cases(paths, front, charset, width):
    """The cases that run here: (name, expectation, statement text), as run_errors.sh reads them."""
    cases = []
    for path in paths:
        name, expect, sql, runs = None, '', [], False
        for raw in fbsql.read(path).split('\n') + ['']:
            if raw.startswith('#'):
                continue
            if not raw.strip() or raw.startswith('case '):
                if name and runs:
                    cases.append((name, expect, ''.join(sql)))
                name, expect, sql = None, '', []
                if raw.startswith('case '):
                    words = raw.split()
                    name = words[1]
                    fronts = [w for w in words[2:] if w in ('legacy', 'udr')]
                    sets = [w for w in words[2:] if w not in ('legacy', 'udr')]
                    runs = (not fronts or front in fronts) and (not sets or charset in sets)
            elif raw.startswith('expect '):
                expect = raw[7:].replace('@W@', str(width))
            else:
                sql.append(raw.replace('@W@', str(width)) + '\n')
    return cases


def run_case(session, name, expect, sql, tally):
    out, error, says = b'', None, []
    try:
        for _, stmt, words in fbsql.split(sql):
            result = session.run(stmt, words)
            for row in (result[1] if result else []):
                for col, v in zip(result[0], row):
                    out += col.encode('latin-1') + b' ' + as_bytes(v) + b'\n'
                    says.append(v.rstrip() if isinstance(v, str) else v)
    except (DatabaseError, ValueError) as e:
        error = fbsql.error_text(e)
    what = f'case {name} (expect {expect})'
    if expect == 'ok':
        why = (f'failed: {error}' if error else "a check said FAIL" if 'FAIL' in says
               else "no check said ok" if 'ok' not in says else '')
    elif expect.startswith('error '):
        text = expect[6:]
        why = ('did not fail' if error is None else '' if text in error
               else f"failed without '{text}': {error}")
    elif expect.startswith('bytes '):
        hexes = expect[6:].lower()
        why = (f'failed: {error}' if error else '' if hexes in out.hex()
               else f'its output lacks the bytes {hexes}')
    else:
        why = f"unknown expectation '{expect}'"
    if why and not error:
        why += f'; output: {out[:300]!r}'
    tally.check(not why, f'{what}: {why}')


def check_kinds(session, expected_path, tally):
    query = fbsql.read(os.path.join(REPO, 'tests', 'support', 'declared_kinds.sql'))
    query = '\n'.join(l for l in query.split('\n') if not l.startswith('--')).rstrip().rstrip(';')
    names, rows = session.run(query, ['SELECT'])
    rows = [row[1:] for row in rows]  # the first column only marks the rows for isql's output
    actual = sorted(' '.join(str(v).strip() for v in row) for row in rows)
    expected = sorted(line for line in fbsql.read(expected_path).split('\n') if line.strip())
    missing = sorted(set(expected) - set(actual))
    extra = sorted(set(actual) - set(expected))
    tally.check(actual == expected, 'declared kinds differ from the registry: registry has '
                f'{missing[:10]}, engine has {extra[:10]}')


def check_engine(db, tally):
    """The engine is the one FB_ENGINE names (a version prefix such as 5.0)."""
    version, want = fbsql.engine_version(db), os.environ.get('FB_ENGINE', '')
    tally.check(version.startswith(want), f'the engine is {version}, expected {want}')


def main():
    build, front, charset, work = sys.argv[1:5]
    fbsql.use_client(os.environ['FB_CLIENT'])
    udr = front == 'udr'
    declare = os.path.join(build, 'sql', 'brindle_udr_declare.sql' if udr else 'brindle_declare.sql')
    template = fbsql.declared_database(os.path.join(work, 'declared.fdb'), declare, charset)
    tally = Tally()
    check_engine(template, tally)
    db = os.path.join(work, 'test.fdb')

    files = sorted(glob.glob(os.path.join(REPO, 'tests', 'integration', '*.sql')))
    files.append(os.path.join(build, 'generated', 'examples.sql'))
    if udr:
        files.append(os.path.join(REPO, 'tests', 'udr', 'udr.sql'))
    for path in files:
        session = fbsql.copy_database(template, db)
        try:
            run_file(session, path, tally)
        finally:
            session.close()

    if udr:
        m = re.search(r'CREATE FUNCTION br_ltrim \(a1 VARCHAR\((\d+)\)', fbsql.read(declare), re.I)
        width = int(m.group(1))
    else:
        width = 32767
    cases = read_cases(sorted(glob.glob(os.path.join(REPO, 'tests', 'integration', 'errors', '*.cases'))),
                       front, charset, width)
    session = fbsql.copy_database(template, db)
    try:
        for case in cases:
            run_case(session, *case, tally)
        kinds = os.path.join(build, 'generated', 'udr_kinds.txt' if udr else 'legacy_kinds.txt')
        check_kinds(session, kinds, tally)
    finally:
        session.close()
    print(f'RESULT {tally.passed} {tally.failed}')
    return 0 if tally.failed == 0 else 1


if __name__ == '__main__':
    sys.exit(main())
