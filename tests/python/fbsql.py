"""Runs the project's SQL scripts through Firebird's Python driver, as isql runs them.

The engine runs embedded in this process. Which engine: the FIREBIRD environment variable names
its root (read once, when the client library loads), and the caller names the client library.
Text travels as bytes: the connection has no character set and its text is read and written as
Latin-1, which maps every byte to one character and back.
"""
import os
import re
import shutil

from firebird.driver import CHARSET_MAP, DatabaseError, connect, create_database, driver_config

CHARSET_MAP['NONE'] = 'latin-1'

# isql's own SET commands: they change how isql prints or reacts, not the database.
ISQL_SETTINGS = {'BAIL', 'LIST', 'HEADING', 'ECHO', 'COUNT', 'STATS', 'WIDTH', 'PLAN', 'PLANONLY',
                 'BLOB', 'BLOBDISPLAY', 'ROWCOUNT', 'WARNINGS', 'WNG', 'TIME', 'AUTODDL', 'NAMES',
                 'SQL', 'MAXROWS', 'EXPLAIN', 'PER_TABLE_STATS', 'KEEP_TRAN_PARAMS', 'EXEC_PATH_DISPLAY'}
# Statements isql commits at once (its AUTODDL, on by default).
DDL = {'CREATE', 'ALTER', 'DROP', 'RECREATE', 'DECLARE', 'GRANT', 'REVOKE', 'COMMENT'}


def use_client(library):
    driver_config.fb_client_library.value = library


def split(text):
    """The statements of an isql script: (line, statement, words), SET TERM applied.

    words is the statement's words in upper case, comments left out."""
    term, i, n, line = ';', 0, len(text), 1
    start, start_line, bare = 0, 1, []
    while i < n:
        if text.startswith(term, i):
            words = ''.join(bare).split()
            if words:
                m = re.fullmatch(r'SET\s+TERM\s+(\S+)', ' '.join(words), re.I)
                if m:
                    term = m.group(1)
                else:
                    yield start_line, text[start:i].strip(), [w.upper() for w in words]
            i += len(term)
            start, bare = i, []
            continue
        c = text[i]
        if c in '\'"':
            j = i + 1
            while j < n and not (text[j] == c and text[j + 1:j + 2] != c):
                j += 2 if text[j] == c else 1
            piece = text[i:j + 1]
        elif text.startswith('--', i) or text.startswith('/*', i):
            j = text.find('\n' if c == '-' else '*/', i + 2)
            j = n - 1 if j < 0 else (j - 1 if c == '-' else j + 1)
            piece = ' '
        else:
            j, piece = i, c
        if not bare and piece.isspace():
            start = j + 1  # a statement starts at its first word, after blanks and comments
        else:
            if not bare:
                start_line = line
            bare.append(piece)
        line += text.count('\n', i, j + 1)
        i = j + 1
    if ''.join(bare).strip():
        raise ValueError(f'the script ends inside a statement (line {start_line}, terminator {term!r})')


def error_text(e):
    """An error as isql prints it."""
    return f'Statement failed, SQLSTATE = {getattr(e, "sqlstate", None)}\n{e}'


class Session:
    """One attachment playing isql: statements run one by one, DDL committed at once."""

    def __init__(self, con):
        self.con = con
        self.cur = con.cursor()

    def run(self, stmt, words):
        """Runs one statement; returns (column names, rows), or None for a command."""
        if words[0] in ('COMMIT', 'ROLLBACK') and len(words) <= 2:
            self.end(words[0] == 'COMMIT')
            return None
        if words[0] == 'SET' and len(words) > 1 and words[1] in ISQL_SETTINGS:
            return None
        if words[0] in ('SHOW', 'INPUT', 'OUTPUT', 'SHELL', 'EDIT', 'QUIT', 'EXIT', 'CONNECT') or \
                words[:2] == ['CREATE', 'DATABASE']:
            raise ValueError(f'isql command {words[0]} is not supported here')
        try:
            self.cur.execute(stmt)
            if self.cur.description is None:
                result = None
            else:
                names = [d[0] for d in self.cur.description]
                result = (names, self.cur.fetchall())
        except DatabaseError:
            if words[0] in DDL:
                self.end(False)
            raise
        if words[0] in DDL:
            self.end(True)
        return result

    def end(self, commit):
        t = self.con.main_transaction
        if t.is_active():
            t.commit() if commit else t.rollback()

    def script(self, text):
        """Runs a whole script as isql with SET BAIL ON: the first error ends it."""
        for line, stmt, words in split(text):
            try:
                self.run(stmt, words)
            except DatabaseError as e:
                raise RuntimeError(f'line {line}: {stmt[:200]}\n{error_text(e)}') from e
        self.end(True)

    def close(self):
        self.cur.close()
        self.con.close()


def new_database(path, charset):
    """A fresh database of the given default character set, without forced writes."""
    if os.path.exists(path):
        os.remove(path)
    driver_config.db_defaults.db_charset.value = charset
    driver_config.db_defaults.forced_writes.value = False
    return Session(create_database(path, user='SYSDBA', charset='NONE'))


def attach(path):
    return Session(connect(path, user='SYSDBA', charset='NONE'))


def read(path):
    with open(path, encoding='latin-1') as f:
        return f.read()


def declared_database(path, declare, charset):
    """A fresh database with the declaration script run in it, closed; returns its path."""
    s = new_database(path, charset)
    try:
        s.script(read(declare))
    finally:
        s.close()
    return path


def engine_version(path):
    """The version of the engine that opens the database, e.g. '5.0.4'."""
    s = attach(path)
    try:
        s.cur.execute("select rdb$get_context('SYSTEM', 'ENGINE_VERSION') from rdb$database")
        return s.cur.fetchone()[0]
    finally:
        s.close()


def copy_database(template, path):
    shutil.copyfile(template, path)
    return attach(path)

