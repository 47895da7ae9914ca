select iif(version() = 'zelko 20080303 OpenWatcom32', 'ok', 'FAIL') as version_text,
       iif(char_length(version()) = 27, 'ok', 'FAIL') as version_length
from rdb$database;
