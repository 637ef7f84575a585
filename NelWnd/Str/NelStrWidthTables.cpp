// Tables of the Japanese character-width conversion and their lookup.
//
// Every pair is written twice: as UTF-16 (the wide twin's text) and as the
// Shift-JIS bytes of the same characters (the ANSI twin's text under code
// page 932). Escapes keep the file independent of the compiler's source
// character set; the comment shows each pair.
#include "NelStrWidthTables.h"
#include <windows.h>
#include <algorithm>

// Latin letters: a-z, then A-Z.
static const NelWidthPair kLetters[] = {
    {L"a", L"\xFF41", "a", "\x82\x81"},  // a ａ
    {L"b", L"\xFF42", "b", "\x82\x82"},  // b ｂ
    {L"c", L"\xFF43", "c", "\x82\x83"},  // c ｃ
    {L"d", L"\xFF44", "d", "\x82\x84"},  // d ｄ
    {L"e", L"\xFF45", "e", "\x82\x85"},  // e ｅ
    {L"f", L"\xFF46", "f", "\x82\x86"},  // f ｆ
    {L"g", L"\xFF47", "g", "\x82\x87"},  // g ｇ
    {L"h", L"\xFF48", "h", "\x82\x88"},  // h ｈ
    {L"i", L"\xFF49", "i", "\x82\x89"},  // i ｉ
    {L"j", L"\xFF4A", "j", "\x82\x8A"},  // j ｊ
    {L"k", L"\xFF4B", "k", "\x82\x8B"},  // k ｋ
    {L"l", L"\xFF4C", "l", "\x82\x8C"},  // l ｌ
    {L"m", L"\xFF4D", "m", "\x82\x8D"},  // m ｍ
    {L"n", L"\xFF4E", "n", "\x82\x8E"},  // n ｎ
    {L"o", L"\xFF4F", "o", "\x82\x8F"},  // o ｏ
    {L"p", L"\xFF50", "p", "\x82\x90"},  // p ｐ
    {L"q", L"\xFF51", "q", "\x82\x91"},  // q ｑ
    {L"r", L"\xFF52", "r", "\x82\x92"},  // r ｒ
    {L"s", L"\xFF53", "s", "\x82\x93"},  // s ｓ
    {L"t", L"\xFF54", "t", "\x82\x94"},  // t ｔ
    {L"u", L"\xFF55", "u", "\x82\x95"},  // u ｕ
    {L"v", L"\xFF56", "v", "\x82\x96"},  // v ｖ
    {L"w", L"\xFF57", "w", "\x82\x97"},  // w ｗ
    {L"x", L"\xFF58", "x", "\x82\x98"},  // x ｘ
    {L"y", L"\xFF59", "y", "\x82\x99"},  // y ｙ
    {L"z", L"\xFF5A", "z", "\x82\x9A"},  // z ｚ
    {L"A", L"\xFF21", "A", "\x82\x60"},  // A Ａ
    {L"B", L"\xFF22", "B", "\x82\x61"},  // B Ｂ
    {L"C", L"\xFF23", "C", "\x82\x62"},  // C Ｃ
    {L"D", L"\xFF24", "D", "\x82\x63"},  // D Ｄ
    {L"E", L"\xFF25", "E", "\x82\x64"},  // E Ｅ
    {L"F", L"\xFF26", "F", "\x82\x65"},  // F Ｆ
    {L"G", L"\xFF27", "G", "\x82\x66"},  // G Ｇ
    {L"H", L"\xFF28", "H", "\x82\x67"},  // H Ｈ
    {L"I", L"\xFF29", "I", "\x82\x68"},  // I Ｉ
    {L"J", L"\xFF2A", "J", "\x82\x69"},  // J Ｊ
    {L"K", L"\xFF2B", "K", "\x82\x6A"},  // K Ｋ
    {L"L", L"\xFF2C", "L", "\x82\x6B"},  // L Ｌ
    {L"M", L"\xFF2D", "M", "\x82\x6C"},  // M Ｍ
    {L"N", L"\xFF2E", "N", "\x82\x6D"},  // N Ｎ
    {L"O", L"\xFF2F", "O", "\x82\x6E"},  // O Ｏ
    {L"P", L"\xFF30", "P", "\x82\x6F"},  // P Ｐ
    {L"Q", L"\xFF31", "Q", "\x82\x70"},  // Q Ｑ
    {L"R", L"\xFF32", "R", "\x82\x71"},  // R Ｒ
    {L"S", L"\xFF33", "S", "\x82\x72"},  // S Ｓ
    {L"T", L"\xFF34", "T", "\x82\x73"},  // T Ｔ
    {L"U", L"\xFF35", "U", "\x82\x74"},  // U Ｕ
    {L"V", L"\xFF36", "V", "\x82\x75"},  // V Ｖ
    {L"W", L"\xFF37", "W", "\x82\x76"},  // W Ｗ
    {L"X", L"\xFF38", "X", "\x82\x77"},  // X Ｘ
    {L"Y", L"\xFF39", "Y", "\x82\x78"},  // Y Ｙ
    {L"Z", L"\xFF3A", "Z", "\x82\x79"},  // Z Ｚ
};

// Digits.
static const NelWidthPair kDigits[] = {
    {L"0", L"\xFF10", "0", "\x82\x4F"},  // 0 ０
    {L"1", L"\xFF11", "1", "\x82\x50"},  // 1 １
    {L"2", L"\xFF12", "2", "\x82\x51"},  // 2 ２
    {L"3", L"\xFF13", "3", "\x82\x52"},  // 3 ３
    {L"4", L"\xFF14", "4", "\x82\x53"},  // 4 ４
    {L"5", L"\xFF15", "5", "\x82\x54"},  // 5 ５
    {L"6", L"\xFF16", "6", "\x82\x55"},  // 6 ６
    {L"7", L"\xFF17", "7", "\x82\x56"},  // 7 ７
    {L"8", L"\xFF18", "8", "\x82\x57"},  // 8 ８
    {L"9", L"\xFF19", "9", "\x82\x58"},  // 9 ９
};

// ASCII symbols and the half-width corner brackets. The space is in no table.
static const NelWidthPair kSymbols[] = {
    {L"!", L"\xFF01", "!", "\x81\x49"},          // ! ！
    {L"\"", L"\x201D", "\"", "\x81\x68"},        // " ”
    {L"#", L"\xFF03", "#", "\x81\x94"},          // # ＃
    {L"$", L"\xFF04", "$", "\x81\x90"},          // $ ＄
    {L"%", L"\xFF05", "%", "\x81\x93"},          // % ％
    {L"&", L"\xFF06", "&", "\x81\x95"},          // & ＆
    {L"'", L"\x2019", "'", "\x81\x66"},          // ' ’
    {L"(", L"\xFF08", "(", "\x81\x69"},          // ( （
    {L")", L"\xFF09", ")", "\x81\x6A"},          // ) ）
    {L"-", L"\xFF0D", "-", "\x81\x7C"},          // - －
    {L"^", L"\xFF3E", "^", "\x81\x4F"},          // ^ ＾
    {L"\\", L"\xFFE5", "\\", "\x81\x8F"},        // backslash ￥
    {L"@", L"\xFF20", "@", "\x81\x97"},          // @ ＠
    {L";", L"\xFF1B", ";", "\x81\x47"},          // ; ；
    {L":", L"\xFF1A", ":", "\x81\x46"},          // : ：
    {L",", L"\xFF0C", ",", "\x81\x43"},          // , ，
    {L".", L"\xFF0E", ".", "\x81\x44"},          // . ．
    {L"/", L"\xFF0F", "/", "\x81\x5E"},          // / ／
    {L"[", L"\xFF3B", "[", "\x81\x6D"},          // [ ［
    {L"]", L"\xFF3D", "]", "\x81\x6E"},          // ] ］
    {L"{", L"\xFF5B", "{", "\x81\x6F"},          // { ｛
    {L"}", L"\xFF5D", "}", "\x81\x70"},          // } ｝
    {L"=", L"\xFF1D", "=", "\x81\x81"},          // = ＝
    {L"~", L"\xFFE3", "~", "\x81\x50"},          // ~ ￣
    {L"|", L"\xFF5C", "|", "\x81\x62"},          // | ｜
    {L"`", L"\xFF40", "`", "\x81\x4D"},          // ` ｀
    {L"+", L"\xFF0B", "+", "\x81\x7B"},          // + ＋
    {L"*", L"\xFF0A", "*", "\x81\x96"},          // * ＊
    {L"<", L"\xFF1C", "<", "\x81\x83"},          // < ＜
    {L">", L"\xFF1E", ">", "\x81\x84"},          // > ＞
    {L"?", L"\xFF1F", "?", "\x81\x48"},          // ? ？
    {L"_", L"\xFF3F", "_", "\x81\x51"},          // _ ＿
    {L"\xFF62", L"\x300C", "\xA2", "\x81\x75"},  // ｢ 「
    {L"\xFF63", L"\x300D", "\xA3", "\x81\x76"},  // ｣ 」
};

// Half-width kana + sound mark (two characters) and the precomposed kana.
static const NelWidthPair kVoiced[] = {
    {L"\xFF73\xFF9E", L"\x30F4", "\xB3\xDE", "\x83\x94"},  // ｳﾞ ヴ
    {L"\xFF76\xFF9E", L"\x30AC", "\xB6\xDE", "\x83\x4B"},  // ｶﾞ ガ
    {L"\xFF77\xFF9E", L"\x30AE", "\xB7\xDE", "\x83\x4D"},  // ｷﾞ ギ
    {L"\xFF78\xFF9E", L"\x30B0", "\xB8\xDE", "\x83\x4F"},  // ｸﾞ グ
    {L"\xFF79\xFF9E", L"\x30B2", "\xB9\xDE", "\x83\x51"},  // ｹﾞ ゲ
    {L"\xFF7A\xFF9E", L"\x30B4", "\xBA\xDE", "\x83\x53"},  // ｺﾞ ゴ
    {L"\xFF7B\xFF9E", L"\x30B6", "\xBB\xDE", "\x83\x55"},  // ｻﾞ ザ
    {L"\xFF7C\xFF9E", L"\x30B8", "\xBC\xDE", "\x83\x57"},  // ｼﾞ ジ
    {L"\xFF7D\xFF9E", L"\x30BA", "\xBD\xDE", "\x83\x59"},  // ｽﾞ ズ
    {L"\xFF7E\xFF9E", L"\x30BC", "\xBE\xDE", "\x83\x5B"},  // ｾﾞ ゼ
    {L"\xFF7F\xFF9E", L"\x30BE", "\xBF\xDE", "\x83\x5D"},  // ｿﾞ ゾ
    {L"\xFF80\xFF9E", L"\x30C0", "\xC0\xDE", "\x83\x5F"},  // ﾀﾞ ダ
    {L"\xFF81\xFF9E", L"\x30C2", "\xC1\xDE", "\x83\x61"},  // ﾁﾞ ヂ
    {L"\xFF82\xFF9E", L"\x30C5", "\xC2\xDE", "\x83\x64"},  // ﾂﾞ ヅ
    {L"\xFF83\xFF9E", L"\x30C7", "\xC3\xDE", "\x83\x66"},  // ﾃﾞ デ
    {L"\xFF84\xFF9E", L"\x30C9", "\xC4\xDE", "\x83\x68"},  // ﾄﾞ ド
    {L"\xFF8A\xFF9E", L"\x30D0", "\xCA\xDE", "\x83\x6F"},  // ﾊﾞ バ
    {L"\xFF8B\xFF9E", L"\x30D3", "\xCB\xDE", "\x83\x72"},  // ﾋﾞ ビ
    {L"\xFF8C\xFF9E", L"\x30D6", "\xCC\xDE", "\x83\x75"},  // ﾌﾞ ブ
    {L"\xFF8D\xFF9E", L"\x30D9", "\xCD\xDE", "\x83\x78"},  // ﾍﾞ ベ
    {L"\xFF8E\xFF9E", L"\x30DC", "\xCE\xDE", "\x83\x7B"},  // ﾎﾞ ボ
    {L"\xFF8A\xFF9F", L"\x30D1", "\xCA\xDF", "\x83\x70"},  // ﾊﾟ パ
    {L"\xFF8B\xFF9F", L"\x30D4", "\xCB\xDF", "\x83\x73"},  // ﾋﾟ ピ
    {L"\xFF8C\xFF9F", L"\x30D7", "\xCC\xDF", "\x83\x76"},  // ﾌﾟ プ
    {L"\xFF8D\xFF9F", L"\x30DA", "\xCD\xDF", "\x83\x79"},  // ﾍﾟ ペ
    {L"\xFF8E\xFF9F", L"\x30DD", "\xCE\xDF", "\x83\x7C"},  // ﾎﾟ ポ
};

// The same half-width sequences and the full-width kana followed by a separate
// spacing sound mark, used instead of kVoiced under the separate-mark flag.
static const NelWidthPair kVoicedSeparate[] = {
    {L"\xFF73\xFF9E", L"\x30A6\x309B", "\xB3\xDE", "\x83\x45\x81\x4A"},  // ｳﾞ ウ゛
    {L"\xFF76\xFF9E", L"\x30AB\x309B", "\xB6\xDE", "\x83\x4A\x81\x4A"},  // ｶﾞ カ゛
    {L"\xFF77\xFF9E", L"\x30AD\x309B", "\xB7\xDE", "\x83\x4C\x81\x4A"},  // ｷﾞ キ゛
    {L"\xFF78\xFF9E", L"\x30AF\x309B", "\xB8\xDE", "\x83\x4E\x81\x4A"},  // ｸﾞ ク゛
    {L"\xFF79\xFF9E", L"\x30B1\x309B", "\xB9\xDE", "\x83\x50\x81\x4A"},  // ｹﾞ ケ゛
    {L"\xFF7A\xFF9E", L"\x30B3\x309B", "\xBA\xDE", "\x83\x52\x81\x4A"},  // ｺﾞ コ゛
    {L"\xFF7B\xFF9E", L"\x30B5\x309B", "\xBB\xDE", "\x83\x54\x81\x4A"},  // ｻﾞ サ゛
    {L"\xFF7C\xFF9E", L"\x30B7\x309B", "\xBC\xDE", "\x83\x56\x81\x4A"},  // ｼﾞ シ゛
    {L"\xFF7D\xFF9E", L"\x30B9\x309B", "\xBD\xDE", "\x83\x58\x81\x4A"},  // ｽﾞ ス゛
    {L"\xFF7E\xFF9E", L"\x30BB\x309B", "\xBE\xDE", "\x83\x5A\x81\x4A"},  // ｾﾞ セ゛
    {L"\xFF7F\xFF9E", L"\x30BD\x309B", "\xBF\xDE", "\x83\x5C\x81\x4A"},  // ｿﾞ ソ゛
    {L"\xFF80\xFF9E", L"\x30BF\x309B", "\xC0\xDE", "\x83\x5E\x81\x4A"},  // ﾀﾞ タ゛
    {L"\xFF81\xFF9E", L"\x30C1\x309B", "\xC1\xDE", "\x83\x60\x81\x4A"},  // ﾁﾞ チ゛
    {L"\xFF82\xFF9E", L"\x30C4\x309B", "\xC2\xDE", "\x83\x63\x81\x4A"},  // ﾂﾞ ツ゛
    {L"\xFF83\xFF9E", L"\x30C6\x309B", "\xC3\xDE", "\x83\x65\x81\x4A"},  // ﾃﾞ テ゛
    {L"\xFF84\xFF9E", L"\x30C8\x309B", "\xC4\xDE", "\x83\x67\x81\x4A"},  // ﾄﾞ ト゛
    {L"\xFF8A\xFF9E", L"\x30CF\x309B", "\xCA\xDE", "\x83\x6E\x81\x4A"},  // ﾊﾞ ハ゛
    {L"\xFF8B\xFF9E", L"\x30D2\x309B", "\xCB\xDE", "\x83\x71\x81\x4A"},  // ﾋﾞ ヒ゛
    {L"\xFF8C\xFF9E", L"\x30D5\x309B", "\xCC\xDE", "\x83\x74\x81\x4A"},  // ﾌﾞ フ゛
    {L"\xFF8D\xFF9E", L"\x30D8\x309B", "\xCD\xDE", "\x83\x77\x81\x4A"},  // ﾍﾞ ヘ゛
    {L"\xFF8E\xFF9E", L"\x30DB\x309B", "\xCE\xDE", "\x83\x7A\x81\x4A"},  // ﾎﾞ ホ゛
    {L"\xFF8A\xFF9F", L"\x30CF\x309C", "\xCA\xDF", "\x83\x6E\x81\x4B"},  // ﾊﾟ ハ゜
    {L"\xFF8B\xFF9F", L"\x30D2\x309C", "\xCB\xDF", "\x83\x71\x81\x4B"},  // ﾋﾟ ヒ゜
    {L"\xFF8C\xFF9F", L"\x30D5\x309C", "\xCC\xDF", "\x83\x74\x81\x4B"},  // ﾌﾟ フ゜
    {L"\xFF8D\xFF9F", L"\x30D8\x309C", "\xCD\xDF", "\x83\x77\x81\x4B"},  // ﾍﾟ ヘ゜
    {L"\xFF8E\xFF9F", L"\x30DB\x309C", "\xCE\xDF", "\x83\x7A\x81\x4B"},  // ﾎﾟ ホ゜
};

// Single kana, lone sound marks, kana punctuation and the prolonged sound mark.
static const NelWidthPair kKana[] = {
    {L"\xFF71", L"\x30A2", "\xB1", "\x83\x41"},  // ｱ ア
    {L"\xFF72", L"\x30A4", "\xB2", "\x83\x43"},  // ｲ イ
    {L"\xFF73", L"\x30A6", "\xB3", "\x83\x45"},  // ｳ ウ
    {L"\xFF74", L"\x30A8", "\xB4", "\x83\x47"},  // ｴ エ
    {L"\xFF75", L"\x30AA", "\xB5", "\x83\x49"},  // ｵ オ
    {L"\xFF76", L"\x30AB", "\xB6", "\x83\x4A"},  // ｶ カ
    {L"\xFF77", L"\x30AD", "\xB7", "\x83\x4C"},  // ｷ キ
    {L"\xFF78", L"\x30AF", "\xB8", "\x83\x4E"},  // ｸ ク
    {L"\xFF79", L"\x30B1", "\xB9", "\x83\x50"},  // ｹ ケ
    {L"\xFF7A", L"\x30B3", "\xBA", "\x83\x52"},  // ｺ コ
    {L"\xFF7B", L"\x30B5", "\xBB", "\x83\x54"},  // ｻ サ
    {L"\xFF7C", L"\x30B7", "\xBC", "\x83\x56"},  // ｼ シ
    {L"\xFF7D", L"\x30B9", "\xBD", "\x83\x58"},  // ｽ ス
    {L"\xFF7E", L"\x30BB", "\xBE", "\x83\x5A"},  // ｾ セ
    {L"\xFF7F", L"\x30BD", "\xBF", "\x83\x5C"},  // ｿ ソ
    {L"\xFF80", L"\x30BF", "\xC0", "\x83\x5E"},  // ﾀ タ
    {L"\xFF81", L"\x30C1", "\xC1", "\x83\x60"},  // ﾁ チ
    {L"\xFF82", L"\x30C4", "\xC2", "\x83\x63"},  // ﾂ ツ
    {L"\xFF83", L"\x30C6", "\xC3", "\x83\x65"},  // ﾃ テ
    {L"\xFF84", L"\x30C8", "\xC4", "\x83\x67"},  // ﾄ ト
    {L"\xFF85", L"\x30CA", "\xC5", "\x83\x69"},  // ﾅ ナ
    {L"\xFF86", L"\x30CB", "\xC6", "\x83\x6A"},  // ﾆ ニ
    {L"\xFF87", L"\x30CC", "\xC7", "\x83\x6B"},  // ﾇ ヌ
    {L"\xFF88", L"\x30CD", "\xC8", "\x83\x6C"},  // ﾈ ネ
    {L"\xFF89", L"\x30CE", "\xC9", "\x83\x6D"},  // ﾉ ノ
    {L"\xFF8A", L"\x30CF", "\xCA", "\x83\x6E"},  // ﾊ ハ
    {L"\xFF8B", L"\x30D2", "\xCB", "\x83\x71"},  // ﾋ ヒ
    {L"\xFF8C", L"\x30D5", "\xCC", "\x83\x74"},  // ﾌ フ
    {L"\xFF8D", L"\x30D8", "\xCD", "\x83\x77"},  // ﾍ ヘ
    {L"\xFF8E", L"\x30DB", "\xCE", "\x83\x7A"},  // ﾎ ホ
    {L"\xFF8F", L"\x30DE", "\xCF", "\x83\x7D"},  // ﾏ マ
    {L"\xFF90", L"\x30DF", "\xD0", "\x83\x7E"},  // ﾐ ミ
    {L"\xFF91", L"\x30E0", "\xD1", "\x83\x80"},  // ﾑ ム
    {L"\xFF92", L"\x30E1", "\xD2", "\x83\x81"},  // ﾒ メ
    {L"\xFF93", L"\x30E2", "\xD3", "\x83\x82"},  // ﾓ モ
    {L"\xFF94", L"\x30E4", "\xD4", "\x83\x84"},  // ﾔ ヤ
    {L"\xFF95", L"\x30E6", "\xD5", "\x83\x86"},  // ﾕ ユ
    {L"\xFF96", L"\x30E8", "\xD6", "\x83\x88"},  // ﾖ ヨ
    {L"\xFF97", L"\x30E9", "\xD7", "\x83\x89"},  // ﾗ ラ
    {L"\xFF98", L"\x30EA", "\xD8", "\x83\x8A"},  // ﾘ リ
    {L"\xFF99", L"\x30EB", "\xD9", "\x83\x8B"},  // ﾙ ル
    {L"\xFF9A", L"\x30EC", "\xDA", "\x83\x8C"},  // ﾚ レ
    {L"\xFF9B", L"\x30ED", "\xDB", "\x83\x8D"},  // ﾛ ロ
    {L"\xFF9C", L"\x30EF", "\xDC", "\x83\x8F"},  // ﾜ ワ
    {L"\xFF66", L"\x30F2", "\xA6", "\x83\x92"},  // ｦ ヲ
    {L"\xFF9D", L"\x30F3", "\xDD", "\x83\x93"},  // ﾝ ン
    {L"\xFF67", L"\x30A1", "\xA7", "\x83\x40"},  // ｧ ァ
    {L"\xFF68", L"\x30A3", "\xA8", "\x83\x42"},  // ｨ ィ
    {L"\xFF69", L"\x30A5", "\xA9", "\x83\x44"},  // ｩ ゥ
    {L"\xFF6A", L"\x30A7", "\xAA", "\x83\x46"},  // ｪ ェ
    {L"\xFF6B", L"\x30A9", "\xAB", "\x83\x48"},  // ｫ ォ
    {L"\xFF6F", L"\x30C3", "\xAF", "\x83\x62"},  // ｯ ッ
    {L"\xFF6C", L"\x30E3", "\xAC", "\x83\x83"},  // ｬ ャ
    {L"\xFF6D", L"\x30E5", "\xAD", "\x83\x85"},  // ｭ ュ
    {L"\xFF6E", L"\x30E7", "\xAE", "\x83\x87"},  // ｮ ョ
    {L"\xFF9E", L"\x309B", "\xDE", "\x81\x4A"},  // ﾞ ゛
    {L"\xFF9F", L"\x309C", "\xDF", "\x81\x4B"},  // ﾟ ゜
    {L"\xFF64", L"\x3001", "\xA4", "\x81\x41"},  // ､ 、
    {L"\xFF61", L"\x3002", "\xA1", "\x81\x42"},  // ｡ 。
    {L"\xFF70", L"\x30FC", "\xB0", "\x81\x5B"},  // ｰ ー
};

const NelWidthTable g_nelWidthTables[kNelWidthTableCount] = {
    {kNelWidthAlpha, kLetters, nullptr, sizeof(kLetters) / sizeof(kLetters[0])},
    {kNelWidthDigit, kDigits, nullptr, sizeof(kDigits) / sizeof(kDigits[0])},
    {kNelWidthSymbol, kSymbols, nullptr, sizeof(kSymbols) / sizeof(kSymbols[0])},
    // The two-character voiced sequences come before the single kana, so
    // that a kana followed by its mark converts as one character.
    {kNelWidthKana, kVoiced, kVoicedSeparate, sizeof(kVoiced) / sizeof(kVoiced[0])},
    {kNelWidthKana, kKana, nullptr, sizeof(kKana) / sizeof(kKana[0])},
};

static_assert(sizeof(kVoiced) == sizeof(kVoicedSeparate), "separate forms parallel the voiced pairs");
static_assert(sizeof(kVoiced) / sizeof(kVoiced[0]) == kNelWidthMaxVoiced, "voiced table size");
static_assert((sizeof(kLetters) + sizeof(kDigits) + sizeof(kSymbols) + sizeof(kVoiced) + sizeof(kKana)) /
                      sizeof(NelWidthPair) == kNelWidthMaxPairs,
              "table sizes");

namespace {

// Keys of the characters of a table string, which is one or two
// characters long. Table strings are Shift-JIS whatever the process's code
// page, so the Shift-JIS lead-byte ranges are used here, not the platform's.
int TableKeys(const char* s, uint32_t keys[2])
{
    int n = 0;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(s);
    while (*p && n < 2) {
        bool lead = (*p >= 0x81 && *p <= 0x9F) || (*p >= 0xE0 && *p <= 0xFC);
        if (lead && p[1]) {
            keys[n++] = (static_cast<uint32_t>(p[0]) << 8) | p[1];
            p += 2;
        } else {
            keys[n++] = *p++;
        }
    }
    return n;
}

int TableKeys(const wchar_t* s, uint32_t keys[2])
{
    int n = 0;
    for (; s[n] && n < 2; ++n)
        keys[n] = static_cast<unsigned short>(s[n]);
    return n;
}

template <class T>
void AddNeedle(NelWidthIndex& index, const T* needle, int table, int pair)
{
    uint32_t keys[2] = {0, 0};
    NelWidthKeyEntry entry = {0, static_cast<unsigned short>(table), static_cast<unsigned short>(pair)};
    if (TableKeys(needle, keys) == 2) {
        entry.key = (keys[0] << 16) | keys[1];
        index.doubles[index.doubleCount++] = entry;
        index.secondMin = std::min(index.secondMin, keys[1]);
        index.secondMax = std::max(index.secondMax, keys[1]);
    } else {
        entry.key = keys[0];
        index.singles[index.singleCount++] = entry;
    }
}

NelWidthIndex BuildIndex(bool wide, bool toFull)
{
    NelWidthIndex index = {};
    index.secondMin = 0xFFFFFFFFu;
    for (int t = 0; t < kNelWidthTableCount; ++t) {
        const NelWidthTable& table = g_nelWidthTables[t];
        for (int i = 0; i < table.count; ++i) {
            const NelWidthPair& p = table.pairs[i];
            if (wide)
                AddNeedle(index, toFull ? p.halfW : p.fullW, t, i);
            else
                AddNeedle(index, toFull ? p.halfA : p.fullA, t, i);
        }
    }
    auto byKey = [](const NelWidthKeyEntry& a, const NelWidthKeyEntry& b) { return a.key < b.key; };
    std::sort(index.singles, index.singles + index.singleCount, byKey);
    std::sort(index.doubles, index.doubles + index.doubleCount, byKey);
    return index;
}

} // namespace

const NelWidthIndex& NelWidthGetIndex(bool wide, bool toFull)
{
    // Built once: the tables are constant, and a conversion of a short
    // text must not pay for sorting them. The first caller builds them; a
    // caller on another thread meanwhile waits until they are ready. This
    // is what a function-local static with a dynamic initialiser would do,
    // without the C++ runtime's thread library that its guard pulls into
    // the module.
    static NelWidthIndex indexes[4];
    static volatile LONG state = 0; // 0 not built, 1 being built, 2 ready
    if (InterlockedCompareExchange(&state, 1, 0) == 0) {
        indexes[0] = BuildIndex(false, false);
        indexes[1] = BuildIndex(false, true);
        indexes[2] = BuildIndex(true, false);
        indexes[3] = BuildIndex(true, true);
        InterlockedExchange(&state, 2);
    } else {
        while (InterlockedCompareExchange(&state, 2, 2) != 2)
            Sleep(1);
    }
    return indexes[(wide ? 2 : 0) + (toFull ? 1 : 0)];
}

const NelWidthKeyEntry* NelWidthFind(const NelWidthKeyEntry* entries, int count, uint32_t key)
{
    const NelWidthKeyEntry* end = entries + count;
    const NelWidthKeyEntry* it = std::lower_bound(
        entries, end, key, [](const NelWidthKeyEntry& e, uint32_t k) { return e.key < k; });
    return (it != end && it->key == key) ? it : nullptr;
}
