-- The soak's own check: an example whose answer is wrong must stop the soak.
select iif((strrepeat('ab', 3)) = ('ababab'), 'ok', 'FAIL') as e_strrepeat from rdb$database;
select iif((strrepeat('ab', 3)) = ('abab'), 'ok', 'FAIL') as e_strrepeat_wrong from rdb$database;
