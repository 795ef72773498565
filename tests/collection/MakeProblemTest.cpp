// A problem typed by hand and made the problem with 問題にする is the same problem to the
// judgements as the one loaded from a collection: on the public double problems, the
// automatic judgement fills exactly as many cells either way.
#include <gtest/gtest.h>

#include "MondaiFixture.h"
#include "PublicDoubles.h"
#include "board/frmAllGamen.h"
#include "collection/MondaiRec.h"

using namespace collection_test;

namespace {

struct MakeProblem : MondaiFixture {
    // The automatic judgement of the board, repeated while it fills cells; the cells filled.
    int judgeUntilStuck() {
        for (std::string before; before != main().lblSetCount.caption();) {
            before = main().lblSetCount.caption();
            click(main().cmdHanteiA(3));
        }
        return std::stoi(main().lblSetCount.caption());
    }
    static std::string Line(const puzzle::DoubleBoard& board, int g) {
        std::string line(81, '.');
        for (int k = 1; k <= 81; ++k) {
            if (int d = board.at(g, k)) line[static_cast<size_t>(k - 1)] = static_cast<char>('0' + d);
        }
        return line;
    }
};

}  // namespace

TEST_F(MakeProblem, TypedAndMadeTheProblemFillsAsMuchAsLoaded) {
    std::vector<PublicDouble> problems = public_doubles::All(MOZEL_TEST_DATA);
    std::string collection;
    for (std::size_t i = 0; i < problems.size(); ++i) {
        int s = 2 * static_cast<int>(i) + 1;
        collection += Bytes(Record(s, problems[i].givens.pattern, 'A', Line(problems[i].givens, 1)));
        collection += Bytes(Record(s + 1, problems[i].givens.pattern, 'B', Line(problems[i].givens, 2)));
    }
    startWith(collection);
    int loadedTotal = 0, madeTotal = 0, typedTotal = 0;
    for (std::size_t i = 0; i < problems.size(); ++i) {
        const puzzle::DoubleBoard& p = problems[i].givens;
        load(2 * static_cast<int>(i) + 1);
        const int loaded = judgeUntilStuck();

        // Typed after the full clear, once as it is and once made the problem.
        auto typeIt = [&] {
            click(main().cmdClear01);
            while (cmn().PatternNo != p.pattern) click(main().cmdPattern);
            for (int c = 1; c <= 225; ++c) {
                if (int d = p.digits[static_cast<std::size_t>(c)]) type(main().text1(c), std::string(1, static_cast<char>('0' + d)));
            }
        };
        typeIt();
        const int typed = judgeUntilStuck();
        typeIt();
        click(main().cmdMondaiNiSuru);
        const int made = judgeUntilStuck();
        EXPECT_EQ(made, loaded) << problems[i].name;
        loadedTotal += loaded;
        madeTotal += made;
        typedTotal += typed;
    }
    std::cout << problems.size() << " public problems: loaded " << loadedTotal << " cells, typed " << typedTotal
              << ", typed and made the problem " << madeTotal << "\n";
}
