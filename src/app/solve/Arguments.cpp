#include "app/solve/Arguments.h"

#include <charconv>

#include "collection/MondaiRec.h"
#include "puzzle/OverlapPatterns.h"

namespace solve {

const char* const kUsage =
    "使い方:\n"
    "  mozeldouble-solve [--json] [--steps] [--write-collection 問題集ファイル]\n"
    "                    [FILE|-|--collection 問題集ファイル]...\n"
    "      問題を1行に1つ読み、解が1つだけか (unique)、2つ以上か (multiple)、ないか (none) を答えます。\n"
    "      FILE がないか - のときは標準入力を読みます。\n"
    "      行の形: パターン番号 グリッド181文字 グリッド281文字 [x]\n"
    "      マスは 1〜9、空きは . か 0。x は対角ルール。空行と # で始まる行は読み飛ばします。\n"
    "      --json  答えを1行に1つの JSON で書きます\n"
    "              (キー: line または number, status, solution, second, message,\n"
    "              steps, rating, micros, nanos)。\n"
    "      --steps 解がある問題には、ヒントから人が解く手順 (手筋とその難しさの数、決まること、説明) と\n"
    "              難易度 (いちばん難しい手筋とその数 1.0〜10.0、最後まで解けたか) を答えの後に書きます\n"
    "              (JSON ではキー steps と rating)。\n"
    "      --collection 問題集ファイル  行の代わりに問題集ファイルの問題を読みます。\n"
    "              答えは行番号の代わりに格納番号 (JSON ではキー number) で示します。\n"
    "      --write-collection 問題集ファイル  読めた問題を新しい問題集ファイルにも書きます。\n"
    "  mozeldouble-solve --from-image [--json] [--write-collection 問題集ファイル] 画像ファイル|フォルダ...\n"
    "      画像 (PNG、JPEG、BMP) からダブルの盤を読み、画像ごとに # 画像ファイル名 の行と問題の行を書きます。\n"
    "      フォルダはその中の画像をすべて読みます。読みにくかったマスは # 確かでないマス: の行で示します。\n"
    "      盤が見つからない画像は、その理由を標準エラーに書きます。\n"
    "      --json  画像ごとに1行の JSON で書きます (キー: file, line, pattern, diagonal,\n"
    "              confidence (グリッドごとのマス 1〜81 の確かさ 0〜1), doubtful (確かでないマス), message)。\n"
    "  mozeldouble-solve --generate PATTERN [--diagonal] [--count N] [--seed S] [--rating R]\n"
    "                    [--write-collection 問題集ファイル]\n"
    "      解が1つだけで、どのヒントも欠かせない問題を N 個 (既定 1) 作り、上の行の形で書きます。\n"
    "      同じ S からは同じ問題ができます。k 番目の問題は S + k - 1 から作ります。\n"
    "      --rating R  難易度 R の問題を作ります (S, S + 1, ... と順に試します)。R と難しさの数は\n"
    "              singles (1.0〜2.0 シングルだけで解ける)、locked (2.1〜2.9 ポインティング・クレーミングまで)、\n"
    "              subsets (3.0〜3.9 ペア・トリプル・クアッドまで)、\n"
    "              fish (4.0〜4.9 フィッシュ、スカイスクレイパー、カイト、エンプティレクタングルまで)、\n"
    "              wings (5.0〜5.9 XY・XYZ・Wウィングまで)、\n"
    "              chains (6.0〜7.9 チェーン、ユニークレクタングル、BUG+1、ALS まで)、\n"
    "              guess (8.0〜 フォーシングチェーンが要る)。\n"
    "              --diagonal と guess 以外の R では、手順をその難易度に収めるため、\n"
    "              なくても解が1つに決まるヒントを残すことがあります。\n"
    "              各問題の前の # seed の数を --seed に渡すと、その問題がもう一度できます。\n"
    "      --write-collection 問題集ファイル  作った問題を新しい問題集ファイルにも書きます。\n"
    "  問題集ファイルには格納番号 1, 3, 5, ... に 45 問まで書きます。すでにあるファイルには書きません。\n"
    "  難易度の欄には 1 (singles) 〜 7 (guess) を書きます。\n"
    "  mozeldouble-solve --help\n"
    "終了コード: 0 すべて読めた / 2 読めない引数・ファイル・行があった (読めた行には答えます)\n";

namespace {

template <typename T>
std::optional<T> Number(const std::string& text) {
    T value{};
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::optional<Arguments> ParseArguments(const std::vector<std::string>& argv, std::string& error) {
    Arguments args;
    // Help is asked for wherever it stands, whatever else the arguments say.
    for (const std::string& arg : argv) {
        if (arg == "--help" || arg == "-h") {
            args.help = true;
            return args;
        }
    }
    auto fail = [&error](const std::string& message) -> std::optional<Arguments> {
        error = message;
        return std::nullopt;
    };
    for (std::size_t i = 0; i < argv.size(); ++i) {
        const std::string& arg = argv[i];
        auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= argv.size()) return std::nullopt;
            return argv[++i];
        };
        if (arg == "--json") {
            args.json = true;
        } else if (arg == "--steps") {
            args.steps = true;
        } else if (arg == "--from-image") {
            args.fromImage = true;
        } else if (arg == "--diagonal") {
            args.diagonal = true;
        } else if (arg == "--collection" || arg == "--write-collection") {
            std::optional<std::string> v = value();
            if (!v) return fail(arg + " の後にファイル名がありません");
            if (arg == "--collection")
                args.inputs.push_back({*v, true});
            else
                args.writeCollection = *v;
        } else if (arg == "--rating") {
            std::optional<std::string> v = value();
            if (!v) return fail("--rating の後に難易度がありません");
            args.rating = puzzle::LevelNamed(*v);
            if (!args.rating)
                return fail("難易度「" + *v + "」は singles、locked、subsets、fish、wings、chains、guess のどれでもありません");
        } else if (arg == "--generate" || arg == "--count" || arg == "--seed") {
            std::optional<std::string> v = value();
            if (!v) return fail(arg + " の後に数がありません");
            if (arg == "--seed") {
                args.seed = Number<uint64_t>(*v);
                if (!args.seed) return fail("--seed「" + *v + "」は 0 以上の整数ではありません");
                continue;
            }
            std::optional<int> n = Number<int>(*v);
            if (arg == "--generate") {
                if (!n || !puzzle::IsPattern(*n)) return fail("パターン番号「" + *v + "」は 1〜12 の数ではありません");
                args.generatePattern = *n;
            } else {
                if (!n || *n < 1) return fail("--count「" + *v + "」は 1 以上の整数ではありません");
                args.count = *n;
            }
        } else if (arg.starts_with("-") && arg != "-") {
            return fail("知らないオプション「" + arg + "」です");
        } else {
            args.inputs.push_back({arg, false});
        }
    }
    if (args.generatePattern == 0 && (args.diagonal || args.seed || args.count != 1 || args.rating))
        return fail("--diagonal、--count、--seed、--rating は --generate と一緒に使います");
    if (args.generatePattern != 0 && !args.inputs.empty()) return fail("--generate はファイルを読みません");
    if (args.generatePattern != 0 && (args.json || args.steps)) return fail("--json と --steps は問題を読むときに使います");
    if (args.fromImage) {
        if (args.generatePattern != 0 || args.steps) return fail("--from-image は --generate、--steps と一緒に使えません");
        if (args.inputs.empty()) return fail("--from-image の後に画像ファイルがありません");
        for (const Arguments::Input& input : args.inputs)
            if (input.collection || input.path == "-") return fail("--from-image には画像ファイルかフォルダを指定します");
    }
    if (args.writeCollection && args.count > collection::kLastRecord / 2)
        return fail("問題集に入る問題は " + std::to_string(collection::kLastRecord / 2) + " 個までです");
    if (args.inputs.empty()) args.inputs.push_back({"-", false});
    return args;
}

}  // namespace solve
