select iif(version() = 'zelko 20080303 OpenWatcom32' and char_length(version()) = 27, 'ok', 'FAIL') as version_text
from rdb$database;
