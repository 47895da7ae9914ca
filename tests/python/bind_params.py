"""Statements with bound parameters, prepared, bound and fetched through firebird-driver:

    bind_params.py BUILD_DIR WORK_DIR

Through both front ends, in databases of default character set NONE and UTF8, on the engine
whose root FIREBIRD names through the client library FB_CLIENT names (its version must start
with FB_ENGINE). Parameters of each kind (text, integer, double, timestamp, blob) go in as the
driver binds them (text with its own length), NULL as None; results must equal the expected
values exactly (8-bit text and doubles byte for byte). Prints a line per check that fails, and last 'RESULT <passed> <failed>'.
"""
import datetime
import os
import struct
import sys

import fbsql
from firebird.driver import DatabaseError
from sql_suite import Tally, check_engine

BYTES = '\xc4\xe9\xff\x80'  # read and sent as Latin-1: these four bytes
TS = datetime.datetime(2008, 1, 31, 10, 0, 0, 123400)  # the engine keeps 1/10000 s: 1234

# (statement, parameters, expected result)
CHECKS = [
    ('select br_left(?, ?) from rdb$database', (BYTES + 'abc', 4), BYTES),
    ('select br_reverse(?) from rdb$database', (BYTES,), BYTES[::-1]),
    ('select stringlength(?) from rdb$database', ('ab',), 2),
    ('select padleft(?, ?, ?) from rdb$database', ('ab', 'xyz', 7), 'yzxyzab'),
    ('select br_ltrim(?) from rdb$database', (None,), None),
    ('select br_left(?, ?) from rdb$database', ('abc', None), None),
    ('select c2f(?) from rdb$database', (37.0,), 6938358175917671 * 2.0 ** -46),
    ('select c2f(?) from rdb$database', (None,), None),
    ('select addmonth(?, ?) from rdb$database', (TS, 1), datetime.datetime(2008, 2, 29, 10, 0, 0)),
    ('select br_millisecond(?) from rdb$database', (TS,), 1234),
    ('select addmonth(?, ?) from rdb$database', (None, 1), None),
    ('select blobsize(?) from rdb$database', (BYTES.encode('latin-1'),), 4),
    ('select blobaspchar(?) from rdb$database', ((BYTES + 'z  ').encode('latin-1'),), BYTES + 'z'),
    ('select b_strpos(?, ?) from rdb$database', ('c', b'abc'), 3),
    ('select blobsize(?) from rdb$database', (None,), None),
    ('select strblob(?) from rdb$database', (BYTES + '  ',), BYTES),
]


def same(got, want):
    if isinstance(want, float):
        return isinstance(got, float) and struct.pack('<d', got) == struct.pack('<d', want)
    return type(got) is type(want) and got == want


def main():
    build, work = sys.argv[1:3]
    fbsql.use_client(os.environ['FB_CLIENT'])
    tally = Tally()
    for front, script in (('legacy', 'brindle_declare.sql'), ('udr', 'brindle_udr_declare.sql')):
        for charset in ('NONE', 'UTF8'):
            db = os.path.join(work, f'bind-{front}-{charset}.fdb')
            fbsql.declared_database(db, os.path.join(build, 'sql', script), charset)
            check_engine(db, tally)
            session = fbsql.attach(db)
            try:
                for sql, params, want in CHECKS:
                    what = f'{front} {charset}: {sql} with {params!r}'
                    try:
                        session.cur.execute(sql, params)
                        got = session.cur.fetchone()[0]
                    except DatabaseError as e:
                        tally.check(False, f'{what} failed: {e}')
                        continue
                    tally.check(same(got, want), f'{what} gave {got!r}, expected {want!r}')
            finally:
                session.close()
            os.remove(db)
    print(f'RESULT {tally.passed} {tally.failed}')
    return 0 if tally.failed == 0 else 1


if __name__ == '__main__':
    sys.exit(main())
