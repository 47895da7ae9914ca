-- What the engine recorded for every argument and result of the library's functions, one row
-- each: function, position, mechanism, field type, length, character set, a blob's sub-type.
-- A UDR argument has no mechanism and keeps its type in the domain its field source names; the
-- legacy blob writers' PSQL functions are the user functions with neither module nor engine.
-- Read by check_kinds.sh (isql) and tests/python/sql_suite.py.
select 'ROW', trim(a.rdb$function_name), a.rdb$argument_position,
       coalesce(cast(a.rdb$mechanism as varchar(5)), '-'), coalesce(a.rdb$field_type, d.rdb$field_type),
       coalesce(a.rdb$field_length, d.rdb$field_length),
       coalesce(cast(coalesce(a.rdb$character_set_id, d.rdb$character_set_id) as varchar(5)), '-'),
       case when coalesce(a.rdb$field_type, d.rdb$field_type) = 261
            then cast(coalesce(a.rdb$field_sub_type, d.rdb$field_sub_type) as varchar(5)) else '-' end
  from rdb$function_arguments a join rdb$functions f on f.rdb$function_name = a.rdb$function_name
  left join rdb$fields d on d.rdb$field_name = a.rdb$field_source
 where f.rdb$module_name = 'Brindle_FB' or f.rdb$engine_name = 'UDR'
    or (f.rdb$system_flag = 0 and f.rdb$module_name is null and f.rdb$engine_name is null);
