-- Blobs the functions write keep every byte: each blob writer given all bytes 0x80..0xFF, its
-- result read back by a cast to VARCHAR and by assignment to VARCHAR columns of character sets
-- NONE, OCTETS and WIN1252 and to a text blob column of character set NONE (a UTF8 one rightly refuses
-- bytes that are not UTF-8), compared byte for byte. A written blob is a text blob of character
-- set NONE through either front end (legacy: a PSQL function returning one calls the external
-- declaration, whose blob the engine would turn into text with a full stop for every byte above 0x7F).
create table blob_text_t (w varchar(20), e varchar(400) character set octets, c varchar(400) character set octets,
                          n varchar(400) character set none, o varchar(400) character set octets,
                          b blob sub_type text character set none, p varchar(400) character set win1252);
commit;

set term ^ ;
execute block as
  declare x varchar(200) character set octets = x'808182838485868788898A8B8C8D8E8F909192939495969798999A9B9C9D9E9FA0A1A2A3A4A5A6A7A8A9AAABACADAEAFB0B1B2B3B4B5B6B7B8B9BABBBCBDBEBFC0C1C2C3C4C5C6C7C8C9CACBCCCDCECFD0D1D2D3D4D5D6D7D8D9DADBDCDDDEDFE0E1E2E3E4E5E6E7E8E9EAEBECEDEEEFF0F1F2F3F4F5F6F7F8F9FAFBFCFDFEFF7A';
  declare h1 varchar(100) character set octets = x'808182838485868788898A8B8C8D8E8F909192939495969798999A9B9C9D9E9FA0A1A2A3A4A5A6A7A8A9AAABACADAEAFB0B1B2B3B4B5B6B7B8B9BABBBCBDBEBF';
  declare h2 varchar(100) character set octets = x'C0C1C2C3C4C5C6C7C8C9CACBCCCDCECFD0D1D2D3D4D5D6D7D8D9DADBDCDDDEDFE0E1E2E3E4E5E6E7E8E9EAEBECEDEEEFF0F1F2F3F4F5F6F7F8F9FAFBFCFDFEFF7A';
  declare crlf varchar(2) character set octets = x'0D0A';
begin
  -- A blob argument passes its bytes too: a text read from a blob the engine built.
  insert into blob_text_t (w, e, c, n, o, b) values ('blobaspchar', :x, blobaspchar(cast(:x as blob sub_type text character set none)),
    blobaspchar(cast(:x as blob sub_type text character set none)), blobaspchar(cast(:x as blob sub_type text character set none)),
    blobaspchar(cast(:x as blob sub_type text character set none)));
  insert into blob_text_t (w, e, c, n, o, b) values ('strblob', :x, cast(strblob(:x) as varchar(400)), strblob(:x), strblob(:x), strblob(:x));
  insert into blob_text_t (w, e, c, n, o, b) values ('blobcat', :h1 || :crlf || :h2, cast(blobcat(strblob(:h1), strblob(:h2)) as varchar(400)),
    blobcat(strblob(:h1), strblob(:h2)), blobcat(strblob(:h1), strblob(:h2)), blobcat(strblob(:h1), strblob(:h2)));
  insert into blob_text_t (w, e, c, n, o, b) values ('blobcatstr', :h1 || :crlf || :h2, cast(blobcatstr(strblob(:h1), :h2) as varchar(400)),
    blobcatstr(strblob(:h1), :h2), blobcatstr(strblob(:h1), :h2), blobcatstr(strblob(:h1), :h2));
  insert into blob_text_t (w, e, c, n, o, b) values ('blobreplacestring', :h1 || :h2 || x'FF80',
    cast(blobreplacestring(strblob(:x), x'7A', x'7AFF80', 1, 0) as varchar(400)),
    blobreplacestring(strblob(:x), x'7A', x'7AFF80', 1, 0), blobreplacestring(strblob(:x), x'7A', x'7AFF80', 1, 0),
    blobreplacestring(strblob(:x), x'7A', x'7AFF80', 1, 0));
end^
set term ; ^
-- A written blob is text of character set NONE: it goes into a WIN1252 column byte for byte.
update blob_text_t set p = b;

-- Each row: every way of reading it holds the bytes written; on a failure GOT shows what came
-- back (the cast, the NONE and OCTETS columns and the text blob, separated by 7C) and WANT what
-- was written.
select w, iif(c = e, 'ok', 'FAIL') as by_cast,
       iif(n = e, 'ok', 'FAIL') as to_none_column,
       iif(o = e, 'ok', 'FAIL') as to_octets_column,
       iif(b = e, 'ok', 'FAIL') as to_text_blob_column,
       iif(p = e, 'ok', 'FAIL') as to_win1252_column,
       iif(c = e and n = e and o = e and b = e and p = e, x'',
           c || x'7C' || coalesce(n, x'') || x'7C' || coalesce(o, x'') || x'7C' || coalesce(b, x'') || x'7C' || coalesce(p, x'')) as got,
       iif(c = e and n = e and o = e and b = e and p = e, x'', e) as want
from (select w, e, c, cast(n as varchar(400) character set octets) as n, o,
             cast(cast(b as varchar(400)) as varchar(400) character set octets) as b,
             cast(p as varchar(400) character set octets) as p
      from blob_text_t)
order by w;
