// The name tables against a transcription, decode_language and the name functions.
#include <string_view>
#include <vector>

#include "date/date_support.h"
#include "date/names.h"

namespace {

using namespace brindle;
using namespace brindle::date;

// The name tables written out again as UTF-8 text, one row per language: the code, then the
// names separated by '|'.
const char* const kDays[] = {
    "uk|Sunday|Monday|Tuesday|Wednesday|Thursday|Friday|Saturday",
    "de|Sonntag|Montag|Dienstag|Mittwoch|Donnerstag|Freitag|Samstag",
    "fr|Dimanche|Lundi|Mardi|Mercredi|Jeudi|Vendredi|Samedi",
    "it|Domenica|Lunedì|Martedì|Mercoledì|Giovedì|Venerdì|Sabato",
    "es|Domingo|Lunes|Martes|Miércoles|Jueves|Viernes|Sábado",
    "pt|Domingo|Segunda-feira|Terça-feira|Quarta-feira|Quinta-feira|Sexta-feira|Sábado",
    "nl|Zondag|Maandag|Dinsdag|Woensdag|Donderdag|Vrijdag|Zaterdag",
    "no|Søndag|Mandag|Tirsdag|Onsdag|Torsdag|Fredag|Lørdag",
    "se|Söndag|Måndag|Tisdag|Onsdag|Torsdag|Fredag|Lördag",
    "dk|Søndag|Mandag|Tirsdag|Onsdag|Torsdag|Fredag|Lørdag",
    "fi|Sunnuntai|Maanantai|Tiistai|Keskiviikko|Torstai|Perjantai|Lauantai",
    "hu|Vasárnap|Hétfõ|Kedd|Szerda|Csütörtök|Péntek|Szombat",
    "ie|Dé Domhnaigh|Dé Luain|Dé Máirt|Dé Céadaoin|Déardaoin|Dé hAoine|Dé Sathairn",
    "ee|Pühapäev|Esmaspäev|Teisipäev|Kolmapäev|Neljapäev|Reede|Laupäev",
    "is|Sunnudagur|Mánudagur|Þriðjudagur|Miðvikudagur|Fimmtudagur|Föstudagur|Laugardagur",
    "al|e diel|e hënë|e martë|e mërkurë|e enjte|e premte|e shtunë",
    "va|Dies Solis|Dies Lunae|Dies Martis|Dies Mercurii|Dies Jovis|Dies Veneris|Dies Saturni",
    "v1|Dominica|Feria Secunda|Feria Tertia|Feria Quarta|Feria Quinta|Feria Sexta|Sabbatum",
    "c1|Diumenge|Dilluns|Dimarts|Dimecres|Dijous|Divendres|Dissabte",
    "s1|Sunday|Monanday|Tysday|Wadensday|Fuirsday|Friday|Seturday",
    "s2|Di-Dòmhnaich|Di-Luain|Di-Màirt|Di-Ciadain|Di-Ardaoin|Di-Haoine|Di-Sàthairne",
    "w1|Dydd Sul|Dydd Llun|Dydd Mawrth|Dydd Mercher|Dydd Iau|Dydd Gwener|Dydd Sadwrn",
    "b1|Disul|Dilun|Dimeurzh|Dimerc’her|Diriaou|Digwener|Disadorn",
    "b2|igandea|astelehena|asteartea|asteazkena|osteguna|ostirala|larunbata",
    "n1|Sundag|Mandag|Tysdag|Onsdag|Forsdag|Fredag|Laurdag",
    "za|Sondag|Maandag|Dinsdag|Woensdag|Donderdag|Vrydag|Saterdag",
    "fo|sunnudagur|mánadagur|týsdagur|mikudagur|hósdagur|fríggjadagur|leygardagur",
    "lu|Sonndeg|Méindeg|Dënschdeg|Mëttwoch|Donneschdeg|Freideg|Samschdeg",
    "w2|dimenge|londi|mårdi|mierkidi|djudi|vénrdi|semdi",
};

// Only these languages have short day names of their own.
const char* const kShortDays[] = {
    "uk|Sun|Mon|Tue|Wed|Thu|Fri|Sat", "de|So|Mo|Di|Mi|Do|Fr|Sa", "fr|Dim|Lun|Mar|Mer|Jeu|Ven|Sam",
    "it|Dom|Lun|Mar|Mer|Gio|Ven|Sab", "es|Dom|Lun|Mar|Miér|Jue|Viér|Sáb", "pt|Dom|2ª|3ª|4ª|5ª|6ª|Sáb",
    "se|Sö|Må|Ti|On|To|Fr|Lö", "dk|Søn|Man|Tir|Ons|Tor|Fre|Lør", "fi|Su|Ma|Ti|Ke|To|Pe|La",
};

const char* const kMonths[] = {
    "uk|January|February|March|April|May|June|July|August|September|October|November|December",
    "de|Januar|Februar|März|April|Mai|Juni|Juli|August|September|Oktober|November|Dezember",
    "fr|Janvier|Février|Mars|Avril|Mai|Juin|Juillet|Août|Septembre|Octobre|Novembre|Décembre",
    "it|Gennaio|Febbraio|Marzo|Aprile|Maggio|Guigno|Luglio|Agosto|Settembre|Ottobre|Novembre|Dicembre",
    "es|Enero|Febrero|Marzo|Abril|Mayo|Junio|Julio|Agosto|Setiembre|Octubre|Noviembre|Diciembre",
    "pt|Janeiro|Fevereiro|Março|Abril|Maio|Junho|Julho|Agosto|Setembro|Outubro|Novembro|Dezembro",
    "nl|Januari|Februari|Maart|April|Mei|Juni|Juli|Augustus|September|October|November|December",
    "no|Januar|Februar|Mars|April|Mai|Juni|Juli|August|September|Oktober|November|Desember",
    "se|Januari|Februari|Mars|April|Maj|Juni|Juli|Augusti|September|Oktober|November|December",
    "dk|Januar|Februar|Marts|April|Maj|Juni|Juli|August|September|Oktober|November|December",
    "fi|Tammikuu|Helmikuu|Maaliskuu|Huhtikuu|Toukokuu|Kesäkuu|Heinäkuu|Elokuu|Syyskuu|Lokakuu|Marraskuu|Joulukuu",
    "hu|Január|Február|Március|Április|Május|Június|Július|Augusztus|Szeptember|Október|November|December",
    "ie|Enáir|Feabhra|An Márta|An t-Aibreán|An Bhealtaine|An Meitheamh|Iúil|Lúnasa|Meán Fómhair|Deireadh Fómhair|Samhain|Nollaig",
    "ee|Jaanuar|Veebruar|Märts|Aprill|Mai|Juuni|Juuli|August|September|Oktoober|November|Detsember",
    "is|janúar|febrúar|mars|apríl|maí|júní|júlí|ágúst|september|október|nóvember|desember",
    "al|janar|shkurt|mars|prill|maj|qershor|korrik|gusht|shtator|tetor|nëntor|dhjetor",
    "va|Ianuarius|Februarius|Martius|Aprilis|Maius|Iunius|Iulius|Augustus|September|October|November|December",
    "v1|Ianuarius|Februarius|Martius|Aprilis|Maius|Iunius|Iulius|Augustus|September|October|November|December",
    "c1|Gener|Febrer|Març|Abril|Maig|Juny|Juliol|Agost|Setembre|Octubre|Novembre|Desembre",
    "s1|Januar|Februar|Mairch|Apryle|Mey|Juin|Julie|Augist|September|October|November|Dizember",
    "s2|an Faoilteach|an Gearran|an Márt|an Giblean|an Ceitean|an t-Òg-mhios|an t-luchar|an Lúnasdal|an t-Sultain|an Dàmhair|an t-Samhain|an Dúbhlachd",
    "w1|Ionawr|Chwefror|Mawrth|Ebrill|Mai|Mehefin|Gorffennaf|Awst|Medi|Hydref|Tachwedd|Rhagfyr",
    "b1|Genver|C'hwevrer|Meurzh|Ebrel|Mae|Mezheven|Gouere|Eost|Gwengolo|Here|Miz Du|Kerzu",
    "b2|urtarrila|otsaila|martxoa|apirila|maiatza|ekaina|uztaila|abuztua|iraila|urria|azaroa|abendua",
    "n1|januar|februar|mars|april|mai|juni|juli|august|september|oktober|november|desember",
    "za|Januarie|Februarie|Maart|April|Mei|Junie|Julie|Augustus|September|Oktober|November|Desember",
    "fo|januar|februar|mars|apríl|mai|juni|juli|august|september|oktober|november|desember",
    "lu|Januar|Februar|Mäerz|Abrëll|Mee|Juni|Juli|August|September|Oktouber|November|Dezember",
    "w2|djanvî|fevrî|måss|avri|may|djun|djulete|awousse|setimbe|octôbe|nôvimbe|decimbe",
};

// A transcribed row in Windows-1252: code points up to U+00FF map to their byte, U+2019 to 0x92.
std::vector<std::string> fields(std::string_view row) {
    std::vector<std::string> out(1);
    for (std::size_t i = 0; i < row.size(); ++i) {
        const auto b = static_cast<unsigned char>(row[i]);
        if (b == '|') out.emplace_back();
        else if (b < 0x80) out.back() += row[i];
        else if (row.substr(i, 3) == "\u2019") out.back() += '\x92', i += 2;
        else if ((b & 0xFE) == 0xC2) out.back() += static_cast<char>(0x80 | ((b & 1) << 6) | (row[++i] & 0x3F));
        else ADD_FAILURE() << "unexpected byte in " << row;
    }
    return out;
}

template <std::size_t N>
void expect_row(const char* const (&table)[kLanguageCount][N], std::string_view row) {
    const auto f = fields(row);
    ASSERT_EQ(f.size(), N + 1) << row;
    const int32_t lang = numeric::decode_language(f[0]);
    ASSERT_GE(lang, 0) << row;
    for (std::size_t c = 0; c < N; ++c) EXPECT_EQ(table[lang][c], f[c + 1]) << f[0] << " " << c;
}

TEST(NameTables, EveryEntryMatchesTheTranscription) {
    ASSERT_TRUE(std::size(kDays) == 29u && std::size(kMonths) == 29u);
    bool own_short[29] = {};
    for (int i = 0; i < 29; ++i) {
        EXPECT_EQ(numeric::decode_language(std::string_view(kDays[i], 2)), i);
        expect_row(kDayNames, kDays[i]);
        expect_row(kMonthNames, kMonths[i]);
    }
    for (const char* row : kShortDays) {
        expect_row(kShortDayNames, row);
        own_short[numeric::decode_language(row)] = true;
    }
    for (int i = 0; i < 29; ++i)  // the other languages repeat their full names
        for (int c = 0; c < 7 && !own_short[i]; ++c) EXPECT_STREQ(kShortDayNames[i][c], kDayNames[i][c]) << i;
}

TEST(DecodeLanguage, CodesCaseAndOverlaps) {
    const struct { const char* code; int32_t index; } cases[] = {
        {"us", 0}, {"uk", 0}, {"UK", 0}, {"uS", 0}, {"DE", 1}, {"De", 1}, {"de-CH", 1}, {"deutsch", 1}, {"V1", 17},
        {"fo", 26}, {"lu", 27}, {"w2", 28}, {"e-", 1}, {"-d", 0},  // pairs across a hyphen of the list count too
        {"\r-", -1},  // 0x0D | 0x20 is '-': "--" is not in the list
        {"xx", -1}, {"zz", -1}, {"d", -1}, {"", -1}, {"\xC4\xC5", -1}, {nullptr, -1},
    };
    for (const auto& c : cases) EXPECT_EQ(decode_language(c.code), c.index) << (c.code ? c.code : "NULL");
}

using Fn = char* (*)(TP, CP);
template <char* (*F)(TP)>
char* english(TP t, CP) { return F(t); }  // the English functions are the language ones for "us"

TEST(NameFunctions, EnglishAndLanguageNames) {
    const Timestamp sunday = at(2008, 3, 16, 23, 59, 59), monday = at(2008, 3, 17), wednesday = at(2008, 3, 19),
                    thursday = at(2008, 9, 4), jun = at(2008, 6, 10), jul = at(2008, 7, 10);
    const struct { Fn f; Timestamp t; const char *code, *out; } cases[] = {
        {english<cdowlong>, sunday, "", "Sunday"}, {english<cdowshort>, thursday, "", "Thu"},
        {english<cmonthlong>, thursday, "", "September"}, {english<cmonthshort>, thursday, "", "Sep"},
        {cdowlonglang, monday, "PT", "Segunda-feira"}, {cdowshortlang, monday, "pt", "2\xAA"},
        {cdowshortlang, wednesday, "es", "Mi\xE9r"}, {cdowshortlang, sunday, "nl", "Zond"},  // cut to 4 bytes
        {cdowshortlang, sunday, "ie", "D\xE9 D"}, {cmonthlonglang, jun, "it", "Guigno"},
        {cmonthshortlang, sunday, "de", "M\xE4r"}, {cmonthshortlang, at(2008, 8, 10), "fr", "Ao\xFB"},
        {cmonthshortlang, jun, "fr", "Jun"}, {cmonthshortlang, jul, "fr", "Jul"}, {cmonthshortlang, jun, "s1", "Jui"},
        {cmonthshortlang, jun, "FR", "Jui"}, {cmonthshortlang, jul, "Fr", "Jui"},  // the code must be exactly "fr"
        {cmonthshortlang, jul, "fra", "Jui"},
    };
    for (const auto& c : cases) EXPECT_EQ(text(c.f(&c.t, c.code)), c.out) << c.code;
    const Timestamp far{-2000000000, 0};
    EXPECT_TRUE(text(cdowlonglang(&far, "b1")));
    for (Fn f : {cdowlonglang, cdowshortlang, cmonthlonglang, cmonthshortlang})
        for (const char* code : {"xx", "", "d", "zz"}) EXPECT_EQ(text(f(&monday, code)), "???") << code;
}

}  // namespace
