-- UUIDs: the text and compressed forms, what is read out of a UUID, and generated UUIDs that
-- parse back through the text functions.
select iif(compressuuid('6ba7b810-9dad-11d1-80b4-00c04fd430c8') = '!!k2zIAAWoU*5FbOpfdvUE'
           and compressuuid('6BA7B810-9DAD-11D1-80B4-00C04FD430C8') = '!!k2zIAAWoU*5FbOpfdvUE'
           and expanduuidcompr('!!k2zIAAWoU*5FbOpfdvUE') = '6ba7b810-9dad-11d1-80b4-00c04fd430c8', 'ok', 'FAIL') as worked_example,
       iif(compressuuid('00000000-0000-0000-0000-000000000000') = '!!!!!!!!!!!!!!!!!!!!!!'
           and compressuuid('ffffffff-ffff-ffff-ffff-ffffffffffff') = '1zzzzzzzzzzzzzzzzzzzzz', 'ok', 'FAIL') as zeros_and_ones,
       iif(expanduuidcompr('z!k2zIAAWoU*5FbOpfdvUE') = '6ba7b810-9dad-11d1-80b4-c0c04fd430c8'
           and compressuuid('6ba7b810-9dad-11d1-80b4-c0c04fd430c8') = '1!k2zIAAWoU*5FbOpfdvUE', 'ok', 'FAIL') as first_digit_2_bits,
       iif(expanduuidcompr(compressuuid('0123456789abcdef0123456789abcdef0123')) = '01234567-9abc-ef01-3456-89abcdef0123'
           and compressuuid('6ba7b810-9dad-11d1-80b4-00c04fd430c8 tail') = '!!k2zIAAWoU*5FbOpfdvUE', 'ok', 'FAIL') as text_test_run,
       iif(compressuuid('6ba7b810-9dad-11d1-80b4-00c04fd430c80') = 'Input no RFC4122 UUID'
           and expanduuidcompr('!!k2zIAAWoU*5FbOpfdvU') = 'Input no compressed UUID'
           and compressuuid('') = 'Input no RFC4122 UUID', 'ok', 'FAIL') as invalid_messages
from rdb$database;

select iif(uuid1macmac('6ba7b810-9dad-11d1-80b4-00c04fd430c8') = '00:c0:4f:d4:30:c8'
           and uuid1maccomprmac('!!k2zIAAWoU*5FbOpfdvUE') = '00:c0:4f:d4:30:c8', 'ok', 'FAIL') as adapter_address,
       iif(uuid1macmac('6ba7b810-9dad-11d1-80b4-80c04fd430c8') is null
           and uuid1macmac('6ba7b810-9dad-41d1-80b4-00c04fd430c8') is null
           and uuid1maccomprmac(compressuuid('6ba7b810-9dad-41d1-80b4-00c04fd430c8')) is null, 'ok', 'FAIL') as no_adapter_address,
       iif(uuidversion('6ba7b810-9dad-11d1-80b4-00c04fd430c8') = 'V1a'
           and uuidversion('6ba7b810-9dad-11d1-80b4-80c04fd430c8') = 'V1b'
           and uuidversion('6ba7b810-9dad-41d1-80b4-00c04fd430c8') = 'V4'
           and uuidversion('short') is null, 'ok', 'FAIL') as versions,
       -- Seconds and an hour's difference hold in every whole-hour zone.
       iif(extract(second from uuid1timestamp('6ba7b810-9dad-11d1-80b4-00c04fd430c8')) = 53
           and uuid1comprtimestamp('!!k2zIAAWoU*5FbOpfdvUE') = uuid1timestamp('6ba7b810-9dad-11d1-80b4-00c04fd430c8')
           and datediff(second from uuid1timestamp('6ba7b810-9dad-11d1-80b4-00c04fd430c8')
                               to uuid1timestamp('cd6c2010-9db5-11d1-80b4-00c04fd430c8')) = 3600, 'ok', 'FAIL') as times,
       iif(uuid1timestamp('6ba7b810-9dad-41d1-80b4-00c04fd430c8') is null
           and uuid1comprtimestamp(compressuuid('6ba7b810-9dad-41d1-80b4-00c04fd430c8')) is null
           and uuid1timestamp('not a uuid') is null, 'ok', 'FAIL') as no_times,
       iif(compressuuid(null) is null and expanduuidcompr(null) is null and uuid1timestamp(null) is null
           and uuid1comprtimestamp(null) is null and uuid1macmac(null) is null and uuid1maccomprmac(null) is null
           and uuidversion(null) is null, 'ok', 'FAIL') as nulls
from rdb$database;

-- Generated UUIDs: their forms, versions and times. Each is generated once into a variable
-- (a derived table's column would call the function again at every use).
set term ^;
execute block returns (generated_lengths varchar(4), parse_back varchar(4), generated_versions varchar(4),
                       generated_variants varchar(4), local_times_now varchar(4), random_kinds varchar(4))
as
  declare t1 varchar(36); declare c1 varchar(22); declare r1 varchar(36); declare rc varchar(22);
  declare t4 varchar(36); declare c4 varchar(22);
begin
  t1 = uuid1mac(); c1 = uuid1maccompr(); r1 = uuid1rand(); rc = uuid1randcompr(); t4 = uuid4(); c4 = uuid4compr();
  generated_lengths = iif(char_length(t1) = 36 and char_length(c1) = 22 and char_length(r1) = 36
      and char_length(rc) = 22 and char_length(t4) = 36 and char_length(c4) = 22, 'ok', 'FAIL');
  parse_back = iif(expanduuidcompr(compressuuid(t1)) = t1 and expanduuidcompr(compressuuid(r1)) = r1
      and expanduuidcompr(compressuuid(t4)) = t4 and compressuuid(expanduuidcompr(c1)) = c1
      and compressuuid(expanduuidcompr(rc)) = rc and compressuuid(expanduuidcompr(c4)) = c4, 'ok', 'FAIL');
  generated_versions = iif(uuidversion(t1) similar to 'V1[ab]' and uuidversion(expanduuidcompr(c1)) = uuidversion(t1)
      and uuidversion(r1) = 'V1b' and uuidversion(expanduuidcompr(rc)) = 'V1b'
      and uuidversion(t4) = 'V4' and uuidversion(expanduuidcompr(c4)) = 'V4', 'ok', 'FAIL');
  generated_variants = iif(substring(t1 from 20 for 1) similar to '[89ab]' and substring(r1 from 20 for 1) similar to '[89ab]'
      and substring(t4 from 20 for 1) similar to '[89ab]', 'ok', 'FAIL');
  local_times_now = iif(abs(datediff(second from uuid1timestamp(t1) to current_timestamp)) <= 2
      and abs(datediff(second from uuid1timestamp(r1) to current_timestamp)) <= 2
      and abs(datediff(second from uuid1comprtimestamp(c1) to current_timestamp)) <= 2
      and abs(datediff(second from uuid1comprtimestamp(rc) to current_timestamp)) <= 2, 'ok', 'FAIL');
  random_kinds = iif(uuid1macmac(r1) is null and uuid1maccomprmac(rc) is null and uuid1timestamp(t4) is null
      and uuid1timestamp(t1) <= uuid1timestamp(r1), 'ok', 'FAIL');
  suspend;
end^
set term ;^

-- Every row gets its own UUID.
with recursive r (n) as (select 1 from rdb$database union all select n + 1 from r where n < 1000)
select iif(count(distinct uuid1mac()) = 1000 and count(distinct uuid1rand()) = 1000 and count(distinct uuid4()) = 1000
           and count(distinct uuid1maccompr()) = 1000 and count(distinct uuid4compr()) = 1000, 'ok', 'FAIL') as distinct_per_row
from r;
