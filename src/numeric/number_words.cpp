// The number-word table. Bytes above 0x7F are Windows-1252 (0x92 is the right single quote).
// Luxembourgish (lu) is spoken with its own digit words, from null to néng.
#include "numeric/number_words.h"

namespace brindle::numeric {

const char* const kNumberWords[kLanguageCount][11] = {
    {"zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "dot"},  // uk
    {"null", "eins", "zwei", "drei", "vier", "f\xFCnf", "sechs", "sieben", "acht", "neun", "Komma"},  // de
    {"z\xE9ro", "un", "deux", "trois", "quatre", "cinq", "six", "sept", "huit", "neuf", "virgule"},  // fr
    {"zero", "uno", "due", "tre", "quattro", "cinque", "sei", "sette", "otto", "nove", "virgola"},  // it
    {"cero", "uno", "dos", "tres", "cuatro", "cinco", "seis", "siete", "ocho", "nueve", "coma"},  // es
    {"zero", "um", "duas", "tr\xEAs", "quatro", "cinco", "seis", "sete", "oito", "nove", ","},  // pt
    {"nul", "een", "twee", "drie", "vier", "vijf", "zes", "zeven", "acht", "negen", ","},  // nl
    {"null", "en", "to", "tre", "fire", "fem", "seks", "syv", "\xE5tte", "ni", ","},  // no
    {"noll", "en", "tv\xE5", "tre", "fyra", "fem", "sex", "sju", "\xE5tta", "nio", ","},  // se
    {"nul", "en", "to", "tre", "fire", "fem", "seks", "syv", "otte", "ni", ","},  // dk
    {"nolla", "yksi", "kaksi", "kolme", "nelj\xE4", "viisi", "kuusi", "seitsem\xE4n", "kahdeksan", "yhdeks\xE4n", ","},  // fi
    {"nulla", "egy", "ketto~", "h\xE1rom", "n\xE9gy", "\xF6t", "hat", "h\xE9t", "nyolc", "kilenc", ","},  // hu
    {"n\xE1id", "a haon", "a d\xF3", "a tr\xED", "a ceathair", "a c\xFAig", "a s\xE9", "a seacht", "a hocht", "a naoi", ","},  // ie
    {"null", "\xFCks", "kaks", "kolm", "neli", "viis", "kuus", "seitse", "kaheksa", "\xFCheksa", ","},  // ee
    {"n\xFAll", "einn", "tveir", "\xFEr\xEDr", "fj\xF3rir", "fimm", "sex", "sj\xF6", "\xE1tta", "n\xEDu", ","},  // is
    {"zero", "nj\xEB", "dy", "tre", "kat\xEBr", "pes\xEB", "gjasht\xEB", "shtat\xEB", "tet\xEB", "n\xEBnt\xEB", ","},  // al
    {"NVLLVS", "VNVS", "DVO", "TRES", "QVATTVOR", "QVINQVE", "SEX", "SEPTEM", "OCTO", "NOVEM", ","},  // va
    {"nullus", "unus", "duo", "tres", "quattuor", "quinque", "sex", "septem", "octo", "novem", ","},  // v1
    {"zero", "un", "dos", "tres", "quatre", "cinc", "sis", "set", "vuit", "nou", ","},  // c1
    {"nocht", "ane", "twa", "three", "fower", "five", "sax", "sieven", "aicht", "nine", ","},  // s1
    {"neoni", "aon", "dh\xE0", "tr\xEC", "ceithir", "c\xF2ig", "sia", "seachd", "ochd", "naoi", ","},  // s2
    {"dim", "un", "dau", "tri", "pedwar", "pump", "chwech", "saith", "wyth", "naw", ","},  // w1
    {"mann", "unan", "daou", "tri", "pevar", "pemp", "c\x92hwec\x92h", "seizh", "eizh", "nav", ","},  // b1
    {"zero", "bat", "bi", "hiru", "lau", "bost", "sei", "zazpi", "zortzi", "bederatzi", ","},  // b2
    {"null", "ein", "to", "tri", "fire", "fem", "seks", "syv", "\xE5tte", "ni", ","},  // n1
    {"nul", "een", "twee", "drie", "vier", "vyf", "ses", "sewe", "agt", "nege", ","},  // za
    {"null", "ein", "tveir", "tr\xEDggir", "f\xFDra", "fimm", "seks", "sjey", "\xE1tta", "n\xEDggju", ","},  // fo
    {"null", "eent", "zwee", "dr\xE4i", "v\xE9ier", "f\xEBnnef", "sechs", "siwen", "aacht", "n\xE9ng", ","},  // lu
    {"z\xE9r\xF4", "onk", "deus", "troes", "cwate", "c\xE9nk", "sh\xEEjh", "set", "\xFBt", "no\xFBv", ","},  // w2
};

}  // namespace brindle::numeric
