-- The soak's own check: a call that ends its statement with an error must stop the soak.
select iif((strrepeat('ab', 3)) = ('ababab'), 'ok', 'FAIL') as e_strrepeat from rdb$database;
select iif((cot_rad(0)) = (0), 'ok', 'FAIL') as e_cot_rad_zero from rdb$database;
