#include "candidates/Personas.h"

namespace candidates {

const std::array<Persona, 7>& Personas() {
    static const std::array<Persona, 7> personas{{
        {.caption = "ぽっけ", .firstCell = 1, .lastCell = 81, .step = +1, .redrawAfterPlacing = false,
         .start = "僕にまかせろ！", .tries = "う～～～ん　やるなぁ", .level = "う～～～ん　だだだだ",
         .exhausted = "もえつきた～～～～っ", .placing = "がんばるぞう", .cell29 = "なかなか　ですね",
         .second = "これで、どうだ", .solved = "やった！　解けたぞ！",
         .notSolved = "残念！"},
        {.caption = "ゆっぴ", .firstCell = 81, .lastCell = 1, .step = -1, .redrawAfterPlacing = false,
         .start = "わたしにまかせなさい！", .tries = "む、む、む", .level = "む、む、む、む",
         .exhausted = "いきますよ　愛があれば", .placing = "ラブ　ラブ　よ", .cell29 = nullptr,
         .second = "............考え中.......", .solved = "キャー！　できました。うれしいです。",
         .notSolved = "ごめんなさい。わかりません。降参です。"},
        {.caption = "まるね", .firstCell = 72, .lastCell = 46, .step = -1, .redrawAfterPlacing = false,
         .start = "まるね　がんばります。応援してね！", .tries = "むずかしいわねえ", .level = "応援が足らないわ",
         .exhausted = "がんばらなくてわ!!", .placing = "ま　る　ね　がんばる", .cell29 = nullptr,
         .second = "ま　る　ね　いきま～～す", .solved = "まるね　やったわ！。うれしい！！。",
         .notSolved = "まるね　...  かなしい！"},
        {.caption = "ごんぞ", .firstCell = 10, .lastCell = 36, .step = +1, .redrawAfterPlacing = false,
         .start = "おれがやらねば、誰がやる！", .tries = "う～～～ん", .level = "死ぬ！！！",
         .exhausted = "くるしいぜ！！", .placing = "あと、すこし　", .cell29 = "あと　が、ないぞう!",
         .second = "どうしようかなぁ？！", .solved = "どんなもんだい！！",
         .notSolved = "そんなことが！？"},
        {.caption = "ぴころ", .firstCell = 28, .lastCell = 54, .step = +1, .redrawAfterPlacing = false,
         .start = "ぴころ行きます。！", .tries = "ぴころ、いけ～～～！", .level = "ぴころ、いちゃ～～～うっぅ",
         .exhausted = "あ～～～～ん！！　だめぇ！！！", .placing = "あっっ...そこ...", .cell29 = "うふっ！",
         .second = "ぴころ、あか、しろ、きいろ", .solved = "オールグリーンですわ！",
         .notSolved = "イヤ～～～ン！？見ないで！　　エッチ！！！！"},
        {.caption = "ふうり", .firstCell = 37, .lastCell = 72, .step = +1, .redrawAfterPlacing = true,
         .start = "ふうり　やってみますね！", .tries = "ふうり　目がまわる", .level = "ふうり　ゆっぴちゃんが好き!",
         .exhausted = "十字星!", .placing = "動物園に　いきたい!", .cell29 = nullptr,
         .second = "どうしよう", .solved = "ふうり　できました。",
         .notSolved = "ふうり　ごめんなさい..."},
        {.caption = "ぺりか", .firstCell = 54, .lastCell = 28, .step = -1, .redrawAfterPlacing = false,
         .start = "あの星に誓って、がんばります！", .tries = "あっ...星が落ちる!", .level = "あっ........流れ星",
         .exhausted = "ほし....", .placing = "ほし星うめ星", .cell29 = nullptr,
         .second = "梅干、お星様", .solved = "お星様、ありがとう！！！",
         .notSolved = "だから、星占いは、きらいだ！！"},
    }};
    return personas;
}

}  // namespace candidates
