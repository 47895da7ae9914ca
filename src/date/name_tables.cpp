// Day and month names in every language, indexed [language index][column]. Bytes above 0x7F
// are Windows-1252 (0x92 is the right single quote of the Breton Wednesday).
#include "date/names.h"

namespace brindle::date {

const char* const kDayNames[kLanguageCount][7] = {
    {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},  // uk
    {"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"},  // de
    {"Dimanche", "Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Samedi"},  // fr
    {"Domenica", "Luned\xEC", "Marted\xEC", "Mercoled\xEC", "Gioved\xEC", "Venerd\xEC", "Sabato"},  // it
    {"Domingo", "Lunes", "Martes", "Mi\xE9rcoles", "Jueves", "Viernes", "S\xE1" "bado"},  // es
    {"Domingo", "Segunda-feira", "Ter\xE7" "a-feira", "Quarta-feira", "Quinta-feira", "Sexta-feira", "S\xE1" "bado"},  // pt
    {"Zondag", "Maandag", "Dinsdag", "Woensdag", "Donderdag", "Vrijdag", "Zaterdag"},  // nl
    {"S\xF8ndag", "Mandag", "Tirsdag", "Onsdag", "Torsdag", "Fredag", "L\xF8rdag"},  // no
    {"S\xF6ndag", "M\xE5ndag", "Tisdag", "Onsdag", "Torsdag", "Fredag", "L\xF6rdag"},  // se
    {"S\xF8ndag", "Mandag", "Tirsdag", "Onsdag", "Torsdag", "Fredag", "L\xF8rdag"},  // dk
    {"Sunnuntai", "Maanantai", "Tiistai", "Keskiviikko", "Torstai", "Perjantai", "Lauantai"},  // fi
    {"Vas\xE1rnap", "H\xE9tf\xF5", "Kedd", "Szerda", "Cs\xFCt\xF6rt\xF6k", "P\xE9ntek", "Szombat"},  // hu
    {"D\xE9 Domhnaigh", "D\xE9 Luain", "D\xE9 M\xE1irt", "D\xE9 C\xE9" "adaoin", "D\xE9" "ardaoin", "D\xE9 hAoine", "D\xE9 Sathairn"},  // ie
    {"P\xFChap\xE4" "ev", "Esmasp\xE4" "ev", "Teisip\xE4" "ev", "Kolmap\xE4" "ev", "Neljap\xE4" "ev", "Reede", "Laup\xE4" "ev"},  // ee
    {"Sunnudagur", "M\xE1nudagur", "\xDEri\xF0judagur", "Mi\xF0vikudagur", "Fimmtudagur", "F\xF6studagur", "Laugardagur"},  // is
    {"e diel", "e h\xEBn\xEB", "e mart\xEB", "e m\xEBrkur\xEB", "e enjte", "e premte", "e shtun\xEB"},  // al
    {"Dies Solis", "Dies Lunae", "Dies Martis", "Dies Mercurii", "Dies Jovis", "Dies Veneris", "Dies Saturni"},  // va
    {"Dominica", "Feria Secunda", "Feria Tertia", "Feria Quarta", "Feria Quinta", "Feria Sexta", "Sabbatum"},  // v1
    {"Diumenge", "Dilluns", "Dimarts", "Dimecres", "Dijous", "Divendres", "Dissabte"},  // c1
    {"Sunday", "Monanday", "Tysday", "Wadensday", "Fuirsday", "Friday", "Seturday"},  // s1
    {"Di-D\xF2mhnaich", "Di-Luain", "Di-M\xE0irt", "Di-Ciadain", "Di-Ardaoin", "Di-Haoine", "Di-S\xE0thairne"},  // s2
    {"Dydd Sul", "Dydd Llun", "Dydd Mawrth", "Dydd Mercher", "Dydd Iau", "Dydd Gwener", "Dydd Sadwrn"},  // w1
    {"Disul", "Dilun", "Dimeurzh", "Dimerc\x92her", "Diriaou", "Digwener", "Disadorn"},  // b1
    {"igandea", "astelehena", "asteartea", "asteazkena", "osteguna", "ostirala", "larunbata"},  // b2
    {"Sundag", "Mandag", "Tysdag", "Onsdag", "Forsdag", "Fredag", "Laurdag"},  // n1
    {"Sondag", "Maandag", "Dinsdag", "Woensdag", "Donderdag", "Vrydag", "Saterdag"},  // za
    {"sunnudagur", "m\xE1nadagur", "t\xFDsdagur", "mikudagur", "h\xF3sdagur", "fr\xEDggjadagur", "leygardagur"},  // fo
    {"Sonndeg", "M\xE9indeg", "D\xEBnschdeg", "M\xEBttwoch", "Donneschdeg", "Freideg", "Samschdeg"},  // lu
    {"dimenge", "londi", "m\xE5rdi", "mierkidi", "djudi", "v\xE9nrdi", "semdi"},  // w2
};

const char* const kShortDayNames[kLanguageCount][7] = {
    {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},  // uk
    {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"},  // de
    {"Dim", "Lun", "Mar", "Mer", "Jeu", "Ven", "Sam"},  // fr
    {"Dom", "Lun", "Mar", "Mer", "Gio", "Ven", "Sab"},  // it
    {"Dom", "Lun", "Mar", "Mi\xE9r", "Jue", "Vi\xE9r", "S\xE1" "b"},  // es
    {"Dom", "2\xAA", "3\xAA", "4\xAA", "5\xAA", "6\xAA", "S\xE1" "b"},  // pt
    {"Zondag", "Maandag", "Dinsdag", "Woensdag", "Donderdag", "Vrijdag", "Zaterdag"},  // nl
    {"S\xF8ndag", "Mandag", "Tirsdag", "Onsdag", "Torsdag", "Fredag", "L\xF8rdag"},  // no
    {"S\xF6", "M\xE5", "Ti", "On", "To", "Fr", "L\xF6"},  // se
    {"S\xF8n", "Man", "Tir", "Ons", "Tor", "Fre", "L\xF8r"},  // dk
    {"Su", "Ma", "Ti", "Ke", "To", "Pe", "La"},  // fi
    {"Vas\xE1rnap", "H\xE9tf\xF5", "Kedd", "Szerda", "Cs\xFCt\xF6rt\xF6k", "P\xE9ntek", "Szombat"},  // hu
    {"D\xE9 Domhnaigh", "D\xE9 Luain", "D\xE9 M\xE1irt", "D\xE9 C\xE9" "adaoin", "D\xE9" "ardaoin", "D\xE9 hAoine", "D\xE9 Sathairn"},  // ie
    {"P\xFChap\xE4" "ev", "Esmasp\xE4" "ev", "Teisip\xE4" "ev", "Kolmap\xE4" "ev", "Neljap\xE4" "ev", "Reede", "Laup\xE4" "ev"},  // ee
    {"Sunnudagur", "M\xE1nudagur", "\xDEri\xF0judagur", "Mi\xF0vikudagur", "Fimmtudagur", "F\xF6studagur", "Laugardagur"},  // is
    {"e diel", "e h\xEBn\xEB", "e mart\xEB", "e m\xEBrkur\xEB", "e enjte", "e premte", "e shtun\xEB"},  // al
    {"Dies Solis", "Dies Lunae", "Dies Martis", "Dies Mercurii", "Dies Jovis", "Dies Veneris", "Dies Saturni"},  // va
    {"Dominica", "Feria Secunda", "Feria Tertia", "Feria Quarta", "Feria Quinta", "Feria Sexta", "Sabbatum"},  // v1
    {"Diumenge", "Dilluns", "Dimarts", "Dimecres", "Dijous", "Divendres", "Dissabte"},  // c1
    {"Sunday", "Monanday", "Tysday", "Wadensday", "Fuirsday", "Friday", "Seturday"},  // s1
    {"Di-D\xF2mhnaich", "Di-Luain", "Di-M\xE0irt", "Di-Ciadain", "Di-Ardaoin", "Di-Haoine", "Di-S\xE0thairne"},  // s2
    {"Dydd Sul", "Dydd Llun", "Dydd Mawrth", "Dydd Mercher", "Dydd Iau", "Dydd Gwener", "Dydd Sadwrn"},  // w1
    {"Disul", "Dilun", "Dimeurzh", "Dimerc\x92her", "Diriaou", "Digwener", "Disadorn"},  // b1
    {"igandea", "astelehena", "asteartea", "asteazkena", "osteguna", "ostirala", "larunbata"},  // b2
    {"Sundag", "Mandag", "Tysdag", "Onsdag", "Forsdag", "Fredag", "Laurdag"},  // n1
    {"Sondag", "Maandag", "Dinsdag", "Woensdag", "Donderdag", "Vrydag", "Saterdag"},  // za
    {"sunnudagur", "m\xE1nadagur", "t\xFDsdagur", "mikudagur", "h\xF3sdagur", "fr\xEDggjadagur", "leygardagur"},  // fo
    {"Sonndeg", "M\xE9indeg", "D\xEBnschdeg", "M\xEBttwoch", "Donneschdeg", "Freideg", "Samschdeg"},  // lu
    {"dimenge", "londi", "m\xE5rdi", "mierkidi", "djudi", "v\xE9nrdi", "semdi"},  // w2
};

const char* const kMonthNames[kLanguageCount][12] = {
    // uk
    {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October", "November", "December"},
    // de
    {"Januar", "Februar", "M\xE4rz", "April", "Mai", "Juni", "Juli", "August", "September", "Oktober", "November", "Dezember"},
    // fr
    {"Janvier", "F\xE9vrier", "Mars", "Avril", "Mai", "Juin", "Juillet", "Ao\xFBt", "Septembre", "Octobre", "Novembre", "D\xE9" "cembre"},
    // it
    {"Gennaio", "Febbraio", "Marzo", "Aprile", "Maggio", "Guigno", "Luglio", "Agosto", "Settembre", "Ottobre", "Novembre", "Dicembre"},
    // es
    {"Enero", "Febrero", "Marzo", "Abril", "Mayo", "Junio", "Julio", "Agosto", "Setiembre", "Octubre", "Noviembre", "Diciembre"},
    // pt
    {"Janeiro", "Fevereiro", "Mar\xE7o", "Abril", "Maio", "Junho", "Julho", "Agosto", "Setembro", "Outubro", "Novembro", "Dezembro"},
    // nl
    {"Januari", "Februari", "Maart", "April", "Mei", "Juni", "Juli", "Augustus", "September", "October", "November", "December"},
    // no
    {"Januar", "Februar", "Mars", "April", "Mai", "Juni", "Juli", "August", "September", "Oktober", "November", "Desember"},
    // se
    {"Januari", "Februari", "Mars", "April", "Maj", "Juni", "Juli", "Augusti", "September", "Oktober", "November", "December"},
    // dk
    {"Januar", "Februar", "Marts", "April", "Maj", "Juni", "Juli", "August", "September", "Oktober", "November", "December"},
    // fi
    {"Tammikuu", "Helmikuu", "Maaliskuu", "Huhtikuu", "Toukokuu", "Kes\xE4kuu", "Hein\xE4kuu", "Elokuu", "Syyskuu", "Lokakuu", "Marraskuu", "Joulukuu"},
    // hu
    {"Janu\xE1r", "Febru\xE1r", "M\xE1rcius", "\xC1prilis", "M\xE1jus", "J\xFAnius", "J\xFAlius", "Augusztus", "Szeptember", "Okt\xF3" "ber", "November", "December"},
    // ie
    {"En\xE1ir", "Feabhra", "An M\xE1rta", "An t-Aibre\xE1n", "An Bhealtaine", "An Meitheamh", "I\xFAil", "L\xFAnasa", "Me\xE1n F\xF3mhair", "Deireadh F\xF3mhair", "Samhain", "Nollaig"},
    // ee
    {"Jaanuar", "Veebruar", "M\xE4rts", "Aprill", "Mai", "Juuni", "Juuli", "August", "September", "Oktoober", "November", "Detsember"},
    // is
    {"jan\xFA" "ar", "febr\xFA" "ar", "mars", "apr\xEDl", "ma\xED", "j\xFAn\xED", "j\xFAl\xED", "\xE1g\xFAst", "september", "okt\xF3" "ber", "n\xF3vember", "desember"},
    // al
    {"janar", "shkurt", "mars", "prill", "maj", "qershor", "korrik", "gusht", "shtator", "tetor", "n\xEBntor", "dhjetor"},
    // va
    {"Ianuarius", "Februarius", "Martius", "Aprilis", "Maius", "Iunius", "Iulius", "Augustus", "September", "October", "November", "December"},
    // v1
    {"Ianuarius", "Februarius", "Martius", "Aprilis", "Maius", "Iunius", "Iulius", "Augustus", "September", "October", "November", "December"},
    // c1
    {"Gener", "Febrer", "Mar\xE7", "Abril", "Maig", "Juny", "Juliol", "Agost", "Setembre", "Octubre", "Novembre", "Desembre"},
    // s1
    {"Januar", "Februar", "Mairch", "Apryle", "Mey", "Juin", "Julie", "Augist", "September", "October", "November", "Dizember"},
    // s2
    {"an Faoilteach", "an Gearran", "an M\xE1rt", "an Giblean", "an Ceitean", "an t-\xD2g-mhios", "an t-luchar", "an L\xFAnasdal", "an t-Sultain", "an D\xE0mhair", "an t-Samhain", "an D\xFA" "bhlachd"},
    // w1
    {"Ionawr", "Chwefror", "Mawrth", "Ebrill", "Mai", "Mehefin", "Gorffennaf", "Awst", "Medi", "Hydref", "Tachwedd", "Rhagfyr"},
    // b1
    {"Genver", "C'hwevrer", "Meurzh", "Ebrel", "Mae", "Mezheven", "Gouere", "Eost", "Gwengolo", "Here", "Miz Du", "Kerzu"},
    // b2
    {"urtarrila", "otsaila", "martxoa", "apirila", "maiatza", "ekaina", "uztaila", "abuztua", "iraila", "urria", "azaroa", "abendua"},
    // n1
    {"januar", "februar", "mars", "april", "mai", "juni", "juli", "august", "september", "oktober", "november", "desember"},
    // za
    {"Januarie", "Februarie", "Maart", "April", "Mei", "Junie", "Julie", "Augustus", "September", "Oktober", "November", "Desember"},
    // fo
    {"januar", "februar", "mars", "apr\xEDl", "mai", "juni", "juli", "august", "september", "oktober", "november", "desember"},
    // lu
    {"Januar", "Februar", "M\xE4" "erz", "Abr\xEBll", "Mee", "Juni", "Juli", "August", "September", "Oktouber", "November", "Dezember"},
    // w2
    {"djanv\xEE", "fevr\xEE", "m\xE5ss", "avri", "may", "djun", "djulete", "awousse", "setimbe", "oct\xF4" "be", "n\xF4vimbe", "decimbe"},
};

}  // namespace brindle::date
