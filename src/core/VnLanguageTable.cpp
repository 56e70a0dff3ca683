#include "core/VnLocaleTable.h"

#include <iterator>

// The language, country and variant names are English; they are the texts a
// translation of the program replaces.

namespace {

constexpr TVnEncodingGroup kEncodingGroups[] = {
    {{"", "", "", "", "", "", "", "", "", ""}},
#define VN_UNICODE "utf-8", "utf-16", "unicodeFFFE", "unicode-escape"
    {{VN_UNICODE, "", "", "", "", "", ""}}, // Unicode only
    {{VN_UNICODE, "windows-1252", "iso-8859-1", "macintosh", "ibm850", "ebcdic-1047", ""}},
    {{VN_UNICODE, "windows-1252", "iso-8859-1", "x-mac-icelandic", "ibm861", "x-ebcdic-icelandic-euro", ""}},
    {{VN_UNICODE, "windows-1250", "iso-8859-2", "macintosh", "ibm852", "CP870", ""}},
    {{VN_UNICODE, "windows-1257", "iso-8859-4", "x-mac-latin", "ibm852", "CP870", ""}},
    {{VN_UNICODE, "windows-1254", "iso-8859-9", "x-mac-turkish", "ibm857", "CP1026", ""}},
    {{VN_UNICODE, "windows-1253", "iso-8859-7", "x-mac-greek", "ibm869", "x-EBCDIC-Greek", ""}},
    {{VN_UNICODE, "windows-1251", "iso-8859-5", "x-mac-cyrillic", "ibm855", "x-EBCDIC-CyrillicRussian",
      "koi8-r"}},
    {{VN_UNICODE, "windows-1251", "iso-8859-5", "x-mac-ukraine", "ibm855", "x-EBCDIC-CyrillicRussian",
      "koi8-u"}},
    {{VN_UNICODE, "windows-1256", "iso-8859-6", "x-mac-arabic", "DOS-864", "x-EBCDIC-Arabic", ""}},
    {{VN_UNICODE, "windows-1255", "iso-8859-8", "x-mac-hebrew", "DOS-862", "x-EBCDIC-Hebrew", ""}},
    {{VN_UNICODE, "big5", "iso-2022-tw", "x-mac-chinesetrad", "", "x-EBCDIC-TraditionalChinese", ""}},
    {{VN_UNICODE, "gb2312", "iso-2022-cn", "x-mac-chinesesimp", "", "x-EBCDIC-SimplifiedChinese", "GB18030"}},
    {{VN_UNICODE, "shift_jis", "iso-2022-jp", "x-mac-japanese", "", "x-EBCDIC-JapaneseAndKana", "euc-jp"}},
    {{VN_UNICODE, "ks_c_5601-1987", "iso-2022-kr", "x-mac-korean", "", "x-EBCDIC-KoreanAndKoreanExtended",
      "euc-kr"}},
    {{VN_UNICODE, "windows-874", "", "x-mac-thai", "", "x-EBCDIC-Thai", ""}},
    {{VN_UNICODE, "windows-1258", "", "", "", "", ""}},
#undef VN_UNICODE
};
static_assert(std::size(kEncodingGroups) == 18, "there are 18 encoding groups");

constexpr TVnEncodingData kUnicodeEncodings[] = {
    {"utf-8", 0}, {"utf-16", 1}, {"unicodeFFFE", 2}, {"unicode-escape", 3}};

// Columns: language, country and variant name; language, country and variant
// code; script; encoding group; primary and sub id; Windows code; charset;
// Palm OS language and country; Symbian language and install code; Oracle
// abbreviation, language and territory.
// One row per line, so that the order stays readable.
// clang-format off
constexpr TVnLocaleData kLocales[] = {
    {"Arabic", "Saudi Arabia", "", "ar", "SA", "", 4, 10, 0x01, 0x01, "ARA", 178, 0, 0, 37, "AR", "ar", "ARABIC", "SAUDI ARABIA"},
    {"Arabic", "Iraq", "", "ar", "IQ", "", 4, 10, 0x01, 0x02, "ARI", 178, 0, 0, 37, "AR", "ar", "ARABIC", "IRAQ"},
    {"Arabic", "Egypt", "", "ar", "EG", "", 4, 10, 0x01, 0x03, "ARE", 178, 0, 0, 37, "AR", "eg", "EGYPTIAN", "EGYPT"},
    {"Arabic", "Libya", "", "ar", "LY", "", 4, 10, 0x01, 0x04, "ARL", 178, 0, 0, 37, "AR", "ar", "ARABIC", "LIBYA"},
    {"Arabic", "Algeria", "", "ar", "DZ", "", 4, 10, 0x01, 0x05, "ARG", 178, 0, 0, 37, "AR", "ar", "ARABIC", "ALGERIA"},
    {"Arabic", "Morocco", "", "ar", "MA", "", 4, 10, 0x01, 0x06, "ARM", 178, 0, 0, 37, "AR", "ar", "ARABIC", "MOROCCO"},
    {"Arabic", "Tunisia", "", "ar", "TN", "", 4, 10, 0x01, 0x07, "ART", 178, 0, 0, 37, "AR", "ar", "ARABIC", "TUNISIA"},
    {"Arabic", "Oman", "", "ar", "OM", "", 4, 10, 0x01, 0x08, "ARO", 178, 0, 0, 37, "AR", "ar", "ARABIC", "OMAN"},
    {"Arabic", "Yemen", "", "ar", "YE", "", 4, 10, 0x01, 0x09, "ARY", 178, 0, 0, 37, "AR", "ar", "ARABIC", "YEMEN"},
    {"Arabic", "Syria", "", "ar", "SY", "", 4, 10, 0x01, 0x0A, "ARS", 178, 0, 0, 37, "AR", "ar", "ARABIC", "SYRIA"},
    {"Arabic", "Jordan", "", "ar", "JO", "", 4, 10, 0x01, 0x0B, "ARJ", 178, 0, 0, 37, "AR", "ar", "ARABIC", "JORDAN"},
    {"Arabic", "Lebanon", "", "ar", "LB", "", 4, 10, 0x01, 0x0C, "ARB", 178, 0, 0, 37, "AR", "ar", "ARABIC", "LEBANON"},
    {"Arabic", "Kuwait", "", "ar", "KW", "", 4, 10, 0x01, 0x0D, "ARK", 178, 0, 0, 37, "AR", "ar", "ARABIC", "KUWAIT"},
    {"Arabic", "U.A.E.", "", "ar", "AE", "", 4, 10, 0x01, 0x0E, "ARU", 178, 0, 0, 37, "AR", "ar", "ARABIC", "UNITED ARAB EMIRATES"},
    {"Arabic", "Bahrain", "", "ar", "BH", "", 4, 10, 0x01, 0x0F, "ARH", 178, 0, 0, 37, "AR", "ar", "ARABIC", "BAHRAIN"},
    {"Arabic", "Qatar", "", "ar", "QA", "", 4, 10, 0x01, 0x10, "ARQ", 178, 0, 0, 37, "AR", "ar", "ARABIC", "QATAR"},
    {"Armenian", "Armenia", "", "hy", "AM", "", 11, 1, 0x2B, 0x01, "HYE", 1, 0, 0, 38, "HY", "hy", "ARMENIAN", "ARMENIA"},
    {"Georgian", "Georgia", "", "ka", "GE", "", 12, 1, 0x37, 0x01, "KAT", 1, 0, 0, 53, "KA", "ka", "GEORGIAN", "GEORGIA"},
    {"Hindi", "India", "", "hi", "IN", "", 15, 1, 0x39, 0x01, "HIN", 1, 0, 24, 58, "HI", "hi", "HINDI", "INDIA"},
    {"Bengali", "India", "", "bn", "IN", "", 16, 1, 0x45, 0x01, "BNG", 1, 0, 24, 41, "BN", "bn", "BENGALI", "INDIA"},
    {"Malayalam", "India", "", "ml", "IN", "", 22, 1, 0x4C, 0x01, "MYM", 1, 0, 24, 71, "ML", "ml", "MALAYALAM", "INDIA"},
    {"Punjabi", "India", "", "pa", "IN", "", 17, 1, 0x46, 0x01, "PAN", 1, 0, 24, 77, "PA", "pa", "PUNJABI", "INDIA"},
    {"Gujarati", "India", "", "gu", "IN", "", 23, 1, 0x47, 0x01, "GUJ", 1, 0, 24, 56, "GU", "gu", "GUJARATI", "INDIA"},
    {"Tamil", "India", "", "ta", "IN", "", 19, 1, 0x49, 0x01, "TAM", 1, 0, 24, 87, "TA", "ta", "TAMIL", "INDIA"},
    {"Telugu", "India", "", "te", "IN", "", 20, 1, 0x4A, 0x01, "TEL", 1, 0, 24, 88, "TE", "te", "TELUGU", "INDIA"},
    {"Kannada", "India", "", "kn", "IN", "", 21, 1, 0x4B, 0x01, "KAN", 1, 0, 24, 62, "KN", "kn", "KANNADA", "INDIA"},
    {"Marathi", "India", "", "mr", "IN", "", 15, 1, 0x4E, 0x01, "MAR", 1, 0, 24, 72, "MR", "mr", "MARATHI", "INDIA"},
    {"Sanskrit", "India", "", "sa", "IN", "", 15, 1, 0x4F, 0x01, "SAN", 1, 0, 24, 99, "", "", "", ""},
    {"Konkani", "India", "", "kok", "IN", "", 15, 1, 0x57, 0x01, "KNK", 1, 0, 24, 99, "", "", "", ""},
    {"Syriac", "Syria", "", "syr", "SY", "", 13, 1, 0x5A, 0x01, "SYR", 1, 0, 0, 99, "", "", "", ""},
    {"Divehi", "Maldives", "", "div", "MV", "", 14, 1, 0x65, 0x01, "DIV", 1, 0, 0, 99, "", "", "", ""},
    {"Bulgarian", "Bulgaria", "", "bg", "BG", "", 3, 8, 0x02, 0x01, "BGR", 204, 0, 0, 42, "BG", "bg", "BULGARIAN", "BULGARIA"},
    {"Catalan", "Spain", "", "ca", "ES", "", 1, 2, 0x03, 0x01, "CAT", 0, 0, 19, 44, "CA", "ca", "CATALAN", "SPAIN"},
    {"Chinese", "People's Republic of China", "", "zh", "CN", "", 8, 13, 0x04, 0x02, "CHS", 134, 0, 28, 31, "ZH", "zhs", "SIMPLIFIED CHINESE", "CHINA"},
    {"Chinese", "Singapore", "", "zh", "SG", "", 8, 13, 0x04, 0x04, "ZHI", 134, 0, 30, 31, "ZH", "zhs", "SIMPLIFIED CHINESE", "SINGAPORE"},
    {"Chinese", "Taiwan", "", "zh", "TW", "", 7, 12, 0x04, 0x01, "CHT", 136, 0, 32, 29, "TC", "zht", "TRADITIONAL CHINESE", "TAIWAN"},
    {"Chinese", "Hong Kong S.A.R.", "", "zh", "HK", "", 7, 12, 0x04, 0x03, "ZHH", 136, 0, 9, 30, "HK", "zht", "TRADITIONAL CHINESE", "HONG KONG"},
    {"Chinese", "Macao S.A.R.", "", "zh", "MO", "", 7, 12, 0x04, 0x05, "ZHM", 136, 0, 0, 30, "HK", "zht", "TRADITIONAL CHINESE", "MACAO"},
    {"Czech", "Czech Republic", "", "cs", "CZ", "", 1, 4, 0x05, 0x01, "CSY", 238, 0, 0, 25, "CS", "cs", "CZECH", "CZECH REPUBLIC"},
    {"Danish", "Denmark", "", "da", "DK", "", 1, 2, 0x06, 0x01, "DAN", 0, 0, 5, 7, "DA", "dk", "DANISH", "DENMARK"},
    {"German", "Germany", "", "de", "DE", "", 1, 2, 0x07, 0x01, "DEU", 0, 2, 8, 3, "GE", "d", "GERMAN", "GERMANY"},
    {"German", "Switzerland", "", "de", "CH", "", 1, 2, 0x07, 0x02, "DES", 0, 2, 21, 12, "SG", "d", "GERMAN", "SWITZERLAND"},
    {"German", "Austria", "", "de", "AT", "", 1, 2, 0x07, 0x03, "DEA", 0, 2, 1, 22, "AS", "d", "GERMAN", "AUSTRIA"},
    {"German", "Luxembourg", "", "de", "LU", "", 1, 2, 0x07, 0x04, "DEL", 0, 2, 14, 3, "GE", "d", "GERMAN", "LUXEMBOURG"},
    {"German", "Liechtenstein", "", "de", "LI", "", 1, 2, 0x07, 0x05, "DEC", 0, 2, 0, 3, "GE", "d", "GERMAN", "LIECHTENSTEIN"},
    {"Greek", "Greece", "", "el", "GR", "", 2, 7, 0x08, 0x01, "ELL", 161, 0, 0, 54, "EL", "el", "GREEK", "GREECE"},
    {"Greek", "Cyprus", "", "el", "CY", "", 2, 7, 0x08, 0x02, "", 161, 0, 0, 55, "CG", "el", "GREEK", "CYPRUS"},
    {"English", "United States", "", "en", "US", "", 1, 2, 0x09, 0x01, "ENU", 0, 0, 23, 10, "AM", "us", "AMERICAN", "AMERICA"},
    {"English", "United Kingdom", "", "en", "GB", "", 1, 2, 0x09, 0x02, "ENG", 0, 0, 22, 1, "EN", "gb", "ENGLISH", "UNITED KINGDOM"},
    {"English", "Australia", "", "en", "AU", "", 1, 2, 0x09, 0x03, "ENA", 0, 0, 0, 20, "AU", "gb", "ENGLISH", "AUSTRALIA"},
    {"English", "Canada", "", "en", "CA", "", 1, 2, 0x09, 0x04, "ENC", 0, 0, 4, 46, "CE", "gb", "ENGLISH", "CANADA"},
    {"English", "New Zealand", "", "en", "NZ", "", 1, 2, 0x09, 0x05, "ENZ", 0, 0, 17, 23, "NZ", "gb", "ENGLISH", "NEW ZEALAND"},
    {"English", "Ireland", "", "en", "IE", "", 1, 2, 0x09, 0x06, "ENI", 0, 0, 11, 47, "IE", "gb", "ENGLISH", "IRELAND"},
    {"English", "South Africa", "", "en", "ZA", "", 1, 2, 0x09, 0x07, "ENS", 0, 0, 0, 48, "SA", "gb", "ENGLISH", "SOUTH AFRICA"},
    {"English", "Jamaica", "", "en", "JM", "", 1, 2, 0x09, 0x08, "ENJ", 0, 0, 0, 47, "IE", "gb", "ENGLISH", "JAMAICA"},
    {"English", "Caribbean", "", "en", "CB", "", 1, 2, 0x09, 0x09, "ENB", 0, 0, 0, 47, "IE", "gb", "ENGLISH", ""},
    {"English", "Belize", "", "en", "BZ", "", 1, 2, 0x09, 0x0A, "ENL", 0, 0, 0, 47, "IE", "gb", "ENGLISH", "BELIZE"},
    {"English", "Trinidad and Tobago", "", "en", "TT", "", 1, 2, 0x09, 0x0B, "ENT", 0, 0, 0, 47, "IE", "gb", "ENGLISH", "TRINIDAD AND TOBAGO"},
    {"English", "Zimbabwe", "", "en", "ZW", "", 1, 2, 0x09, 0x0C, "ENW", 0, 0, 0, 47, "IE", "gb", "ENGLISH", "ZIMBABWE"},
    {"English", "Republic of the Philippines", "", "en", "PH", "", 1, 2, 0x09, 0x0D, "ENP", 0, 0, 29, 47, "IE", "gb", "ENGLISH", "PHILIPPINES"},
    {"Spanish", "Spain", "", "es", "ES", "", 1, 2, 0x0A, 0x01, "ESP", 0, 4, 19, 4, "SP", "e", "SPANISH", "SPAIN"},
    {"Spanish", "Mexico", "", "es", "MX", "", 1, 2, 0x0A, 0x02, "ESM", 0, 4, 15, 83, "LS", "esm", "MEXICAN SPANISH", "MEXICO"},
    {"Spanish", "Spain", "Modern", "es", "ES", "MOD", 1, 2, 0x0A, 0x03, "ESN", 0, 4, 19, 82, "OS", "e", "SPANISH", "SPAIN"},
    {"Spanish", "Guatemala", "", "es", "GT", "", 1, 2, 0x0A, 0x04, "ESG", 0, 4, 0, 83, "LS", "esa", "LATIN AMERICAN SPANISH", "GUATEMALA"},
    {"Spanish", "Costa Rica", "", "es", "CR", "", 1, 2, 0x0A, 0x05, "ESC", 0, 4, 0, 83, "LS", "esa", "LATIN AMERICAN SPANISH", "COSTA RICA"},
    {"Spanish", "Panama", "", "es", "PA", "", 1, 2, 0x0A, 0x06, "ESA", 0, 4, 0, 83, "LS", "esa", "LATIN AMERICAN SPANISH", "PANAMA"},
    {"Spanish", "Dominican Republic", "", "es", "DO", "", 1, 2, 0x0A, 0x07, "ESD", 0, 4, 0, 83, "LS", "esa", "LATIN AMERICAN SPANISH", "DOMINICAN REPUBLIC"},
    {"Spanish", "Venezuela", "", "es", "VE", "", 1, 2, 0x0A, 0x08, "ESV", 0, 4, 0, 83, "LS", "esa", "LATIN AMERICAN SPANISH", "VENEZUELA"},
    {"Spanish", "Colombia", "", "es", "CO", "", 1, 2, 0x0A, 0x09, "ESO", 0, 4, 0, 83, "LS", "esa", "LATIN AMERICAN SPANISH", "COLOMBIA"},
    {"Spanish", "Peru", "", "es", "PE", "", 1, 2, 0x0A, 0x0A, "ESR", 0, 4, 0, 83, "LS", "esa", "LATIN AMERICAN SPANISH", "PERU"},
    {"Spanish", "Argentina", "", "es", "AR", "", 1, 2, 0x0A, 0x0B, "ESS", 0, 4, 0, 83, "LS", "esa", "LATIN AMERICAN SPANISH", "ARGENTINA"},
    {"Spanish", "Ecuador", "", "es", "EC", "", 1, 2, 0x0A, 0x0C, "ESF", 0, 4, 0, 83, "LS", "esa", "LATIN AMERICAN SPANISH", "ECUADOR"},
    {"Spanish", "Chile", "", "es", "CL", "", 1, 2, 0x0A, 0x0D, "ESL", 0, 4, 0, 83, "LS", "esa", "LATIN AMERICAN SPANISH", "CHILE"},
    {"Spanish", "Uruguay", "", "es", "UY", "", 1, 2, 0x0A, 0x0E, "ESY", 0, 4, 0, 83, "LS", "esa", "LATIN AMERICAN SPANISH", "URUGUAY"},
    {"Spanish", "Paraguay", "", "es", "PY", "", 1, 2, 0x0A, 0x0F, "ESZ", 0, 4, 0, 83, "LS", "esa", "LATIN AMERICAN SPANISH", "PARAGUAY"},
    {"Spanish", "Bolivia", "", "es", "BO", "", 1, 2, 0x0A, 0x10, "ESB", 0, 4, 0, 83, "LS", "esa", "LATIN AMERICAN SPANISH", "BOLIVIA"},
    {"Spanish", "El Salvador", "", "es", "SV", "", 1, 2, 0x0A, 0x11, "ESE", 0, 4, 0, 83, "LS", "esa", "LATIN AMERICAN SPANISH", "EL SALVADOR"},
    {"Spanish", "Honduras", "", "es", "HN", "", 1, 2, 0x0A, 0x12, "ESH", 0, 4, 0, 83, "LS", "esa", "LATIN AMERICAN SPANISH", "HONDURAS"},
    {"Spanish", "Nicaragua", "", "es", "NI", "", 1, 2, 0x0A, 0x13, "ESI", 0, 4, 0, 83, "LS", "esa", "LATIN AMERICAN SPANISH", "NICARAGUA"},
    {"Spanish", "Puerto Rico", "", "es", "PR", "", 1, 2, 0x0A, 0x14, "ESU", 0, 4, 0, 83, "LS", "esa", "LATIN AMERICAN SPANISH", "PUERTO RICO"},
    {"Finnish", "Finland", "", "fi", "FI", "", 1, 2, 0x0B, 0x01, "FIN", 0, 0, 6, 9, "FI", "sf", "FINNISH", "FINLAND"},
    {"French", "France", "", "fr", "FR", "", 1, 2, 0x0C, 0x01, "FRA", 0, 1, 7, 2, "FR", "f", "FRENCH", "FRANCE"},
    {"French", "Belgium", "", "fr", "BE", "", 1, 2, 0x0C, 0x02, "FRB", 0, 1, 2, 21, "BF", "f", "FRENCH", "BELGIUM"},
    {"French", "Canada", "", "fr", "CA", "", 1, 2, 0x0C, 0x03, "FRC", 0, 1, 4, 51, "CF", "frc", "CANADIAN FRENCH", "CANADA"},
    {"French", "Switzerland", "", "fr", "CH", "", 1, 2, 0x0C, 0x04, "FRS", 0, 1, 21, 11, "SF", "f", "FRENCH", "SWITZERLAND"},
    {"French", "Luxembourg", "", "fr", "LU", "", 1, 2, 0x0C, 0x05, "FRL", 0, 1, 14, 24, "IF", "f", "FRENCH", "LUXEMBOURG"},
    {"French", "Principality of Monaco", "", "fr", "MC", "", 1, 2, 0x0C, 0x06, "FRM", 0, 1, 0, 24, "IF", "f", "FRENCH", "MONACO"},
    {"Hebrew", "Israel", "", "he", "IL", "", 5, 11, 0x0D, 0x01, "HEB", 177, 0, 0, 57, "HE", "iw", "HEBREW", "ISRAEL"},
    {"Hungarian", "Hungary", "", "hu", "HU", "", 1, 4, 0x0E, 0x01, "HUN", 238, 0, 0, 17, "HU", "hu", "HUNGARIAN", "HUNGARY"},
    {"Icelandic", "Iceland", "", "is", "IS", "", 1, 3, 0x0F, 0x01, "ISL", 0, 0, 10, 15, "IC", "is", "ICELANDIC", "ICELAND"},
    {"Italian", "Italy", "", "it", "IT", "", 1, 2, 0x10, 0x01, "ITA", 0, 3, 12, 5, "IT", "i", "ITALIAN", "ITALY"},
    {"Italian", "Switzerland", "", "it", "CH", "", 1, 2, 0x10, 0x02, "ITS", 0, 3, 21, 61, "SZ", "i", "ITALIAN", "SWITZERLAND"},
    {"Japanese", "Japan", "", "ja", "JP", "", 6, 14, 0x11, 0x01, "JPN", 128, 6, 13, 32, "JA", "ja", "JAPANESE", "JAPAN"},
    {"Korean", "Korea", "", "ko", "KR", "", 9, 15, 0x12, 0x01, "KOR", 129, 0, 26, 65, "KO", "ko", "KOREAN", "KOREA"},
    {"Dutch", "Netherlands", "", "nl", "NL", "", 1, 2, 0x13, 0x01, "NLD", 0, 7, 16, 18, "DU", "nl", "DUTCH", "NETHERLANDS"},
    {"Dutch", "Belgium", "", "nl", "BE", "", 1, 2, 0x13, 0x02, "NLB", 0, 7, 2, 19, "BL", "nl", "DUTCH", "BELGIUM"},
    {"Norwegian", "Norway", "", "no", "NO", "", 1, 2, 0x14, 0x01, "NOR", 0, 0, 18, 8, "NO", "n", "NORWEGIAN", "NORWAY"},
    {"Norwegian", "Norway", "Nynorsk", "no", "NO", "NYNORSK", 1, 2, 0x14, 0x02, "NON", 0, 0, 18, 75, "NN", "n", "NORWEGIAN", "NORWAY"},
    {"Polish", "Poland", "", "pl", "PL", "", 1, 4, 0x15, 0x01, "PLK", 238, 0, 0, 27, "PL", "pl", "POLISH", "POLAND"},
    {"Portuguese", "Portugal", "", "pt", "PT", "", 1, 2, 0x16, 0x02, "PTG", 0, 0, 0, 13, "PO", "pt", "PORTUGUESE", "PORTUGAL"},
    {"Portuguese", "Brazil", "", "pt", "BR", "", 1, 2, 0x16, 0x01, "PTB", 0, 0, 3, 76, "BP", "ptb", "BRAZILIAN PORTUGUESE", "BRAZIL"},
    {"Romansh", "Switzerland", "", "rm", "CH", "", 1, 2, 0x17, 0x01, "RMC", 0, 0, 21, 99, "", "", "", ""},
    {"Romanian", "Romania", "", "ro", "RO", "", 1, 4, 0x18, 0x01, "ROM", 238, 0, 0, 78, "RO", "ro", "ROMANIAN", "ROMANIA"},
    {"Russian", "Russia", "", "ru", "RU", "", 3, 8, 0x19, 0x01, "RUS", 204, 0, 0, 16, "RU", "ru", "RUSSIAN", "RUSSIA"},
    {"Croatian", "Croatia", "", "hr", "HR", "", 1, 4, 0x1A, 0x01, "HRV", 238, 0, 0, 45, "HR", "hr", "CROATIAN", "CROATIA"},
    {"Croatian", "Bosnia and Herzegovina", "", "hr", "BA", "", 1, 4, 0x1A, 0x04, "HRB", 238, 0, 0, 45, "HR", "hr", "CROATIAN", "BOSNIA AND HERZEGOVINA"},
    {"Serbian", "Serbia and Montenegro", "", "sr", "RS", "", 3, 8, 0x1A, 0x03, "SRB", 204, 0, 0, 79, "SR", "csr", "CYRILLIC SERBIAN", "SERBIA AND MONTENEGRO"},
    {"Serbian", "Serbia and Montenegro", "", "sr", "RS", "", 1, 4, 0x1A, 0x02, "SRL", 238, 0, 0, 79, "SR", "lsr", "LATIN SERBIAN", "SERBIA AND MONTENEGRO"},
    {"Serbian", "Bosnia and Herzegovina", "", "sr", "BA", "", 3, 8, 0x1A, 0x07, "SRN", 204, 0, 0, 79, "SR", "csr", "CYRILLIC SERBIAN", "BOSNIA AND HERZEGOVINA"},
    {"Serbian", "Bosnia and Herzegovina", "", "sr", "BA", "", 1, 4, 0x1A, 0x06, "SRS", 238, 0, 0, 79, "SR", "lsr", "LATIN SERBIAN", "BOSNIA AND HERZEGOVINA"},
    {"Bosnian", "Bosnia and Herzegovina", "", "bs", "BA", "", 1, 4, 0x1A, 0x05, "BSB", 238, 0, 0, 99, "", "lbs", "LATIN BOSNIAN", "BOSNIA AND HERZEGOVINA"},
    {"Slovak", "Slovakia", "", "sk", "SK", "", 1, 4, 0x1B, 0x01, "SKY", 238, 0, 0, 26, "SK", "sk", "SLOVAK", "SLOVAKIA"},
    {"Albanian", "Albania", "", "sq", "AL", "", 1, 4, 0x1C, 0x01, "SQI", 238, 0, 0, 35, "SQ", "sq", "ALBANIAN", "ALBANIA"},
    {"Swedish", "Sweden", "", "sv", "SE", "", 1, 2, 0x1D, 0x01, "SVE", 0, 0, 20, 6, "SW", "s", "SWEDISH", "SWEDEN"},
    {"Swedish", "Finland", "", "sv", "FI", "", 1, 2, 0x1D, 0x02, "SVF", 0, 0, 6, 85, "FS", "s", "SWEDISH", "FINLAND"},
    {"Thai", "Thailand", "", "th", "TH", "", 10, 16, 0x1E, 0x01, "THA", 222, 0, 31, 33, "TH", "th", "THAI", "THAILAND"},
    {"Turkish", "Turkey", "", "tr", "TR", "", 1, 6, 0x1F, 0x01, "TRK", 162, 0, 0, 14, "TU", "tr", "TURKISH", "TURKEY"},
    {"Urdu", "Islamic Republic of Pakistan", "", "ur", "PK", "", 4, 10, 0x20, 0x01, "URD", 178, 0, 0, 94, "UR", "", "", ""},
    {"Indonesian", "Indonesia", "", "id", "ID", "", 1, 2, 0x21, 0x01, "IND", 0, 0, 25, 59, "IN", "in", "INDONESIAN", "INDONESIA"},
    {"Ukrainian", "Ukraine", "", "uk", "UA", "", 3, 9, 0x22, 0x01, "UKR", 204, 0, 0, 93, "UK", "uk", "UKRAINIAN", "UKRAINE"},
    {"Belarusian", "Belarus", "", "be", "BY", "", 3, 8, 0x23, 0x01, "BEL", 204, 0, 0, 40, "BE", "be", "BELARUSIAN", "BELARUS"},
    {"Slovenian", "Slovenia", "", "sl", "SI", "", 1, 4, 0x24, 0x01, "SLV", 238, 0, 0, 28, "SL", "sl", "SLOVENIAN", "SLOVENIA"},
    {"Estonian", "Estonia", "", "et", "EE", "", 1, 5, 0x25, 0x01, "ETI", 186, 0, 0, 49, "ET", "et", "ESTONIAN", "ESTONIA"},
    {"Latvian", "Latvia", "", "lv", "LV", "", 1, 5, 0x26, 0x01, "LVI", 186, 0, 0, 67, "LV", "lv", "LATVIAN", "LATVIA"},
    {"Lithuanian", "Lithuania", "", "lt", "LT", "", 1, 5, 0x27, 0x01, "LTH", 186, 0, 0, 68, "LT", "lt", "LITHUANIAN", "LITHUANIA"},
    {"Farsi", "Iran", "", "fa", "IR", "", 4, 10, 0x29, 0x01, "FAR", 178, 0, 0, 50, "FA", "fa", "PERSIAN", "IRAN"},
    {"Vietnamese", "Vietnam", "", "vi", "VN", "", 1, 17, 0x2A, 0x01, "VIT", 163, 0, 0, 96, "VI", "vn", "VIETNAMESE", "VIETNAM"},
    {"Azeri", "Azerbaijan", "", "az", "AZ", "", 1, 6, 0x2C, 0x01, "AZE", 162, 0, 0, 99, "", "az", "AZERBAIJANI", "AZERBAIJAN"},
    {"Azeri", "Azerbaijan", "", "az", "AZ", "", 3, 8, 0x2C, 0x02, "AZE", 204, 0, 0, 99, "", "az", "AZERBAIJANI", "AZERBAIJAN"},
    {"Basque", "Spain", "", "eu", "ES", "", 1, 2, 0x2D, 0x01, "EUQ", 0, 0, 19, 99, "", "eu", "BASQUE", "SPAIN"},
    {"Macedonian", "Former Yugoslav Republic of Macedonia", "", "mk", "MK", "", 3, 8, 0x2F, 0x01, "MKI", 204, 0, 0, 69, "MK", "mk", "MACEDONIAN", "MACEDONIA"},
    {"Tsonga", "-", "", "ts", "  ", "", 1, 2, 0x31, 0x01, "", 0, 0, 0, 99, "", "", "", ""},
    {"Xhosa", "South Africa", "", "xh", "ZA", "", 1, 2, 0x34, 0x01, "XHO", 0, 0, 0, 99, "", "", "", ""},
    {"Zulu", "South Africa", "", "zu", "ZA", "", 1, 2, 0x35, 0x01, "ZUL", 0, 0, 0, 98, "ZU", "zu", "ZULU", "SOUTH AFRICA"},
    {"Afrikaans", "South Africa", "", "af", "ZA", "", 1, 2, 0x36, 0x01, "AFK", 0, 0, 0, 34, "AF", "af", "AFRIKAANS", "SOUTH AFRICA"},
    {"Faroese", "Faroe Islands", "", "fo", "FO", "", 1, 2, 0x38, 0x01, "FOS", 0, 0, 0, 99, "", "", "", ""},
    {"Maltese", "Malta", "", "mt", "MT", "", 1, 2, 0x3A, 0x01, "MLT", 0, 0, 0, 99, "", "mt", "MALTESE", "MALTA"},
    {"Mongolian", "Mongolia", "", "mn", "MN", "", 3, 8, 0x50, 0x01, "MON", 204, 0, 0, 74, "MN", "", "", ""},
    {"Kyrgyz", "Kyrgyzstan", "", "ky", "KG", "", 3, 8, 0x40, 0x01, "KYR", 204, 0, 0, 99, "", "", "", ""},
    {"Gaelic", "United Kingdom", "", "gd", "GB", "", 1, 2, 0x3C, 0x01, "", 0, 0, 22, 52, "GD", "", "", ""},
    {"Malay", "Malaysia", "", "ms", "MY", "", 1, 2, 0x3E, 0x01, "MSL", 0, 0, 27, 70, "MS", "ms", "MALAY", "MALAYSIA"},
    {"Malay", "Brunei Darussalam", "", "ms", "BN", "", 1, 2, 0x3E, 0x02, "MSB", 0, 0, 0, 70, "MS", "ms", "MALAY", "BRUNEI"},
    {"Kazakh", "Kazakhstan", "", "kk", "KZ", "", 3, 8, 0x3F, 0x01, "KKZ", 204, 0, 0, 63, "KK", "ckk", "CYRILLIC KAZAKH", "KAZAKHSTAN"},
    {"Swahili", "Kenya", "", "sw", "KE", "", 1, 2, 0x41, 0x01, "SWK", 0, 0, 0, 84, "SH", "sw", "SWAHILI", "KENYA"},
    {"Uzbek", "Uzbekistan", "", "uz", "UZ", "", 1, 6, 0x43, 0x01, "UZB", 162, 0, 0, 99, "", "luz", "LATIN UZBEK", "UZBEKISTAN"},
    {"Uzbek", "Uzbekistan", "", "uz", "UZ", "", 3, 8, 0x43, 0x02, "UZB", 204, 0, 0, 99, "", "cuz", "CYRILLIC UZBEK", "UZBEKISTAN"},
    {"Tatar", "Russia", "", "tt", "TA", "", 3, 8, 0x44, 0x01, "TTT", 204, 0, 0, 99, "", "", "", ""},
    {"Assame", "India", "", "as", "IN", "", 16, 1, 0x4D, 0x01, "ASM", 1, 0, 24, 99, "", "as", "ASSAMESE", "INDIA"},
    {"Galician", "Spain", "", "gl", "ES", "", 1, 2, 0x56, 0x01, "GLC", 0, 0, 19, 99, "", "gl", "GALICIAN", "SPAIN"},
    {"Welsh", "United Kingdom", "", "cy", "GB", "", 1, 2, 0x52, 0x01, "CYM", 0, 0, 22, 97, "CY", "cy", "WELSH", "UNITED KINGDOM"},
    {"Maori", "New Zealand", "", "mi", "NZ", "", 1, 2, 0x81, 0x01, "MRI", 0, 0, 17, 99, "", "", "", ""},
    {"Quechua", "Bolivia", "", "qu", "BO", "", 1, 2, 0x6B, 0x01, "QUB", 0, 0, 0, 99, "", "", "", ""},
    {"Quechua", "Ecuador", "", "qu", "EC", "", 1, 2, 0x6B, 0x02, "QUE", 0, 0, 0, 99, "", "", "", ""},
    {"Quechua", "Peru", "", "qu", "PE", "", 1, 2, 0x6B, 0x03, "QUP", 0, 0, 0, 99, "", "", "", ""},
    {"Setswana", "South Africa", "", "tn", "ZA", "", 1, 2, 0x32, 0x01, "TSN", 0, 0, 0, 99, "", "", "", ""},
    {"Sesotho sa Leboa", "South Africa", "", "na", "ZA", "", 1, 2, 0x6C, 0x01, "NSO", 0, 0, 0, 99, "", "", "", ""},
    {"Sami", "Norway", "Northern", "se", "NO", "NORTHERN", 1, 2, 0x3B, 0x01, "SME", 0, 0, 18, 99, "", "", "", ""},
    {"Sami", "Sweden", "Northern", "se", "SE", "NORTHERN", 1, 2, 0x3B, 0x02, "SMF", 0, 0, 20, 99, "", "", "", ""},
    {"Sami", "Finland", "Northern", "se", "FI", "NORTHERN", 1, 2, 0x3B, 0x03, "SMG", 0, 0, 6, 99, "", "", "", ""},
    {"Sami", "Norway", "Lule", "se", "NO", "LULE", 1, 2, 0x3B, 0x04, "SMJ", 0, 0, 18, 99, "", "", "", ""},
    {"Sami", "Sweden", "Lule", "se", "SE", "LULE", 1, 2, 0x3B, 0x05, "SMK", 0, 0, 20, 99, "", "", "", ""},
    {"Sami", "Norway", "Southern", "se", "NO", "SOUTHERN", 1, 2, 0x3B, 0x06, "SMA", 0, 0, 18, 99, "", "", "", ""},
    {"Sami", "Sweden", "Southern", "se", "SE", "SOUTHERN", 1, 2, 0x3B, 0x07, "SMB", 0, 0, 20, 99, "", "", "", ""},
    {"Sami", "Finland", "Skolt", "se", "FI", "SKOLT", 1, 2, 0x3B, 0x08, "SMS", 0, 0, 6, 99, "", "", "", ""},
    {"Sami", "Finland", "Inari", "se", "FI", "INARI", 1, 2, 0x3B, 0x09, "SMN", 0, 0, 6, 99, "", "", "", ""},
};
// clang-format on
static_assert(std::size(kLocales) == 165, "the locale table has 165 rows");

constexpr TVnLocaleData kEndRow = {"", "", "", "", "", "", 0, 0, -1, -1, "", 1, 0, 0, 99, "", "", "", ""};

} // namespace

const TVnEncodingGroup &TVnLocaleData::Encodings() const {
  return kEncodingGroups[EncodingGroup];
}

std::span<const TVnEncodingGroup> VnEncodingGroups() {
  return kEncodingGroups;
}
std::span<const TVnEncodingData> VnUnicodeEncodings() {
  return kUnicodeEncodings;
}
std::span<const TVnLocaleData> VnLocaleTable() {
  return kLocales;
}
const TVnLocaleData &VnLocaleEndRow() {
  return kEndRow;
}
