#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "date/calendar.h"
#include "date/names.h"
#include "numeric/language.h"
#include "date/names_support.h"
#include "support/blocks.h"

using brindle::frame::Timestamp;

extern "C" {
int32_t decode_language(const char* code);
char* cdowlong(const Timestamp* t);
char* cdowshort(const Timestamp* t);
char* cmonthlong(const Timestamp* t);
char* cmonthshort(const Timestamp* t);
char* cdowlonglang(const Timestamp* t, const char* code);
char* cdowshortlang(const Timestamp* t, const char* code);
char* cmonthlonglang(const Timestamp* t, const char* code);
char* cmonthshortlang(const Timestamp* t, const char* code);
}

namespace brindle {
namespace {

using test::at;
using test::text;

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
    "uk|Sun|Mon|Tue|Wed|Thu|Fri|Sat",
    "de|So|Mo|Di|Mi|Do|Fr|Sa",
    "fr|Dim|Lun|Mar|Mer|Jeu|Ven|Sam",
    "it|Dom|Lun|Mar|Mer|Gio|Ven|Sab",
    "es|Dom|Lun|Mar|Miér|Jue|Viér|Sáb",
    "pt|Dom|2ª|3ª|4ª|5ª|6ª|Sáb",
    "se|Sö|Må|Ti|On|To|Fr|Lö",
    "dk|Søn|Man|Tir|Ons|Tor|Fre|Lør",
    "fi|Su|Ma|Ti|Ke|To|Pe|La",
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

// UTF-8 to Windows-1252: code points up to U+00FF map to their byte, U+2019 to 0x92.
std::string cp1252(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        uint32_t cp;
        if (b < 0x80) {
            cp = b;
            i += 1;
        } else if ((b & 0xE0) == 0xC0) {
            cp = ((b & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
            i += 2;
        } else {
            cp = ((b & 0x0Fu) << 12) | ((static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu) << 6) |
                 (static_cast<unsigned char>(utf8[i + 2]) & 0x3Fu);
            i += 3;
        }
        if (cp == 0x2019) cp = 0x92;
        EXPECT_LT(cp, 0x100u) << utf8;
        out.push_back(static_cast<char>(cp));
    }
    return out;
}

std::vector<std::string> fields(std::string_view row) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t bar = row.find('|', start);
        out.push_back(cp1252(row.substr(start, bar - start)));
        if (bar == std::string_view::npos) return out;
        start = bar + 1;
    }
}

template <std::size_t N>
void expect_row(const char* const (&table)[date::kLanguageCount][N], std::string_view row) {
    const auto f = fields(row);
    ASSERT_EQ(f.size(), N + 1) << row;
    const int32_t lang = numeric::decode_language(f[0]);
    ASSERT_GE(lang, 0) << row;
    for (std::size_t c = 0; c < N; ++c) EXPECT_EQ(table[lang][c], f[c + 1]) << f[0] << " " << c;
}

TEST(NameTables, EveryEntryMatchesTheTranscription) {
    ASSERT_EQ(std::size(kDays), 29u);
    ASSERT_EQ(std::size(kMonths), 29u);
    for (int i = 0; i < 29; ++i) {
        EXPECT_EQ(numeric::decode_language(std::string_view(kDays[i], 2)), i);
        expect_row(date::kDayNames, kDays[i]);
        expect_row(date::kMonthNames, kMonths[i]);
    }
    bool own_short[29] = {};
    for (const char* row : kShortDays) {
        expect_row(date::kShortDayNames, row);
        own_short[numeric::decode_language(row)] = true;
    }
    for (int i = 0; i < 29; ++i) {
        if (own_short[i]) continue;
        for (int c = 0; c < 7; ++c) EXPECT_STREQ(date::kShortDayNames[i][c], date::kDayNames[i][c]) << i;
    }
    // The bytes that matter most: 0x92 only in the Breton Wednesday, 0x27 in its February.
    EXPECT_STREQ(date::kDayNames[22][3], "Dimerc\x92her");
    EXPECT_STREQ(date::kMonthNames[22][1], "C'hwevrer");
    EXPECT_STREQ(date::kMonthNames[1][2], "M\xE4rz");
}

TEST(DecodeLanguage, CodesCaseAndOverlaps) {
    EXPECT_EQ(decode_language("us"), 0);
    EXPECT_EQ(decode_language("uk"), 0);
    EXPECT_EQ(decode_language("UK"), 0);
    EXPECT_EQ(decode_language("uS"), 0);
    EXPECT_EQ(decode_language("DE"), 1);
    EXPECT_EQ(decode_language("De"), 1);
    EXPECT_EQ(decode_language("de-CH"), 1);
    EXPECT_EQ(decode_language("deutsch"), 1);
    EXPECT_EQ(decode_language("V1"), 17);
    EXPECT_EQ(decode_language("fo"), 26);
    EXPECT_EQ(decode_language("lu"), 27);
    EXPECT_EQ(decode_language("w2"), 28);
    EXPECT_EQ(decode_language("e-"), 1);   // first found inside "de-"
    EXPECT_EQ(decode_language("-d"), 0);   // straddles "uk-de"
    EXPECT_EQ(decode_language("\r-"), -1);  // 0x0D | 0x20 is '-': "--" is not in the list
    EXPECT_EQ(decode_language("xx"), -1);
    EXPECT_EQ(decode_language("zz"), -1);
    EXPECT_EQ(decode_language("d"), -1);
    EXPECT_EQ(decode_language(""), -1);
    EXPECT_EQ(decode_language("\xC4\xC5"), -1);
    EXPECT_EQ(decode_language(nullptr), -1);
}

TEST(NameFunctions, EnglishNames) {
    const Timestamp sunday = at(2008, 3, 16, 23, 59, 59);
    const Timestamp thursday = at(2008, 9, 4);
    EXPECT_EQ(text(cdowlong(&sunday)), "Sunday");
    EXPECT_EQ(text(cdowshort(&thursday)), "Thu");
    EXPECT_EQ(text(cmonthlong(&thursday)), "September");
    EXPECT_EQ(text(cmonthshort(&thursday)), "Sep");
    const Timestamp day0{0, 0};  // 17 November 1858, a Wednesday
    EXPECT_EQ(text(cdowlong(&day0)), "Wednesday");
    EXPECT_EQ(text(cmonthshort(&day0)), "Nov");
    const Timestamp far{-2000000000, 0};
    EXPECT_TRUE(text(cdowlonglang(&far, "b1")));
}

TEST(NameFunctions, LanguageNames) {
    const Timestamp sunday = at(2008, 3, 16);
    const Timestamp monday = at(2008, 3, 17);
    const Timestamp wednesday = at(2008, 3, 19);
    EXPECT_EQ(text(cdowlonglang(&sunday, "pt")), "Domingo");
    EXPECT_EQ(text(cdowlonglang(&monday, "PT")), "Segunda-feira");
    EXPECT_EQ(text(cdowshortlang(&monday, "pt")), "2\xAA");
    EXPECT_EQ(text(cdowshortlang(&sunday, "nl")), "Zond");  // full names cut to four bytes
    EXPECT_EQ(text(cdowshortlang(&sunday, "ie")), "D\xE9 D");
    EXPECT_EQ(text(cdowshortlang(&sunday, "de")), "So");
    EXPECT_EQ(text(cdowshortlang(&wednesday, "es")), "Mi\xE9r");
    EXPECT_EQ(text(cdowlonglang(&wednesday, "b1")), "Dimerc\x92her");
    EXPECT_EQ(text(cdowshortlang(&wednesday, "b1")), "Dime");
    EXPECT_EQ(text(cmonthlonglang(&sunday, "de")), "M\xE4rz");
    EXPECT_EQ(text(cmonthshortlang(&sunday, "de")), "M\xE4r");
    EXPECT_EQ(text(cmonthlonglang(&sunday, "ie")), "An M\xE1rta");
    const Timestamp feb = at(2008, 2, 1);
    EXPECT_EQ(text(cmonthlonglang(&feb, "b1")), "C'hwevrer");
    const Timestamp june = at(2008, 6, 10);
    const Timestamp july = at(2008, 7, 10);
    const Timestamp august = at(2008, 8, 10);
    EXPECT_EQ(text(cmonthlonglang(&june, "it")), "Guigno");
    EXPECT_EQ(text(cmonthshortlang(&june, "fr")), "Jun");
    EXPECT_EQ(text(cmonthshortlang(&july, "fr")), "Jul");
    EXPECT_EQ(text(cmonthshortlang(&august, "fr")), "Ao\xFB");
    // The French rule needs the code exactly "fr".
    EXPECT_EQ(text(cmonthshortlang(&june, "FR")), "Jui");
    EXPECT_EQ(text(cmonthshortlang(&july, "Fr")), "Jui");
    EXPECT_EQ(text(cmonthshortlang(&july, "fra")), "Jui");
    EXPECT_EQ(text(cmonthshortlang(&june, "s1")), "Jui");  // other rows keep the first three bytes
}

TEST(NameFunctions, UnknownCodesAndNulls) {
    const Timestamp t = at(2008, 3, 14);
    for (const char* code : {"xx", "", "d", "zz"}) {
        EXPECT_EQ(text(cdowlonglang(&t, code)), "???") << code;
        EXPECT_EQ(text(cdowshortlang(&t, code)), "???") << code;
        EXPECT_EQ(text(cmonthlonglang(&t, code)), "???") << code;
        EXPECT_EQ(text(cmonthshortlang(&t, code)), "???") << code;
    }
    test::reset_blocks();
    EXPECT_EQ(cdowlong(nullptr), nullptr);
    EXPECT_EQ(cmonthshort(nullptr), nullptr);
    EXPECT_EQ(cdowlonglang(nullptr, "de"), nullptr);
    EXPECT_EQ(cdowshortlang(&t, nullptr), nullptr);
    EXPECT_EQ(cmonthlonglang(&t, nullptr), nullptr);
    EXPECT_EQ(cmonthshortlang(nullptr, nullptr), nullptr);
    EXPECT_EQ(test::stats().count, 0);
}

}  // namespace
}  // namespace brindle
